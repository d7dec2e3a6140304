#include "draw/figure.h"

namespace godo {

void Figure::sankakuzu(const int16_t& iro)
{
    const auto f = [](int16_t v) { return static_cast<float>(v); };

    // △ＡＰＭ: Ａ → Ｐ → Ｍ → Ａ.
    g_.line(f(s_.Ax), f(s_.Yl), f(s_.Px), f(s_.Yl), scheme_->fixed(iro, kLightBlue));
    g_.lineTo(f(s_.Mx), f(s_.My), scheme_->fixed(iro, kLightBlue));
    g_.lineTo(f(s_.Ax), f(s_.Yl), scheme_->fixed(iro, kLightBlue));

    // △ＢＱＭ: Ｂ → Ｑ → Ｍ → Ｂ, drawn second so it lies on top at Ｍ.
    g_.line(f(s_.Bx), f(s_.Ym), f(s_.Qx), f(s_.Ym), scheme_->fixed(iro, kLightGreen));
    g_.lineTo(f(s_.Mx), f(s_.My), scheme_->fixed(iro, kLightGreen));
    g_.lineTo(f(s_.Bx), f(s_.Ym), scheme_->fixed(iro, kLightGreen));
}

} // namespace godo
