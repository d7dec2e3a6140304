#pragma once

#include <QRect>

namespace godo {

// A rectangle given in twips, in logical pixels. Each edge is rounded on its
// own, so boxes that share an edge in twips share it in pixels too.
inline QRect twipsRect(int left, int top, int width, int height)
{
    const auto px = [](int twips) { return (twips * 2 + 15) / 30; }; // nearest, half up
    const int l = px(left), t = px(top);
    return QRect(l, t, px(left + width) - l, px(top + height) - t);
}

} // namespace godo
