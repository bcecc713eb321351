#pragma once

#include <QWidget>
#include <functional>

#include "platform/ui.h"

class QPainter;

namespace qel::qt {

// Places each text by the top-left corner of its line, like TextOutW: the line box of the
// text (tall enough for every font it uses, fallbacks included) starts at (x, y).
class PainterTextSink final : public platform::TextSink {
 public:
  explicit PainterTextSink(QPainter& painter) : painter_(painter) {}
  void textOut(int x, int y, std::u16string_view text) override;
  void pathOut(int x, int y, std::u16string_view path) override;

 private:
  QPainter& painter_;
};

// The main window's client area: erased to the window colour, then painted by the program.
class StatusView final : public QWidget {
 public:
  using Paint = std::function<void(platform::TextSink&)>;
  StatusView(Paint paint, QWidget* parent);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Paint paint_;
};

}  // namespace qel::qt
