#pragma once
// What the suites of the figure share: the colours of the palette the figure
// uses, a state with every overlay switched on, and one pass of the redraw
// on the recording surface.

#include "draw/figure.h"
#include "model/figure_state.h"
#include "draw/display_list.h"

#include <QMetaType>

#include <cstdint>

Q_DECLARE_METATYPE(godo::Rgb)

namespace godo::test {

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kCyan{0, 128, 128}; // the background, and the erase pen
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kYellow{255, 255, 0};

// All four switches on and the conclusion chosen, as at the end of a lesson.
inline void everyOverlayOn(FigureState& s, int16_t conclusion)
{
    s.nKeturon = conclusion;
    s.fKatei = s.fSankaku = s.fHenkaku = s.fGodo = 1;
}

// One pass of the redraw over the state; the state keeps what the pass
// computes.
inline DisplayList redraw(FigureState& s, int16_t pen)
{
    DisplayList rec;
    Figure(rec, s).zukei(pen);
    return rec;
}

} // namespace godo::test
