#pragma once
// The program's 16-bit checked arithmetic. Every integer sum, difference and
// absolute value of the figure, and every rounding of a floating value into a
// 16-bit field, goes through these helpers: a result outside -32768..32767 is
// an OverflowError, a floating step that yields no finite number is a
// FloatingPointError. No other code checks ranges on its own.

#include <cstdint>
#include <stdexcept>

namespace godo {

class OverflowError : public std::overflow_error {
public:
    OverflowError() : std::overflow_error("16-bit overflow") {}
};

class FloatingPointError : public std::domain_error {
public:
    FloatingPointError() : std::domain_error("floating-point error") {}
};

int16_t add16(int16_t a, int16_t b);
int16_t sub16(int16_t a, int16_t b);
int16_t neg16(int16_t a);
int16_t abs16(int16_t a);

// Rounds to the nearest integer, an exact half going to the even neighbour.
int16_t round16(double x);

// A floating result that must be finite (the step signalled no invalid
// operation, division by zero or overflow).
double finite(double x);

// a / b in double precision; a zero divisor is a floating-point error.
double divide(double a, double b);

// A coordinate on its way to the drawing surface, which takes 32-bit floats:
// a value that is not finite, or too large for single precision, is a
// floating-point error.
float toSingle(double x);

} // namespace godo
