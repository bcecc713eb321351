#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "frontends/qt/file_picker.h"
#include "frontends/qt/qt_text.h"
#include "modal_driver.h"

namespace qel::qt {
namespace {

platform::FilePickerRequest containerRequest(std::uint32_t flags, std::u16string title) {
  platform::FilePickerRequest request;
  request.filterDescription = u"コンテナファイル(*.cnt,*.q5c)";
  request.filterPattern = u"*.cnt;*.q5c";
  request.title = std::move(title);
  request.flags = flags;
  request.defaultExtension = u"cnt";
  return request;
}

constexpr std::uint32_t kOpenFlags = 0x1004;
constexpr std::uint32_t kSaveFlags = 0x1006;

TEST(FilePicker, OpenPickerOffersExistingFilesOfTheOneFilter) {
  QFileDialog dialog;
  configurePicker(dialog, containerRequest(kOpenFlags, u"コンテナファイルを開く"),
                  PickerKind::Open);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("コンテナファイルを開く"));
  EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
  EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
  EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("cnt"));
  // Both patterns filter, and the list shows the description as the program wrote it.
  const QString filter = dialog.nameFilters().value(0);
  EXPECT_TRUE(filter.endsWith(QStringLiteral("(*.cnt *.q5c)"))) << filter.toStdString();
  const auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
  ASSERT_NE(types, nullptr);
  EXPECT_EQ(types->currentText().trimmed(), QStringLiteral("コンテナファイル(*.cnt,*.q5c)"));
}

TEST(FilePicker, SavePickerAcceptsNewNamesAndAsksBeforeReplacingOnlyWhenTold) {
  QFileDialog dialog;
  configurePicker(dialog, containerRequest(kSaveFlags, u"コンテナファイルを保存する"),
                  PickerKind::Save);
  EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
  // The file-must-exist flag of the request must not stop a new name.
  EXPECT_EQ(dialog.fileMode(), QFileDialog::AnyFile);
  EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));

  QFileDialog quiet;
  configurePicker(quiet, containerRequest(0, u"x"), PickerKind::Save);
  EXPECT_TRUE(quiet.testOption(QFileDialog::DontConfirmOverwrite));
}

TEST(FilePicker, ProposedNameAndFolderAreOffered) {
  QTemporaryDir folder;
  auto request = containerRequest(kSaveFlags, u"コンテナファイルを保存する");
  request.path = toU16(QDir::toNativeSeparators(folder.path() + QStringLiteral("/box.cnt")));
  QFileDialog dialog;
  configurePicker(dialog, request, PickerKind::Save);
  EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
  const auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->text(), QStringLiteral("box.cnt"));
}

TEST(FilePicker, NewNameTypedWithoutExtensionGetsTheDefaultOne) {
  QTemporaryDir folder;
  auto request = containerRequest(kSaveFlags, u"コンテナファイルを保存する");
  request.initialFolder = toU16(folder.path());
  test::whenModalOpens([](QWidget* picker) {
    auto* name = picker->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    name->setText(QStringLiteral("part"));
    QTest::keyClick(name, Qt::Key_Return);
  });
  const std::optional<std::u16string> chosen = runPicker(nullptr, request, PickerKind::Save);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(QDir::fromNativeSeparators(toQString(*chosen)),
            QDir(folder.path()).filePath(QStringLiteral("part.cnt")));
}

}  // namespace
}  // namespace qel::qt
