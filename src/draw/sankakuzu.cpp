#include "draw/figure.h"

namespace godo {

void Figure::sankakuzu(const int16_t& iro)
{
    const auto f = [](int16_t v) { return static_cast<float>(v); };

    // △ＡＰＭ: Ａ → Ｐ → Ｍ → Ａ.
    g_.line(f(s_.Ax), f(s_.Yl), f(s_.Px), f(s_.Yl), fixedColour(iro, kLightBlue));
    g_.lineTo(f(s_.Mx), f(s_.My), fixedColour(iro, kLightBlue));
    g_.lineTo(f(s_.Ax), f(s_.Yl), fixedColour(iro, kLightBlue));

    // △ＢＱＭ: Ｂ → Ｑ → Ｍ → Ｂ, drawn second so it lies on top at Ｍ.
    g_.line(f(s_.Bx), f(s_.Ym), f(s_.Qx), f(s_.Ym), fixedColour(iro, kLightGreen));
    g_.lineTo(f(s_.Mx), f(s_.My), fixedColour(iro, kLightGreen));
    g_.lineTo(f(s_.Bx), f(s_.Ym), fixedColour(iro, kLightGreen));
}

} // namespace godo
