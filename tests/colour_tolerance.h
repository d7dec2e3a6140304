#pragma once
// Whether a pixel still shows a colour after antialiasing, scaling or a
// print filter has blended it: each channel within `tolerance`.

#include <QRgb>

#include <cstdlib>

namespace godo::test {

inline bool withinTolerance(QRgb pixel, QRgb colour, int tolerance)
{
    return std::abs(qRed(pixel) - qRed(colour)) <= tolerance
        && std::abs(qGreen(pixel) - qGreen(colour)) <= tolerance
        && std::abs(qBlue(pixel) - qBlue(colour)) <= tolerance;
}

} // namespace godo::test
