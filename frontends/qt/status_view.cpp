#include "frontends/qt/status_view.h"

#include <QPainter>

#include "app/status_view.h"
#include "frontends/qt/elided_path.h"
#include "frontends/qt/qt_text.h"

namespace qel::qt {
namespace {

constexpr int kUnbounded = 1 << 20;

}  // namespace

void PainterTextSink::textOut(int x, int y, std::u16string_view text) {
  painter_.drawText(
      QRect(x, y, kUnbounded, kUnbounded),
      Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
      toQString(text));
}

void PainterTextSink::pathOut(int x, int y, std::u16string_view path) {
  const int room = painter_.device()->width() - x;
  const QString shown = elidedPath(toQString(path), painter_.fontMetrics(), room);
  textOut(x, y, toU16(shown));
}

StatusView::StatusView(Paint paint, QWidget* parent) : QWidget(parent), paint_(std::move(paint)) {
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  setForegroundRole(QPalette::Text);
}

QSize StatusView::sizeHint() const {
  return QSize(kStatusViewWidth, kStatusViewHeight);
}

void StatusView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Positions count from the left whatever the layout direction: right-to-left would throw
  // each line's box, and its text, off the right edge.
  painter.setLayoutDirection(Qt::LeftToRight);
  painter.setPen(palette().color(QPalette::Text));
  painter.setFont(font());
  PainterTextSink sink(painter);
  paint_(sink);
}

}  // namespace qel::qt
