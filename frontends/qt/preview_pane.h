#pragma once

#include <QWidget>
#include <functional>

#include "platform/ui.h"

class QPainter;

namespace qel::qt {

// Draws the pane's pictures with a painter, and its texts as the status view does.
class PainterPaneSink final : public platform::PaneSink {
 public:
  explicit PainterPaneSink(QPainter& painter) : painter_(painter) {}
  void textOut(int x, int y, std::u16string_view text) override;
  void drawPicture(int x, int y, const platform::RgbaPixels& picture) override;

 private:
  QPainter& painter_;
};

// The preview pane on the status view: painted by the program over the view's background,
// and handing it the drags of the left, right and middle buttons and the wheel.
class PreviewPaneView final : public QWidget {
 public:
  using Paint = std::function<void(platform::PaneSink&)>;
  using Mouse = std::function<bool(const platform::PaneMouse&)>;
  PreviewPaneView(Paint paint, Mouse mouse, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void send(platform::PaneMouse::Kind kind, QPointF at, int wheelDelta = 0,
            platform::PaneMouse::Button button = platform::PaneMouse::Button::Left);

  Paint paint_;
  Mouse mouse_;
};

}  // namespace qel::qt
