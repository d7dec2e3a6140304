#pragma once
// The one record of the construction and of the lesson's progress.

#include <concepts>
#include <cstdint>
#include <type_traits>

namespace godo {

struct FigureState {
    // The construction, in twips on the picture area (y grows downwards).
    int16_t Mx = 0;  // Ｍ, the pivot of line ｎ
    int16_t My = 0;
    int16_t Ax = 0;  // Ａ = (Ax, Yl) on line ｌ
    int16_t Yl = 0;  // height of line ｌ
    int16_t Bx = 0;  // Ｂ = (Bx, Ym) on line ｍ
    int16_t Ym = 0;  // height of line ｍ
    int16_t Px = 0;  // Ｐ = (Px, Yl); written only by the redraw
    int16_t Qx = 0;  // Ｑ = (Qx, Ym); written only by the redraw

    int16_t kakudo = 0;  // direction of ｎ in degrees, 0..170 in steps of 5
    float dToR = 0.0f;   // radians per degree: 3.14 / 180, deliberately not pi / 180

    // Overlay switches (0 or 1) and the chosen conclusion (0 none, 1..3).
    int16_t fKatei = 0;
    int16_t fSankaku = 0;
    int16_t nKeturon = 0;
    int16_t fHenkaku = 0;
    int16_t fGodo = 0;

    // The state of the first start. Px and Qx are left alone: the next
    // redraw computes them.
    void reset();

    bool operator==(const FigureState&) const = default;
};

// Calls f(name, field) for every field of the state, in the record's order:
// the one list of the fields for whatever shows, sets or copies them by name.
// The field is an int16_t, except dToR, a float; a const state gives const
// fields.
template <class State, class F>
    requires std::same_as<std::remove_const_t<State>, FigureState>
void forEachField(State& s, F&& f)
{
    f("Mx", s.Mx);
    f("My", s.My);
    f("Ax", s.Ax);
    f("Yl", s.Yl);
    f("Bx", s.Bx);
    f("Ym", s.Ym);
    f("Px", s.Px);
    f("Qx", s.Qx);
    f("kakudo", s.kakudo);
    f("dToR", s.dToR);
    f("fKatei", s.fKatei);
    f("fSankaku", s.fSankaku);
    f("nKeturon", s.nKeturon);
    f("fHenkaku", s.fHenkaku);
    f("fGodo", s.fGodo);
}

// Whether line ｎ crosses ｌ and ｍ: not at 0 degrees, nor at a half turn
// either way. Ｐ, Ｑ and every mark that needs them exist only then; the
// redraw and the figure's description both ask here.
bool nCrossesLAndM(const FigureState& s);

// Degrees to radians the way the whole figure does it: the angle as a 32-bit
// float times dToR, the product formed in double (where it is exact).
double toRadians(int16_t degrees, float dToR);

// The same product rounded back to a 32-bit float, for the angles that the
// overlays keep in single precision.
float toRadiansF(int16_t degrees, float dToR);

// Where line ｎ meets the horizontal line at height h: the x of Ｑ for h = Ym,
// of Ｐ for h = Yl. Undefined while ｎ is parallel (see nCrossesLAndM); the
// redraw skips it then.
int16_t intersectionX(const FigureState& s, int16_t h);

} // namespace godo
