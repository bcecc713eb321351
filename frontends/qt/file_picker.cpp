#include "frontends/qt/file_picker.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "frontends/qt/qt_text.h"

namespace qel::qt {
namespace {

// The folder of the last chosen file, where the next picker without a folder of its own opens.
QString& lastFolder() {
  static QString folder;
  return folder;
}

QString nameFilter(const platform::FilePickerRequest& request) {
  // Qt separates patterns by spaces and takes them from the last parentheses.
  QString patterns = toQString(request.filterPattern);
  patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
  return toQString(request.filterDescription) + QStringLiteral(" (") + patterns.trimmed() +
         QLatin1Char(')');
}

}  // namespace

void configurePicker(QFileDialog& dialog, const platform::FilePickerRequest& request,
                     PickerKind kind) {
  QFileDialog::Options options = QFileDialog::HideNameFilterDetails;
  // The same picker everywhere, speaking Japanese through Qt's own translation.
  options |= QFileDialog::DontUseNativeDialog;
  if (kind == PickerKind::Save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Saving must accept a name that does not exist yet, whatever the flags say.
    dialog.setFileMode(QFileDialog::AnyFile);
    if ((request.flags & platform::kPickerOverwritePrompt) == 0) {
      options |= QFileDialog::DontConfirmOverwrite;
    }
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode((request.flags & platform::kPickerFileMustExist) != 0
                           ? QFileDialog::ExistingFile
                           : QFileDialog::AnyFile);
  }
  dialog.setOptions(options);
  dialog.setWindowTitle(toQString(request.title));
  if (!request.filterPattern.empty()) dialog.setNameFilter(nameFilter(request));
  dialog.setDefaultSuffix(toQString(request.defaultExtension));

  const QString folder = toQString(request.initialFolder);
  if (!folder.isEmpty()) {
    dialog.setDirectory(folder);
  } else if (!lastFolder().isEmpty()) {
    dialog.setDirectory(lastFolder());
  }
  if (!request.path.empty()) dialog.selectFile(QDir::fromNativeSeparators(toQString(request.path)));
}

std::optional<std::u16string> runPicker(QWidget* owner, const platform::FilePickerRequest& request,
                                        PickerKind kind) {
  QFileDialog dialog(owner);
  configurePicker(dialog, request, kind);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  lastFolder() = QFileInfo(chosen.front()).absolutePath();
  const QString path = QDir::toNativeSeparators(chosen.front());
  if (path.isEmpty()) return std::nullopt;
  return toU16(path);
}

}  // namespace qel::qt
