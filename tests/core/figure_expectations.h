#pragma once
// What the suites of the figure share, Qt-free: the colours of the pens the
// figure uses, by the names the tests give them (the palette's own values are
// checked where the schemes are), a state with every overlay switched on, the
// operations of one kind, and one pass of the redraw on the recording surface.

#include "draw/display_list.h"
#include "draw/figure.h"
#include "draw/palette.h"
#include "model/figure_state.h"

#include <cstdint>
#include <ostream>
#include <vector>

namespace godo {

// How GoogleTest shows a colour that differs.
inline void PrintTo(const Rgb& c, std::ostream* os)
{
    *os << "rgb(" << int(c.r) << ',' << int(c.g) << ',' << int(c.b) << ')';
}

} // namespace godo

namespace godo::test {

inline const Rgb kWhite = qbColor(kBrightWhite);
inline const Rgb kCyan = qbColor(kBackground); // the background, and the erase pen
inline const Rgb kRed = qbColor(kLightRed);
inline const Rgb kBlue = qbColor(kLightBlue);
inline const Rgb kGreen = qbColor(kLightGreen);
inline const Rgb kYellow = qbColor(kLightYellow);

// All four switches on and the conclusion chosen, as at the end of a lesson.
inline void everyOverlayOn(FigureState& s, int16_t conclusion)
{
    s.nKeturon = conclusion;
    s.fKatei = s.fSankaku = s.fHenkaku = s.fGodo = 1;
}

// The operations of one kind in a drawing, in order.
inline std::vector<DrawOp> opsOf(const DisplayList& list, OpKind kind)
{
    std::vector<DrawOp> out;
    for (const DrawOp& op : list.ops())
        if (op.kind == kind)
            out.push_back(op);
    return out;
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
