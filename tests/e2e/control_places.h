#pragma once
// Where the lesson window's controls stand, in twips from the top-left corner
// of its client area (15 twips to a pixel at 96 dpi).

#include <QPoint>
#include <QRect>

namespace e2e {

struct Place {
    const char* name;
    int left, top, width, height;
};

namespace places {
inline constexpr Place Command1{"Command1", 9240, 5760, 1815, 375};
inline constexpr Place keturon{"keturon", 9240, 2520, 1812, 330};
inline constexpr Place godo{"godo", 9240, 4320, 1812, 372};
inline constexpr Place henkaku{"henkaku", 9240, 3720, 1812, 372};
inline constexpr Place sankaku{"sankaku", 9240, 3120, 1812, 372};
inline constexpr Place katei{"katei", 9240, 360, 1812, 372};
inline constexpr Place owari{"owari", 9240, 7200, 1815, 375};
inline constexpr Place saisyo{"saisyo", 9240, 6480, 1815, 375};
inline constexpr Place migi{"migi", 10200, 1440, 852, 372};
inline constexpr Place hidari{"hidari", 9240, 1440, 852, 372};
inline constexpr Place gamen{"gamen", 120, 240, 8805, 7485};
inline constexpr Place Label1{"Label1", 9120, 2160, 1935, 375};
inline constexpr Place Label3{"Label3", 9120, 1080, 1950, 270};
} // namespace places

inline constexpr int kTwipsPerPixel = 15;

// The control's box in window pixels.
inline QRect pixelRect(const Place& p)
{
    return QRect(QPoint(p.left / kTwipsPerPixel, p.top / kTwipsPerPixel),
                 QPoint((p.left + p.width) / kTwipsPerPixel - 1, (p.top + p.height) / kTwipsPerPixel - 1));
}

// The middle of the control, in window pixels.
inline QPoint centre(const Place& p)
{
    return QPoint((p.left + p.width / 2) / kTwipsPerPixel, (p.top + p.height / 2) / kTwipsPerPixel);
}

} // namespace e2e
