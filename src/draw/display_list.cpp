#include "draw/display_list.h"

namespace godo {

DrawOp& DisplayList::add(OpKind kind, Rgb c)
{
    DrawOp op;
    op.kind = kind;
    op.colour = c;
    ops_.push_back(std::move(op));
    return ops_.back();
}

DrawOp& DisplayList::segment(OpKind kind, float x1, float y1, float x2, float y2, Rgb c)
{
    DrawOp& op = add(kind, c);
    op.size = static_cast<float>(drawWidth_);
    op.at = {x1, y1, x2, y2};
    cx_ = x2;
    cy_ = y2;
    return op;
}

void DisplayList::setBackColor(Rgb c)
{
    back_ = c;
    add(OpKind::SetBackColor, c);
}

void DisplayList::setDrawWidth(int pixels)
{
    drawWidth_ = pixels;
    add(OpKind::SetDrawWidth).size = static_cast<float>(pixels);
}

void DisplayList::setFontSize(double points)
{
    fontSize_ = points;
    add(OpKind::SetFontSize).size = static_cast<float>(points);
}

void DisplayList::clear()
{
    // What was drawn before is painted over: keeping it would only make every
    // later rendering slower.
    ops_.clear();
    ++generation_;
    add(OpKind::Clear, back_);
    cx_ = cy_ = 0;
}

void DisplayList::setForeColor(Rgb c)
{
    fore_ = c;
    add(OpKind::SetForeColor, c);
}

void DisplayList::setFillStyle(FillStyle s)
{
    fillStyle_ = s;
    add(OpKind::SetFillStyle).fill = s;
}

void DisplayList::setFillColor(Rgb c)
{
    fill_ = c;
    add(OpKind::SetFillColor, c);
}

void DisplayList::setCurrentPoint(float x, float y)
{
    add(OpKind::SetCurrentPoint).at = {x, y, 0, 0};
    cx_ = x;
    cy_ = y;
}

void DisplayList::line(float x1, float y1, float x2, float y2, Rgb c)
{
    segment(OpKind::Line, x1, y1, x2, y2, c);
}

void DisplayList::lineTo(float x2, float y2, Rgb c)
{
    segment(OpKind::LineTo, cx_, cy_, x2, y2, c);
}

void DisplayList::relativeLine(float x1, float y1, float dx, float dy, Rgb c)
{
    // The end point in single precision, as the surface takes coordinates.
    segment(OpKind::RelativeLine, x1, y1, x1 + dx, y1 + dy, c);
}

void DisplayList::circle(float x, float y, float r, Rgb c)
{
    DrawOp& op = add(OpKind::Circle, c);
    op.fill = fillStyle_;
    op.fillColour = fill_;
    op.size = static_cast<float>(drawWidth_);
    op.at = {x, y, r, 0};
    cx_ = x;
    cy_ = y;
}

void DisplayList::printText(std::u16string_view text)
{
    // Every text is placed by its own current point; where the point stands
    // after it is not relied upon, so it stays at the text's start.
    DrawOp& op = add(OpKind::PrintText, fore_);
    op.size = static_cast<float>(fontSize_);
    op.at = {cx_, cy_, 0, 0};
    op.text = std::u16string(text);
}

float DisplayList::textWidth(std::u16string_view text, double points) const
{
    return measure_ ? measure_(text, points) : Surface::textWidth(text, points);
}

float Surface::textWidth(std::u16string_view text, double points) const
{
    // A full-width character (kana, kanji, the full-width forms) is an em, any
    // other about half of one.
    double ems = 0;
    for (char16_t c : text)
        ems += (c >= 0x2E80 && !(c >= 0xFF61 && c <= 0xFF9F)) ? 1.0 : 0.55;
    return static_cast<float>(ems * points * 20);
}

std::any DisplayList::image() const { return ops_; }

void DisplayList::setPicture(const std::any& picture)
{
    // A later clear goes back to the plain background, not to this picture.
    if (const auto* ops = std::any_cast<std::vector<DrawOp>>(&picture))
        picture_ = *ops;
}

} // namespace godo
