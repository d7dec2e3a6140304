#include "draw/figure.h"

#include "model/checked16.h"

#include <cmath>

namespace godo {

namespace {
float f(int16_t v) { return static_cast<float>(v); }
float f(double v) { return toSingle(v); }
} // namespace

void applyLoadSettings(Surface& surface, const ColourScheme& scheme)
{
    surface.setBackColor(scheme.pen(kBackground));
    surface.setDrawWidth(3);
    surface.setFontSize(kFigurePoints);
}

void Figure::text(float x, float y, std::u16string_view t)
{
    g_.setCurrentPoint(x, y);
    g_.printText(t);
}

void Figure::zukei(const int16_t& iro)
{
    g_.clear();
    g_.setForeColor(scheme_->pen(iro));

    text(100, f(sub16(s_.Yl, 300)), u"ｌ");
    text(100, f(sub16(s_.Ym, 300)), u"ｍ");
    text(f(add16(s_.Mx, 100)), f(sub16(s_.My, 150)), u"Ｍ");
    text(f(sub16(s_.Ax, 100)), f(sub16(s_.Yl, 300)), u"Ａ");
    text(f(sub16(s_.Bx, 100)), f(s_.Ym), u"Ｂ");

    g_.line(0, f(s_.Yl), 8800, f(s_.Yl), scheme_->pen(iro));
    g_.line(0, f(s_.Ym), 8800, f(s_.Ym), scheme_->pen(iro));
    g_.line(f(s_.Ax), f(s_.Yl), f(s_.Bx), f(s_.Ym), scheme_->pen(iro));

    // Line ｎ, 6000 twips from Ｍ each way. With dToR = 3.14/180 the "half
    // turn" is 3.14 rad, so the two ends are not quite opposite about Ｍ.
    const double r1 = toRadians(s_.kakudo, s_.dToR);
    const double r2 = toRadians(add16(s_.kakudo, 180), s_.dToR);
    const double x1 = 6000.0 * std::cos(r1) + s_.Mx;
    const double y1 = 6000.0 * std::sin(r1) + s_.My;
    const double x2 = 6000.0 * std::cos(r2) + s_.Mx;
    const double y2 = 6000.0 * std::sin(r2) + s_.My;
    g_.line(f(x1), f(y1), f(x2), f(y2), scheme_->fixed(iro, kLightRed));

    // The label ｎ is white in every pass, the one element the erase pen does
    // not paint over; the draw pass that follows clears it away.
    const double r3 = toRadians(add16(s_.kakudo, 185), s_.dToR);
    const double xn = 4200.0 * std::cos(r3) + s_.Mx;
    const double yn = 3800.0 * std::sin(r3) + s_.My;
    g_.setCurrentPoint(f(xn - 100.0), f(yn - 200.0));
    g_.setForeColor(scheme_->pen(kBrightWhite));
    g_.printText(u"ｎ");

    // Parallel to ｌ and ｍ: no Ｐ and Ｑ, and nothing that needs them.
    if (nCrossesLAndM(s_)) {
        g_.setForeColor(scheme_->pen(iro));

        s_.Qx = intersectionX(s_, s_.Ym);
        int16_t qx = add16(s_.Qx, 100);
        if (s_.Qx > 3000)
            qx = add16(qx, 100);
        if (s_.Qx < s_.Bx)
            qx = sub16(qx, 500);
        text(f(qx), f(s_.Ym), u"Ｑ");

        s_.Px = intersectionX(s_, s_.Yl);
        int16_t px = sub16(s_.Px, 300);
        if (s_.Px < 1500)
            px = sub16(px, 100);
        if (s_.Px > s_.Ax)
            px = add16(px, 500);
        text(f(px), f(sub16(s_.Yl, 300)), u"Ｐ");

        if (s_.nKeturon != 0)
            keturonzu(iro);
        if (s_.fSankaku == 1)
            sankakuzu(iro);
        if (s_.fHenkaku == 1)
            henkakuzu(iro);
    }

    if (s_.fKatei == 1)
        kateizu(iro);
    if (s_.fGodo == 1)
        godozu(iro);
}

} // namespace godo
