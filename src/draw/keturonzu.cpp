#include "draw/figure.h"

#include "model/checked16.h"

#include <cmath>

namespace godo {

namespace {
// Half of a checked 16-bit sum, kept to the half twip.
double half(int16_t a, int16_t b) { return static_cast<double>(add16(a, b)) / 2.0; }
float f(double v) { return toSingle(v); }
} // namespace

void Figure::keturonzu(const int16_t& iro)
{
    const Rgb c = scheme_->fixed(iro, kLightRed);

    switch (s_.nKeturon) {
    case 1: // ＡＰ＝ＢＱ: a ring through the midpoint of each segment
        g_.circle(f(half(s_.Px, s_.Ax) - 50.0), f(s_.Yl), 50, c);
        g_.circle(f(half(s_.Qx, s_.Bx) - 50.0), f(s_.Ym), 50, c);
        break;

    case 2: // ＰＭ＝ＱＭ: a double ring at the midpoint of each segment
        g_.circle(f(half(s_.Px, s_.Mx)), f(half(s_.Yl, s_.My)), 100, c);
        g_.circle(f(half(s_.Px, s_.Mx)), f(half(s_.Yl, s_.My)), 50, c);
        g_.circle(f(half(s_.Qx, s_.Mx)), f(half(s_.Ym, s_.My)), 100, c);
        g_.circle(f(half(s_.Qx, s_.Mx)), f(half(s_.Ym, s_.My)), 50, c);
        break;

    case 3: { // ∠APM＝∠BQM: a filled dot inside each angle
        g_.setFillStyle(FillStyle::Solid);
        g_.setFillColor(c);
        const double halfTurn = toRadiansF(180, s_.dToR);

        // Half the acute angle between ｌ and ｎ, measured from the side of Ａ;
        // the dot moves out from Ｐ as that angle narrows.
        double phiP = s_.Mx == s_.Px
            ? toRadiansF(45, s_.dToR)
            : std::atan(divide(sub16(s_.My, s_.Yl), abs16(sub16(s_.Mx, s_.Px)))) / 2.0;
        if (s_.Px > s_.Ax)
            phiP = halfTurn - phiP;
        const double rP = abs16(sub16(s_.Mx, s_.Px)) / 10.0 + 50.0;
        g_.circle(f(s_.Px + rP * std::cos(phiP)), f(s_.Yl + rP * std::sin(phiP)), 30, c);

        // The same at Ｑ, turned through a half turn.
        double phiQ = s_.Mx == s_.Qx
            ? toRadiansF(45, s_.dToR)
            : std::atan(divide(neg16(sub16(s_.My, s_.Ym)), abs16(sub16(s_.Mx, s_.Qx)))) / 2.0;
        if (s_.Qx < s_.Bx)
            phiQ = halfTurn - phiQ;
        const double rQ = abs16(sub16(s_.Mx, s_.Qx)) / 10.0 + 50.0;
        g_.circle(f(s_.Qx + rQ * std::cos(phiQ + halfTurn)),
                  f(s_.Ym + rQ * std::sin(phiQ + halfTurn)), 30, c);

        g_.setFillStyle(FillStyle::Transparent);
        break;
    }

    default: // no conclusion, or none that the list offers
        break;
    }
}

} // namespace godo
