#pragma once

// Paints the legend picture from its layout.

#include <QImage>
#include <QString>

#include "qt/legend/legend_layout.h"

namespace tarvolenka::legend {

// Paints the whole legend into `out` (kWidth x kHeight, at device pixel ratio `ratio`). Returns
// false, naming the problem in `error`, if a symbol picture cannot be read from `pictureDir`.
bool PaintLegend(const LegendLayout& layout, const QString& fontFamily, const QString& pictureDir,
                 QImage& out, QString& error, qreal ratio = 1);

}  // namespace tarvolenka::legend
