#include "recording_surface.h"

namespace godo::test {

Call& RecordingSurface::add(Op op, std::vector<float> args, Rgb c)
{
    calls.push_back(Call{op, std::move(args), c, FillStyle::Transparent, {}});
    return calls.back();
}

void RecordingSurface::setBackColor(Rgb c) { add(Op::SetBackColor, {}, c); }
void RecordingSurface::setDrawWidth(int pixels) { add(Op::SetDrawWidth, {float(pixels)}); }
void RecordingSurface::setFontSize(double points) { add(Op::SetFontSize, {float(points)}); }
void RecordingSurface::clear() { add(Op::Clear); cx_ = cy_ = 0; }
void RecordingSurface::setForeColor(Rgb c) { add(Op::SetForeColor, {}, c); fore_ = c; }
void RecordingSurface::setFillStyle(FillStyle s) { add(Op::SetFillStyle).fill = s; }
void RecordingSurface::setFillColor(Rgb c) { add(Op::SetFillColor, {}, c); }
void RecordingSurface::setCurrentPoint(float x, float y)
{
    add(Op::SetCurrentPoint, {x, y});
    cx_ = x;
    cy_ = y;
}
void RecordingSurface::line(float x1, float y1, float x2, float y2, Rgb c)
{
    add(Op::Line, {x1, y1, x2, y2}, c);
    cx_ = x2;
    cy_ = y2;
}
void RecordingSurface::lineTo(float x2, float y2, Rgb c)
{
    add(Op::LineTo, {x2, y2}, c);
    cx_ = x2;
    cy_ = y2;
}
void RecordingSurface::relativeLine(float x1, float y1, float dx, float dy, Rgb c)
{
    add(Op::RelativeLine, {x1, y1, dx, dy}, c);
    cx_ = x1 + dx;
    cy_ = y1 + dy;
}
void RecordingSurface::circle(float x, float y, float r, Rgb c)
{
    add(Op::Circle, {x, y, r}, c);
    cx_ = x;
    cy_ = y;
}
void RecordingSurface::printText(std::u16string_view text)
{
    Call& call = add(Op::PrintText, {cx_, cy_}, fore_);
    call.text = std::u16string(text);
}
std::any RecordingSurface::image() const { return {}; }
void RecordingSurface::setPicture(const std::any&) { add(Op::SetPicture); }

std::vector<Call> RecordingSurface::of(Op op) const
{
    std::vector<Call> out;
    for (const Call& c : calls)
        if (c.op == op)
            out.push_back(c);
    return out;
}

std::vector<RecordingSurface::Text> RecordingSurface::texts() const
{
    std::vector<Text> out;
    for (const Call& c : of(Op::PrintText))
        out.push_back({c.text, c.args[0], c.args[1], c.colour});
    return out;
}

} // namespace godo::test
