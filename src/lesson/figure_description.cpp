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

std::u16string_view shown(int16_t on) { return on == 1 ? u"表示" : u"なし"; }

} // namespace

std::u16string describeFigure(const FigureState& s)
{
    // Ｐ, Ｑ and the marks that need them are drawn only while ｎ crosses ｌ and ｍ.
    const bool crossing = nCrossesLAndM(s);
    std::u16string_view conclusion = u"なし";
    if (crossing) {
        switch (s.nKeturon) {
        case 1: conclusion = texts::kConclusionApBq; break;
        case 2: conclusion = texts::kConclusionPmQm; break;
        case 3: conclusion = texts::kConclusionAngles; break;
        default: break;
        }
    }
    std::u16string d = u"平行な直線ｌとｍ、線分ＡＢとその中点Ｍ、Ｍを通る直線ｎ（" + number(s.kakudo) + u"度）。";
    d += crossing ? u"直線ｎとｌの交点Ｐ、ｍとの交点Ｑ。" : u"直線ｎはｌとｍに平行で、交点Ｐ、Ｑはない。";
    d += u"仮定の印：";
    d += shown(s.fKatei);
    d += u"。結論：";
    d += conclusion;
    d += u"。注目する三角形：";
    d += shown(crossing ? s.fSankaku : 0);
    d += u"。等しい角の印：";
    d += shown(crossing ? s.fHenkaku : 0);
    d += u"。合同条件：";
    d += shown(s.fGodo);
    d += u"。";
    return d;
}

} // namespace godo
