#pragma once

#include <QFontMetrics>
#include <QString>

namespace qel::qt {

// path shortened to width pixels in metrics' font, as Windows shortens a path: an ellipsis
// in place of the middle of its folders, its file name whole while it fits by itself.
QString elidedPath(const QString& path, const QFontMetrics& metrics, int width);

}  // namespace qel::qt
