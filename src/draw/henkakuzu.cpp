#include "draw/figure.h"

#include "model/checked16.h"

#include <cmath>

namespace godo {

void Figure::henkakuzu(const int16_t& iro)
{
    const auto f = [](int16_t v) { return static_cast<float>(v); };
    const Rgb c = scheme_->pen(iro);

    // Filled dots in the alternate angles ∠PAM and ∠QBM. Once Ｐ has passed Ａ
    // the angle at Ａ opens to the right, and the dot follows it.
    g_.setFillStyle(FillStyle::Solid);
    g_.setFillColor(c);
    if (s_.Px > s_.Ax) {
        g_.circle(f(add16(s_.Ax, 50)), f(add16(s_.Yl, 100)), 50, c);
        g_.circle(f(sub16(s_.Bx, 50)), f(sub16(s_.Ym, 100)), 50, c);
    } else {
        g_.circle(f(sub16(s_.Ax, 150)), f(add16(s_.Yl, 100)), 50, c);
        g_.circle(f(add16(s_.Bx, 150)), f(sub16(s_.Ym, 100)), 50, c);
    }
    g_.setFillStyle(FillStyle::Transparent);

    // Rings on the bisectors of the vertical angles at Ｍ. α and β are the
    // angles of ＭＡ and ＭＰ from the upward vertical through Ｍ.
    const double height = sub16(s_.My, s_.Yl);
    const double alpha = std::atan(divide(sub16(s_.Ax, s_.Mx), height));
    const double beta = std::atan(divide(abs16(sub16(s_.Px, s_.Mx)), height));
    const double kappa = toRadiansF(s_.kakudo, s_.dToR);

    // Left of Ｍ (or straight above it) β is measured one way, right of Ｍ the
    // other; the second form holds for every Ｐ right of Ｍ, also between Ｍ
    // and Ａ, where testing against Ａ instead would push the rings out of
    // their angles.
    double theta = s_.Px <= s_.Mx ? (alpha + beta) / 2.0 + kappa
                                  : kappa - (beta - alpha) / 2.0;

    g_.circle(toSingle(s_.Mx + 200.0 * std::cos(theta)), toSingle(s_.My + 200.0 * std::sin(theta)), 50,
              c);
    theta = theta + toRadiansF(180, s_.dToR);
    g_.circle(toSingle(s_.Mx + 200.0 * std::cos(theta)), toSingle(s_.My + 200.0 * std::sin(theta)), 50,
              c);
}

} // namespace godo
