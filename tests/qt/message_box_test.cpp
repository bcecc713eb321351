#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "frontends/qt/message_box.h"
#include "modal_driver.h"

namespace qel::qt {
namespace {

using platform::MessageBoxButtons;

QStringList buttonTexts(QWidget* box) {
  QStringList texts;
  for (QAbstractButton* button : static_cast<QMessageBox*>(box)->buttons()) texts << button->text();
  texts.sort();
  return texts;
}

TEST(MessageBox, ShowsCaptionTextAndJapaneseButtons) {
  QString title;
  QString text;
  QStringList buttons;
  test::whenModalOpens([&](QWidget* box) {
    title = box->windowTitle();
    text = static_cast<QMessageBox*>(box)->text();
    buttons = buttonTexts(box);
    QTest::keyClick(box, Qt::Key_Return);
  });
  const int answer = showMessageBox(nullptr, QStringLiteral("データを初期化しますか？"),
                                    QStringLiteral("コンテナ初期化"), MessageBoxButtons::OkCancel);
  EXPECT_EQ(answer, platform::kIdOk);  // OK is the default button
  EXPECT_EQ(title, QStringLiteral("コンテナ初期化"));
  EXPECT_EQ(text, QStringLiteral("データを初期化しますか？"));
  EXPECT_EQ(buttons, (QStringList{QStringLiteral("OK"), QStringLiteral("キャンセル")}));
}

TEST(MessageBox, EscapeAnswersCancelOnlyWhenThereIsACancelButton) {
  test::whenModalOpens([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
  EXPECT_EQ(showMessageBox(nullptr, QStringLiteral("?"), QStringLiteral("設定"),
                           MessageBoxButtons::OkCancel),
            platform::kIdCancel);

  QStringList buttons;
  test::whenModalOpens([&](QWidget* box) {
    buttons = buttonTexts(box);
    QTest::keyClick(box, Qt::Key_Escape);
  });
  EXPECT_EQ(showMessageBox(nullptr, QStringLiteral("この名前は設定できません。"),
                           QStringLiteral("設定"), MessageBoxButtons::Ok),
            platform::kIdOk);
  EXPECT_EQ(buttons, QStringList{QStringLiteral("OK")});
}

TEST(MessageBox, ShowsMarkupAndLineBreaksAsPlainText) {
  QString shown;
  test::whenModalOpens([&](QWidget* box) {
    for (QLabel* label : box->findChildren<QLabel*>()) {
      if (label->text().contains(QStringLiteral("<b>"))) shown = label->text();
    }
    QTest::keyClick(box, Qt::Key_Return);
  });
  const QString text = QStringLiteral("ファイルを書き込めませんでした。\n/tmp/<b>x</b>.cnt");
  showMessageBox(nullptr, text, QStringLiteral("コンテナを保存"), MessageBoxButtons::Ok);
  EXPECT_EQ(shown, text);
}

}  // namespace
}  // namespace qel::qt
