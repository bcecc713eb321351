#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace qel::qt {

// Dialog units of a font, as Windows defines them: a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its character height.
class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);
  DialogUnits(int averageCharWidth, int charHeight)
      : baseX_(averageCharWidth), baseY_(charHeight) {}

  int toPixelsX(int units) const;
  int toPixelsY(int units) const;
  QRect toPixels(int x, int y, int width, int height) const;
  QSize toPixels(int width, int height) const;

 private:
  int baseX_;
  int baseY_;
};

}  // namespace qel::qt
