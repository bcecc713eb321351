#include "frontends/qt/multi_line_edit.h"

#include <QKeyEvent>
#include <QRegularExpression>

#include "frontends/qt/qt_text.h"

namespace qel::qt {
namespace {

// The line break of a text: the form of its first break (CR LF, LF or CR), CR LF when it has
// none. A text keeps that form, so a description written with LF breaks neither grows nor
// loses its last units when the dialog is confirmed.
QString lineBreakOf(const QString& text) {
  const qsizetype at = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
  if (at < 0) return QStringLiteral("\r\n");
  if (text[at] == QLatin1Char('\n')) return QStringLiteral("\n");
  return text.mid(at, 2) == QStringLiteral("\r\n") ? QStringLiteral("\r\n") : QStringLiteral("\r");
}

// The text with every line break as one LF, as the edit holds it.
QString plainForm(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

}  // namespace

QString MultiLineEdit::windowsForm(const QString& plain) const {
  QString text = plain;
  text.replace(QLatin1Char('\n'), lineBreak_);
  return text;
}

MultiLineEdit::MultiLineEdit(const FieldRule& rule, QWidget* parent)
    : QPlainTextEdit(parent), rule_(rule) {
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setWordWrapMode(QTextOption::NoWrap);
  setTabChangesFocus(true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(this, &QPlainTextEdit::textChanged, this, &MultiLineEdit::followFieldRule);
}

void MultiLineEdit::setWindowsText(const QString& text) {
  lineBreak_ = lineBreakOf(text);
  const QString plain = plainForm(text);
  restoring_ = true;
  setPlainText(plain);
  restoring_ = false;
  accepted_ = plain;
}

QString MultiLineEdit::windowsText() const {
  return windowsForm(toPlainText());
}

void MultiLineEdit::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & Qt::ControlModifier) == 0) {
    event->ignore();  // the dialog presses its default button
    return;
  }
  if (enter) {
    insertPlainText(QStringLiteral("\n"));
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void MultiLineEdit::followFieldRule() {
  if (restoring_) return;
  const QString text = toPlainText();
  const FieldEdit edit = acceptEdit(rule_, toU16(windowsForm(accepted_)), toU16(windowsForm(text)));
  const QString kept = plainForm(toQString(edit.text));
  if (kept != text) {
    restoring_ = true;
    setPlainText(kept);
    QTextCursor cursor = textCursor();
    cursor.setPosition(
        static_cast<int>(plainForm(toQString(edit.text.substr(0, edit.cursor))).size()));
    setTextCursor(cursor);
    restoring_ = false;
  }
  accepted_ = kept;
}

}  // namespace qel::qt
