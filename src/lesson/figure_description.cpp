#include "lesson/figure_description.h"

#include "lesson/texts.h"

namespace godo {

namespace {

std::u16string number(int v)
{
    std::u16string out;
    for (char c : std::to_string(v))
        out += static_cast<char16_t>(c);
    return out;
}

std::u16string_view shown(int16_t on) { return on == 1 ? texts::description::kShown : texts::description::kNone; }

} // namespace

std::vector<std::u16string> figureDescriptionPieces(const FigureState& s)
{
    namespace d = texts::description;
    // Ｐ, Ｑ and the marks that need them are drawn only while ｎ crosses ｌ and ｍ.
    const bool crossing = nCrossesLAndM(s);
    std::u16string_view conclusion = d::kNone;
    if (crossing) {
        switch (s.nKeturon) {
        case 1: conclusion = texts::kConclusionApBq; break;
        case 2: conclusion = texts::kConclusionPmQm; break;
        case 3: conclusion = texts::kConclusionAngles; break;
        default: break;
        }
    }
    const auto p = [](std::u16string_view v) { return std::u16string(v); };
    return {p(d::kFigure), number(s.kakudo), p(d::kDegrees), p(crossing ? d::kCrossing : d::kParallel),
            p(d::kHypothesis), p(shown(s.fKatei)), p(d::kConclusion), p(conclusion),
            p(d::kTriangles), p(shown(crossing ? s.fSankaku : 0)), p(d::kAngles),
            p(shown(crossing ? s.fHenkaku : 0)), p(d::kCondition), p(shown(s.fGodo)), p(d::kEnd)};
}

std::u16string describeFigure(const FigureState& s)
{
    std::u16string d;
    for (const std::u16string& piece : figureDescriptionPieces(s))
        d += piece;
    return d;
}

} // namespace godo
