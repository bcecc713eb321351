#include "frontends/qt/elided_path.h"

#include <algorithm>

namespace qel::qt {

QString elidedPath(const QString& path, const QFontMetrics& metrics, int width) {
  if (metrics.horizontalAdvance(path) <= width) return path;
  const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
  const QString name = path.mid(slash + 1);
  const int nameWidth = metrics.horizontalAdvance(name);
  const QString ellipsis(QChar(0x2026));
  if (slash < 0 || nameWidth + metrics.horizontalAdvance(ellipsis) > width) {
    return metrics.elidedText(path, Qt::ElideMiddle, width);
  }
  // Widths are rounded apart and together: a pixel more may be needed for the whole.
  for (int room = width - nameWidth;; --room) {
    QString folders = metrics.elidedText(path.left(slash + 1), Qt::ElideMiddle, room);
    if (folders.isEmpty()) folders = ellipsis;
    if (metrics.horizontalAdvance(folders + name) <= width || folders == ellipsis) {
      return folders + name;
    }
  }
}

}  // namespace qel::qt
