#pragma once

#include <QLineEdit>
#include <QString>

#include "dialogs/field_rule.h"

namespace qel::qt {

// A one-line edit field that takes the user's changes by the field rule of the dialogs; a
// text the program sets is shown whole even when it is longer.
class LimitedLineEdit final : public QLineEdit {
  Q_OBJECT

 public:
  LimitedLineEdit(const FieldRule& rule, QWidget* parent);

  void setProgramText(const QString& text);

 private:
  class TypingRule;
  TypingRule* rule_;
};

}  // namespace qel::qt
