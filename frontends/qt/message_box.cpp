#include "frontends/qt/message_box.h"

#include <QMessageBox>
#include <QPushButton>

namespace qel::qt {

int showMessageBox(QWidget* owner, const QString& text, const QString& caption,
                   platform::MessageBoxButtons buttons, const QPixmap& picture) {
  QMessageBox box(owner);
  box.setIcon(QMessageBox::NoIcon);
  if (!picture.isNull()) box.setIconPixmap(picture);
  box.setWindowTitle(caption);
  box.setTextFormat(Qt::PlainText);  // paths and names are shown as they are
  box.setText(text);
  if (buttons == platform::MessageBoxButtons::SaveDiscardCancel) {
    QPushButton* save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(QStringLiteral("保存しない"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) return platform::kIdYes;
    return box.clickedButton() == discard ? platform::kIdNo : platform::kIdCancel;
  }
  QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  QPushButton* cancel = nullptr;
  if (buttons == platform::MessageBoxButtons::OkCancel) {
    cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
  }
  box.setDefaultButton(ok);
  box.setEscapeButton(cancel != nullptr ? cancel : ok);
  box.exec();
  return cancel != nullptr && box.clickedButton() != ok ? platform::kIdCancel : platform::kIdOk;
}

}  // namespace qel::qt
