#pragma once
// Looks at the figure as a pupil sees it: finds the inside of the picture
// area in a screenshot of the window (the cyan region) and answers questions
// about colours at points given in the figure's twips.

#include "qt_colours.h"

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QRgb>

namespace godo::test {

// The figure's colours, said once for every suite (core/figure_expectations.h).
namespace colours {
inline const QRgb cyan = qt::kCyan.rgb();     // the background of the figure
inline const QRgb white = qt::kWhite.rgb();   // the pen
inline const QRgb red = qt::kRed.rgb();       // line ｎ and the conclusion marks
inline const QRgb yellow = qt::kYellow.rgb(); // the hypothesis marks
inline const QRgb blue = qt::kBlue.rgb();     // △ＡＰＭ
inline const QRgb green = qt::kGreen.rgb();   // △ＢＱＭ
} // namespace colours

// Antialiasing blends the edges of lines and circles; the middle of a 3-px
// line keeps its colour. This is how far a pixel may stray and still count.
bool sameColour(QRgb a, QRgb b);

class Picture {
public:
    // window: a screenshot of the whole window.
    explicit Picture(const QImage& window);

    // The inside of the picture area in window pixels; empty when the window
    // shows no cyan at all.
    QRect inside() const { return inside_; }
    QImage image() const { return window_.copy(inside_); }

    // The pixel that holds the point, in window pixels.
    QPoint pixelOf(QPointF twips) const;
    bool contains(QPointF twips) const;

    // Whether a pixel of the colour lies within `radius` pixels of the point.
    bool hasNear(QPointF twips, QRgb colour, int radius) const;
    // How many pixels of the colour lie in the box.
    int count(const QRectF& twips, QRgb colour) const;
    // The smallest box (window pixels) holding every pixel of the colour in
    // the given box; empty when there is none.
    QRect extent(const QRectF& twips, QRgb colour) const;

private:
    QRect pixelBox(const QRectF& twips) const;

    QImage window_;
    QRect inside_;
};

} // namespace godo::test
