#pragma once

#include <QPlainTextEdit>
#include <QString>

#include "dialogs/field_rule.h"

namespace qel::qt {

// A multi-line edit field as a Windows dialog has it: the text is exchanged with the line
// breaks it came with (CR LF for a text without any), lines are not wrapped, Tab moves the
// focus, Enter presses the default button (Ctrl+Enter starts a new line), and the user's
// changes follow the field rule of the dialogs, a line break counting as the units of its
// form. A text set from outside is shown whole even when it is longer.
class MultiLineEdit final : public QPlainTextEdit {
  Q_OBJECT

 public:
  MultiLineEdit(const FieldRule& rule, QWidget* parent);

  void setWindowsText(const QString& text);
  QString windowsText() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void followFieldRule();
  QString windowsForm(const QString& plain) const;

  FieldRule rule_;
  QString lineBreak_ = QStringLiteral("\r\n");
  QString accepted_;
  bool restoring_ = false;
};

}  // namespace qel::qt
