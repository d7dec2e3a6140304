#include "draw/figure.h"

#include "model/checked16.h"

namespace godo {

namespace {
// The apex of an arrowhead: 50 twips right of the midpoint of the segment
// between two x's on the same line, kept to the half twip.
float apexX(int16_t a, int16_t b)
{
    return toSingle(static_cast<double>(add16(a, b)) / 2.0 + 50.0);
}
} // namespace

void Figure::kateizu(const int16_t& iro)
{
    const Rgb c = scheme_->fixed(iro, kLightYellow);

    // The ticks for ＡＭ＝ＢＭ stay put: Ａ, Ｂ and Ｍ never move.
    g_.line(5650, 2900, 5820, 3100, c);
    g_.line(3150, 4900, 3320, 5100, c);

    // A chevron on ｌ between Ａ and Ｐ and one on ｍ between Ｑ and Ｂ.
    g_.relativeLine(apexX(s_.Ax, s_.Px), 2000, 200, -100, c);
    g_.relativeLine(apexX(s_.Ax, s_.Px), 2000, 200, 100, c);
    g_.relativeLine(apexX(s_.Qx, s_.Bx), 6000, 200, -100, c);
    g_.relativeLine(apexX(s_.Qx, s_.Bx), 6000, 200, 100, c);
}

void Figure::godozu(const int16_t& iro)
{
    g_.setCurrentPoint(2000, 6700);
    g_.setForeColor(scheme_->pen(iro));
    g_.printText(kGodoSentence);
    if (ruby_.empty())
        return;
    // Each reading at half the size, centred over its run, its cell ending
    // where the sentence's begins; in the same pen, so that the erase pass
    // takes it away with the sentence.
    constexpr double kPoints = kFigurePoints, kRubyPoints = kPoints / 2;
    g_.setFontSize(kRubyPoints);
    for (const Ruby& r : ruby_) {
        const float x = 2000 + g_.textWidth(r.before, kPoints)
            + (g_.textWidth(r.base, kPoints) - g_.textWidth(r.reading, kRubyPoints)) / 2;
        g_.setCurrentPoint(x, static_cast<float>(6700 - kRubyPoints * 20));
        g_.printText(r.reading);
    }
    g_.setFontSize(kPoints);
}

} // namespace godo
