#pragma once
// Where the lesson window's controls stand, in twips from the top-left corner
// of its client area: the window's layout, read, for clicking and looking.

#include "lesson/layout.h"

#include <QPoint>
#include <QRect>

namespace godo::test {

struct Place {
    const char* name;
    int left, top, width, height;
};

// A control's place as the window's layout gives it.
inline Place placeOf(Control c)
{
    const ControlLayout& l = windowLayout()[c];
    return {l.name.data(), l.rect.left, l.rect.top, l.rect.width, l.rect.height};
}

namespace places {
inline const Place Command1 = placeOf(Control::Command1);
inline const Place keturon = placeOf(Control::keturon);
inline const Place godo = placeOf(Control::godo);
inline const Place henkaku = placeOf(Control::henkaku);
inline const Place sankaku = placeOf(Control::sankaku);
inline const Place katei = placeOf(Control::katei);
inline const Place owari = placeOf(Control::owari);
inline const Place saisyo = placeOf(Control::saisyo);
inline const Place migi = placeOf(Control::migi);
inline const Place hidari = placeOf(Control::hidari);
inline const Place gamen = placeOf(Control::gamen);
inline const Place Label1 = placeOf(Control::Label1);
inline const Place Label3 = placeOf(Control::Label3);
} // namespace places

// The control's box in window pixels, each edge rounded as the window's own.
inline QRect pixelRect(const Place& p)
{
    return QRect(QPoint(twipsToPixels(p.left), twipsToPixels(p.top)),
                 QPoint(twipsToPixels(p.left + p.width) - 1, twipsToPixels(p.top + p.height) - 1));
}

// The middle of the control, in window pixels.
inline QPoint centre(const Place& p) { return pixelRect(p).center(); }

} // namespace godo::test
