#pragma once

// Paints the legend picture from its layout.

#include <QImage>
#include <QString>

#include "tools/legend/legend_layout.h"

namespace tarvolenka::legend {

// Paints the whole legend into `out` (kWidth x kHeight). Returns false, naming the problem in
// `error`, if a symbol picture cannot be read from `pictureDir`.
bool PaintLegend(const LegendLayout& layout, const QString& fontFamily, const QString& pictureDir,
                 QImage& out, QString& error);

}  // namespace tarvolenka::legend
