#include "frontends/qt/limited_line_edit.h"

#include <QValidator>

#include "frontends/qt/qt_text.h"

namespace qel::qt {

// Hands each change the user makes, with the text before it, to the field rule.
class LimitedLineEdit::TypingRule final : public QValidator {
 public:
  TypingRule(const FieldRule& rule, QObject* parent) : QValidator(parent), rule_(rule) {}

  State validate(QString& input, int& cursor) const override {
    if (programSetsText) return Acceptable;
    const FieldEdit edit = acceptEdit(rule_, toU16(before), toU16(input));
    if (toU16(input) != edit.text) {
      input = toQString(edit.text);
      cursor = static_cast<int>(edit.cursor);
    }
    return Acceptable;
  }

  QString before;  // the text as it stood after the last change
  bool programSetsText = false;

 private:
  FieldRule rule_;
};

LimitedLineEdit::LimitedLineEdit(const FieldRule& rule, QWidget* parent)
    : QLineEdit(parent), rule_(new TypingRule(rule, this)) {
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
