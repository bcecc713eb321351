#include "frontends/qt/preview_pane.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <optional>

#include "frontends/qt/status_view.h"

namespace qel::qt {

void PainterPaneSink::textOut(int x, int y, std::u16string_view text) {
  PainterTextSink(painter_).textOut(x, y, text);
}

void PainterPaneSink::drawPicture(int x, int y, const platform::RgbaPixels& picture) {
  // The image only borrows the pixels for this call.
  const QImage image(picture.bytes.data(), picture.width, picture.height, picture.width * 4,
                     QImage::Format_RGBA8888);
  painter_.drawImage(QPoint(x, y), image);
}

PreviewPaneView::PreviewPaneView(Paint paint, Mouse mouse, QWidget* parent)
    : QWidget(parent), paint_(std::move(paint)), mouse_(std::move(mouse)) {
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  setForegroundRole(QPalette::Text);
}

void PreviewPaneView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Text));
  painter.setFont(font());
  PainterPaneSink sink(painter);
  paint_(sink);
}

namespace {

constexpr Qt::MouseButtons kDragButtons = Qt::LeftButton | Qt::RightButton | Qt::MiddleButton;

std::optional<platform::PaneMouse::Button> paneButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return platform::PaneMouse::Button::Left;
    case Qt::RightButton:
      return platform::PaneMouse::Button::Right;
    case Qt::MiddleButton:
      return platform::PaneMouse::Button::Middle;
    default:
      return std::nullopt;
  }
}

}  // namespace

void PreviewPaneView::send(platform::PaneMouse::Kind kind, QPointF at, int wheelDelta,
                           platform::PaneMouse::Button button) {
  const QPoint point = at.toPoint();
  if (mouse_({kind, button, point.x(), point.y(), wheelDelta})) update();
}

void PreviewPaneView::mousePressEvent(QMouseEvent* event) {
  // One drag at a time: a second button pressed during it is left alone.
  const auto button = paneButton(event->button());
  if (button && (event->buttons() & kDragButtons) == event->button()) {
    send(platform::PaneMouse::Kind::Press, event->position(), 0, *button);
  }
}

void PreviewPaneView::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & kDragButtons) send(platform::PaneMouse::Kind::Move, event->position());
}

void PreviewPaneView::mouseReleaseEvent(QMouseEvent* event) {
  if (paneButton(event->button()) && !(event->buttons() & kDragButtons)) {
    send(platform::PaneMouse::Kind::Release, event->position());
  }
}

void PreviewPaneView::wheelEvent(QWheelEvent* event) {
  send(platform::PaneMouse::Kind::Wheel, event->position(), event->angleDelta().y());
}

}  // namespace qel::qt
