#pragma once
// A picture area that takes every call and keeps nothing: for the figure's
// arithmetic alone, and as the base of surfaces that watch or fail one call.

#include "draw/surface.h"

namespace godo::test {

class NullSurface : public Surface {
public:
    void setBackColor(Rgb) override {}
    void setDrawWidth(int) override {}
    void setFontSize(double) override {}
    void clear() override {}
    void setForeColor(Rgb) override {}
    void setFillStyle(FillStyle) override {}
    void setFillColor(Rgb) override {}
    void setCurrentPoint(float, float) override {}
    void line(float, float, float, float, Rgb) override {}
    void lineTo(float, float, Rgb) override {}
    void relativeLine(float, float, float, float, Rgb) override {}
    void circle(float, float, float, Rgb) override {}
    void printText(std::u16string_view) override {}
    std::any image() const override { return {}; }
    void setPicture(const std::any&) override {}
};

} // namespace godo::test
