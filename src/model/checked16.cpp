#include "model/checked16.h"

#include <cmath>

namespace godo {

namespace {

int16_t narrow(int32_t wide)
{
    if (wide < INT16_MIN || wide > INT16_MAX)
        throw OverflowError();
    return static_cast<int16_t>(wide);
}

} // namespace

int16_t add16(int16_t a, int16_t b) { return narrow(int32_t{a} + b); }
int16_t sub16(int16_t a, int16_t b) { return narrow(int32_t{a} - b); }
int16_t neg16(int16_t a) { return narrow(-int32_t{a}); }
int16_t abs16(int16_t a) { return narrow(a < 0 ? -int32_t{a} : int32_t{a}); }

int16_t round16(double x)
{
    finite(x);
    // std::nearbyint follows the default rounding mode, round-half-to-even.
    const double r = std::nearbyint(x);
    if (r < INT16_MIN || r > INT16_MAX)
        throw OverflowError();
    return static_cast<int16_t>(r);
}

double finite(double x)
{
    if (!std::isfinite(x))
        throw FloatingPointError();
    return x;
}

double divide(double a, double b)
{
    if (b == 0.0)
        throw FloatingPointError();
    return finite(a / b);
}

float toSingle(double x)
{
    const float single = static_cast<float>(finite(x));
    if (!std::isfinite(single))
        throw FloatingPointError();
    return single;
}

} // namespace godo
