#pragma once
// The window as data: its size and colours, the thirteen controls with their
// kinds, texts, places in twips, tab indices, fonts and colours, and the tab
// order. Every face builds its window from this and from nothing else.

#include "draw/palette.h"
#include "lesson/controls.h"

#include <array>
#include <span>
#include <string_view>

namespace godo {

enum class ControlKind : uint8_t { PushButton, ComboBox, PictureArea, Label };

struct TwipsRect {
    int left, top, width, height;
    bool operator==(const TwipsRect&) const = default;
};

struct FontSpec {
    double points; // 0: none of its own
    int weight;    // 400 regular, 700 bold
};

struct ControlLayout {
    Control id;
    std::string_view name; // as the lesson names it: "gamen", "katei", …
    ControlKind kind;
    std::u16string_view text; // caption, or the field's text at creation
    std::span<const std::u16string_view> entries; // the list's entries (combo box only)
    TwipsRect rect;
    int tabIndex;
    FontSpec font;
    // Labels paint their own colours; the others show the system's colours
    // (the picture area's creation colour is replaced by the load step).
    bool ownColours;
    Rgb fore;
    Rgb back;
    // The name a screen reader gives it where no text of its own names it
    // (the picture area); empty for the others.
    std::u16string_view accessibleName = {};
};

// A label that names the controls below it, as a screen reader should read
// it: Label3 names the two turning buttons, which stand together as a group;
// Label1 names the conclusion list.
struct Naming {
    Control label;
    std::span<const Control> controls;
    // The name of the group the controls stand in, which the label names;
    // empty where they stand on their own (the label names the control).
    std::string_view group;
};

struct WindowLayout {
    int width;  // client area, twips
    int height;
    Rgb back;
    std::u16string_view initialCaption;
    std::u16string_view fontFamily; // of every control's font
    // Faces to try after it, most alike first, where the family is missing.
    std::span<const std::u16string_view> fallbackFamilies;
    std::array<ControlLayout, kControlCount> controls; // in the order of the layout
    // Ascending tab index, labels left out.
    std::array<Control, 11> tabOrder;
    std::span<const Naming> namings;
    // The sunken frame around the picture area, in pixels on each side; the
    // figure's origin is the inside's top-left corner.
    int pictureBorder;

    const ControlLayout& operator[](Control c) const { return controls[static_cast<int>(c)]; }
};

const WindowLayout& windowLayout();

// 15 twips make one pixel at 96 dpi, 20 one point.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kTwipsPerPoint = 20;

// A twips edge in whole pixels, the nearest, half up. Each edge of a box is
// rounded on its own, so boxes that share an edge in twips share it in pixels.
constexpr int twipsToPixels(int twips) { return (twips * 2 + kTwipsPerPixel) / (2 * kTwipsPerPixel); }

} // namespace godo
