#include "frontends/qt/limited_line_edit.h"

#include <QValidator>

#include "dialogs/unsigned_field.h"

namespace qel::qt {

// Judges each change the user makes against the text before it: a change that makes a text
// longer than the limit (and longer than it was) is undone whole.
class LimitedLineEdit::TypingRule final : public QValidator {
 public:
  TypingRule(int maxUnits, bool digitsOnly, QObject* parent)
      : QValidator(parent), maxUnits_(maxUnits), digitsOnly_(digitsOnly) {}

  State validate(QString& input, int&) const override {
    if (programSetsText) return Acceptable;
    if (digitsOnly_) {
      for (QChar& c : input) {
        c = QChar(asciiFormOf(c.unicode()));
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return Invalid;
      }
    }
    const bool grows = input.size() > maxUnits_ && input.size() > before.size();
    return maxUnits_ > 0 && grows ? Invalid : Acceptable;
  }

  QString before;  // the text as it stood after the last change
  bool programSetsText = false;

 private:
  int maxUnits_;
  bool digitsOnly_;
};

LimitedLineEdit::LimitedLineEdit(int maxUnits, bool digitsOnly, QWidget* parent)
    : QLineEdit(parent), rule_(new TypingRule(maxUnits, digitsOnly, this)) {
  setValidator(rule_);
  connect(this, &QLineEdit::textChanged, this,
          [this](const QString& text) { rule_->before = text; });
}

void LimitedLineEdit::setProgramText(const QString& text) {
  rule_->programSetsText = true;
  setText(text);
  rule_->programSetsText = false;
}

}  // namespace qel::qt
