#include "model/figure_state.h"

#include "model/checked16.h"

#include <cmath>

namespace godo {

void FigureState::reset()
{
    Mx = 4500;
    My = 4000;
    Ax = 7000;
    Yl = 2000;
    Bx = 2000;
    Ym = 6000;
    kakudo = 35;
    // Divided in double, then rounded to single precision: 0x3C8EE7A7.
    dToR = static_cast<float>(3.14 / 180.0);
    fKatei = 0;
    fSankaku = 0;
    nKeturon = 0;
    fHenkaku = 0;
    fGodo = 0;
}

double toRadians(int16_t degrees, float dToR)
{
    return static_cast<double>(static_cast<float>(degrees)) * static_cast<double>(dToR);
}

float toRadiansF(int16_t degrees, float dToR)
{
    return static_cast<float>(toRadians(degrees, dToR));
}

bool nCrossesLAndM(const FigureState& s) { return s.kakudo != 0 && s.kakudo != 180 && s.kakudo != -180; }

int16_t intersectionX(const FigureState& s, int16_t h)
{
    const int16_t w = sub16(90, s.kakudo);
    const double t = finite(std::tan(toRadians(w, s.dToR)));
    const int16_t d = sub16(h, s.My);
    const double x = finite(static_cast<double>(d) * t + static_cast<double>(s.Mx));
    return round16(x);
}

} // namespace godo
