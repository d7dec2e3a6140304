#pragma once
// The picture area's drawing operations replayed onto a QPainter. Twips
// become logical pixels (15 to a pixel) and the painter's own transform does
// the rest, so one list gives the screen's pixels at any device pixel ratio
// and, on a PDF or a QPicture, vectors and text at any resolution.

#include "draw/display_list.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>

#include <vector>

class QPainter;

namespace godo {

// Paints `ops` with the painter as it is set up; `area` is the inside of the
// picture area in logical pixels, which a Clear fills. `font` gives the face;
// each text brings its own size in points, meant at the resolution of the
// screen's images, whatever the painter's device is. Leaves the painter's
// state as it found it.
void paintFigure(QPainter& painter, const std::vector<DrawOp>& ops, const QFont& font, QSizeF area);

// The operations rasterised into an image of `size` logical pixels at the
// given device pixel ratio (white before the first Clear).
QImage renderFigure(const std::vector<DrawOp>& ops, QSize size, qreal devicePixelRatio, const QFont& font);

QColor toQColor(Rgb c);

} // namespace godo
