#include "frontends/qt/message_box.h"

#include <QMessageBox>
#include <QPushButton>

#include "frontends/qt/qt_text.h"
#include "resources/shell_texts.h"

namespace qel::qt {

int showMessageBox(QWidget* owner, const QString& text, const QString& caption,
                   platform::MessageBoxButtons buttons, const QPixmap& picture) {
  QMessageBox box(owner);
  box.setIcon(QMessageBox::NoIcon);
  if (!picture.isNull()) box.setIconPixmap(picture);
  box.setWindowTitle(caption);
  box.setTextFormat(Qt::PlainText);  // paths and names are shown as they are
  box.setText(text);
  QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  QPushButton* cancel = nullptr;
  if (buttons == platform::MessageBoxButtons::OkCancel) {
    cancel = box.addButton(toQString(resources::kCancelButton), QMessageBox::RejectRole);
  }
  box.setDefaultButton(ok);
  box.setEscapeButton(cancel != nullptr ? cancel : ok);
  box.exec();
  return cancel != nullptr && box.clickedButton() != ok ? platform::kIdCancel : platform::kIdOk;
}

int showChoiceBox(QWidget* owner, const QString& text, const QString& caption,
                  const QStringList& buttons) {
  QMessageBox box(owner);
  box.setIcon(QMessageBox::NoIcon);
  box.setWindowTitle(caption);
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  QList<QAbstractButton*> pressed;
  for (const QString& label : buttons) {
    pressed.push_back(box.addButton(label, pressed.size() + 1 == buttons.size()
                                               ? QMessageBox::RejectRole
                                               : QMessageBox::AcceptRole));
  }
  if (pressed.isEmpty()) return -1;
  box.setDefaultButton(static_cast<QPushButton*>(pressed.front()));
  box.setEscapeButton(pressed.back());
  box.exec();
  const qsizetype index = pressed.indexOf(box.clickedButton());
  return static_cast<int>(index < 0 ? pressed.size() - 1 : index);
}

}  // namespace qel::qt
