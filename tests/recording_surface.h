#pragma once
// A Surface that records every call with its arguments exactly as the surface
// receives them, so tests can check the figure's numbers and order.

#include "draw/surface.h"

#include <string>
#include <vector>

namespace godo::test {

enum class Op {
    SetBackColor, SetDrawWidth, SetFontSize, Clear, SetForeColor, SetFillStyle, SetFillColor,
    SetCurrentPoint, Line, LineTo, RelativeLine, Circle, PrintText, SetPicture
};

struct Call {
    Op op;
    std::vector<float> args; // coordinates and sizes as 32-bit floats, in call order
    Rgb colour{};            // the colour argument, or the colour a setter sets
    FillStyle fill = FillStyle::Transparent;
    std::u16string text;
};

class RecordingSurface final : public Surface {
public:
    std::vector<Call> calls;

    void setBackColor(Rgb c) override;
    void setDrawWidth(int pixels) override;
    void setFontSize(double points) override;
    void clear() override;
    void setForeColor(Rgb c) override;
    void setFillStyle(FillStyle s) override;
    void setFillColor(Rgb c) override;
    void setCurrentPoint(float x, float y) override;
    void line(float x1, float y1, float x2, float y2, Rgb c) override;
    void lineTo(float x2, float y2, Rgb c) override;
    void relativeLine(float x1, float y1, float dx, float dy, Rgb c) override;
    void circle(float x, float y, float r, Rgb c) override;
    void printText(std::u16string_view text) override;
    std::any image() const override;
    void setPicture(const std::any& picture) override;

    // The calls of one kind, in order.
    std::vector<Call> of(Op op) const;
    // The position each text was printed at (the current point set before it).
    struct Text { std::u16string text; float x, y; Rgb colour; };
    std::vector<Text> texts() const;

private:
    Call& add(Op op, std::vector<float> args = {}, Rgb c = {});
    Rgb fore_{};
    float cx_ = 0, cy_ = 0;
};

} // namespace godo::test
