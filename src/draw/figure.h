#pragma once
// The figure's drawing procedures. Each reads the FigureState directly and
// takes nothing but the pen `iro`: 15 draws, 3 (the background colour) paints
// the same elements over in cyan so that they vanish. The pen is passed by
// reference and never changed.

#include "draw/colour_scheme.h"
#include "draw/surface.h"
#include "model/figure_state.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace godo {

// The texts of the figure.
inline constexpr std::u16string_view kGodoSentence = u"1辺とその両端の角がそれぞれ等しい｡ ";

// The size of the figure's labels and sentence, in points.
inline constexpr double kFigurePoints = 15;

// The surface's settings that the window's load step applies before the
// first redraw: the background colour (pen 3 of the scheme), a draw width of
// 3 pixels and 15-point text. Every surface the figure is drawn on starts so.
void applyLoadSettings(Surface& surface, const ColourScheme& scheme = colourScheme(ColourSchemeId::Standard));

class Figure {
public:
    // Draws in the standard colours until told otherwise.
    Figure(Surface& surface, FigureState& state,
           const ColourScheme& scheme = colourScheme(ColourSchemeId::Standard))
        : g_(surface), s_(state), scheme_(&scheme) {}

    // A reading over a run of the sentence below ｍ: the text before the run,
    // the run, and its reading.
    struct Ruby {
        std::u16string before, base, reading;
    };
    // The readings the sentence shows above its kanji from now on (none: no
    // ruby); the next redraw shows them.
    void setSentenceRuby(std::vector<Ruby> ruby) { ruby_ = std::move(ruby); }

    // The pens' colours from now on; the next redraw shows them.
    void setScheme(const ColourScheme& scheme) { scheme_ = &scheme; }
    const ColourScheme& scheme() const { return *scheme_; }

    // Clears the area and draws the whole figure: the base construction, Ｐ
    // and Ｑ by the intersection rule, and every overlay that is switched on.
    void zukei(const int16_t& iro);

    // The overlays, in the order the redraw layers them.
    void keturonzu(const int16_t& iro);  // marks of the chosen conclusion
    void sankakuzu(const int16_t& iro);  // outlines of △ＡＰＭ and △ＢＱＭ
    void henkakuzu(const int16_t& iro);  // the equal alternate and vertical angles
    void kateizu(const int16_t& iro);    // ticks for ＡＭ＝ＢＭ, arrowheads for ｌ∥ｍ
    void godozu(const int16_t& iro);     // the congruence condition below ｍ

private:
    void text(float x, float y, std::u16string_view t);

    Surface& g_;
    FigureState& s_;
    const ColourScheme* scheme_;
    std::vector<Ruby> ruby_;
};

} // namespace godo
