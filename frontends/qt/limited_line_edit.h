#pragma once

#include <QLineEdit>
#include <QString>

namespace qel::qt {

// A one-line edit field as a Windows dialog has it: typing stops at maxUnits UTF-16 units (0:
// no limit), and a number field takes digits only. Unlike QLineEdit's own limit, a character
// that does not fit whole is not taken at all, and a text the program sets is shown whole
// even when it is longer: only what the user types is limited.
class LimitedLineEdit final : public QLineEdit {
  Q_OBJECT

 public:
  LimitedLineEdit(int maxUnits, bool digitsOnly, QWidget* parent);

  void setProgramText(const QString& text);

 private:
  class TypingRule;
  TypingRule* rule_;
};

}  // namespace qel::qt
