#include "picture_probe.h"

#include "../colour_tolerance.h"
#include "control_places.h"

#include <cmath>

namespace godo::test {

bool sameColour(QRgb a, QRgb b) { return godo::test::withinTolerance(a, b, 40); }

Picture::Picture(const QImage& window) : window_(window.convertToFormat(QImage::Format_RGB32))
{
    // Nothing but the figure is cyan, and the background shows in every row
    // and column of it: the box around the cyan pixels is the inside.
    int left = window_.width(), top = window_.height(), right = -1, bottom = -1;
    for (int y = 0; y < window_.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(window_.constScanLine(y));
        for (int x = 0; x < window_.width(); ++x) {
            if ((row[x] | 0xff000000) != colours::cyan)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right >= 0)
        inside_ = QRect(QPoint(left, top), QPoint(right, bottom));
}

QPoint Picture::pixelOf(QPointF twips) const
{
    return inside_.topLeft() + QPoint(static_cast<int>(std::floor(twips.x() / kTwipsPerPixel)),
                                      static_cast<int>(std::floor(twips.y() / kTwipsPerPixel)));
}

bool Picture::contains(QPointF twips) const { return inside_.contains(pixelOf(twips)); }

bool Picture::hasNear(QPointF twips, QRgb colour, int radius) const
{
    const QPoint c = pixelOf(twips);
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p = c + QPoint(dx, dy);
            if (dx * dx + dy * dy <= radius * radius && inside_.contains(p)
                && sameColour(window_.pixel(p), colour))
                return true;
        }
    return false;
}

QRect Picture::pixelBox(const QRectF& twips) const
{
    return QRect(pixelOf(twips.topLeft()), pixelOf(twips.bottomRight())).intersected(inside_);
}

int Picture::count(const QRectF& twips, QRgb colour) const
{
    const QRect box = pixelBox(twips);
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            n += sameColour(window_.pixel(x, y), colour) ? 1 : 0;
    return n;
}

QRect Picture::extent(const QRectF& twips, QRgb colour) const
{
    const QRect box = pixelBox(twips);
    QRect found;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (sameColour(window_.pixel(x, y), colour))
                found |= QRect(x, y, 1, 1);
    return found;
}

} // namespace godo::test
