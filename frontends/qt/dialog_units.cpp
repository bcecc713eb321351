#include "frontends/qt/dialog_units.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <cmath>

namespace qel::qt {
namespace {

// MulDiv: the product over the divisor, rounded half away from zero.
int mulDiv(int value, int numerator, int denominator) {
  return static_cast<int>(
      std::lround(static_cast<double>(value) * numerator / static_cast<double>(denominator)));
}

int averageCharWidthOf(const QFontMetrics& metrics) {
  // The width of the 52 letters, halved twice with rounding as Windows does it.
  const int width = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return (width / 26 + 1) / 2;
}

}  // namespace

// The height is rounded up so that a control one line high holds a line laid out by Qt.
DialogUnits::DialogUnits(const QFont& font)
    : baseX_(averageCharWidthOf(QFontMetrics(font))),
      baseY_(static_cast<int>(std::ceil(QFontMetricsF(font).height()))) {}

int DialogUnits::toPixelsX(int units) const {
  return mulDiv(units, baseX_, 4);
}
int DialogUnits::toPixelsY(int units) const {
  return mulDiv(units, baseY_, 8);
}

QRect DialogUnits::toPixels(int x, int y, int width, int height) const {
  return QRect(toPixelsX(x), toPixelsY(y), toPixelsX(width), toPixelsY(height));
}

QSize DialogUnits::toPixels(int width, int height) const {
  return QSize(toPixelsX(width), toPixelsY(height));
}

}  // namespace qel::qt
