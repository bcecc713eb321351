#include "frontends/qt/multi_line_edit.h"

#include <QKeyEvent>
#include <QRegularExpression>

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

}  // namespace

qsizetype MultiLineEdit::windowsLength(const QString& text) const {
  return text.size() + text.count(QLatin1Char('\n')) * (lineBreak_.size() - 1);
}

MultiLineEdit::MultiLineEdit(int maxUnits, QWidget* parent)
    : QPlainTextEdit(parent), maxUnits_(maxUnits) {
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setWordWrapMode(QTextOption::NoWrap);
  setTabChangesFocus(true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(this, &QPlainTextEdit::textChanged, this, &MultiLineEdit::refuseGrowthBeyondLimit);
}

void MultiLineEdit::setWindowsText(const QString& text) {
  lineBreak_ = lineBreakOf(text);
  QString plain = text;
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  restoring_ = true;
  setPlainText(plain);
  restoring_ = false;
  accepted_ = plain;
  acceptedCursor_ = 0;
}

QString MultiLineEdit::windowsText() const {
  QString text = toPlainText();
  text.replace(QLatin1Char('\n'), lineBreak_);
  return text;
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

void MultiLineEdit::refuseGrowthBeyondLimit() {
  if (restoring_) return;
  const QString text = toPlainText();
  if (maxUnits_ > 0 && windowsLength(text) > maxUnits_ &&
      windowsLength(text) > windowsLength(accepted_)) {
    restoring_ = true;
    setPlainText(accepted_);
    QTextCursor cursor = textCursor();
    cursor.setPosition(qMin(acceptedCursor_, static_cast<int>(accepted_.size())));
    setTextCursor(cursor);
    restoring_ = false;
    return;
  }
  accepted_ = text;
  acceptedCursor_ = textCursor().position();
}

}  // namespace qel::qt
