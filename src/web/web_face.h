#pragma once
// The lesson's browser face, on the WebAssembly side. It is the Face the
// window's code (Form1) talks to: everything the lesson asks of the window
// (enable a control, set the caption or the list's text, describe the
// figure, print, end, show a message) is passed on to the page's JavaScript
// object, and the page reports the pupil's clicks and choices back through
// load(), clicked() and chosen(). The picture area is a DisplayList, which
// the page renders onto its canvas from drawing().

#include "draw/display_list.h"
#include "lesson/face.h"
#include "lesson/form1.h"

#include <emscripten/val.h>

#include <memory>
#include <string>
#include <vector>

namespace godo::web {

// What a renderer draws, as `drawing()` numbers them.
enum class Paint : uint8_t { Clear = 0, Line = 1, Circle = 2, Text = 3 };

// Where each number of one operation stands in drawing().ops: the paint,
// where it lands (at[0..3]: a line's ends, a circle's centre and radius, a
// text's top-left corner; twips), its size (a pen's width in pixels, a text's
// in points), colour, solid (0 or 1), fill colour, index into
// drawing().texts (or -1). Colours are 0xRRGGBB. The page reads these
// places from opFormat() and from nowhere else.
struct OpField {
    enum : int { Paint, At, Size = At + 4, Colour, Solid, Fill, Text, Count };
};
inline constexpr int kOpFields = OpField::Count;

class WebFace final : public Face {
public:
    // page: the object that applies to the page what the lesson asks; it has
    // the methods setEnabled(name, on), keturonText(), setKeturonText(text),
    // setCaption(text), setFigureDescription(text), printWindow(), end(),
    // showMessage(text) and textWidth(text, points), the width in CSS pixels
    // of a text of the figure in the face the page draws it in.
    explicit WebFace(emscripten::val page);

    void load() { form_->load(); }
    // A click on the push button of that name ("katei", "Command1", …).
    void clicked(const std::string& name);
    // An entry of keturon's list was chosen; the page has put it in the field.
    void chosen() { form_->chosen(); }

    // The operations the renderer draws, since the last clear: { ops: a
    // Float32Array view of kOpFields numbers each, texts: [string] }. The view
    // lies in the module's memory: read it before calling into the core again.
    emscripten::val drawing();
    // Changes when the drawing does: a new clear, or operations added to it.
    double drawingVersion() const;

    // The figure in the colour scheme of that name from now on, drawn again
    // at once; false, and nothing changed, for a name the program does not know.
    bool setColourScheme(const std::string& schemeName);
    // The readings of the sentence below ｍ, drawn with it, or not.
    void setRuby(bool on) { form_->setRuby(on); }
    // What read-aloud says after a press of the control captioned `caption`
    // (or the choice of the list's entry of that text): { caption, figure },
    // in kana. The picture area's name stands for "what the figure shows now".
    emscripten::val spokenPress(const std::string& caption) const;

    // Whether the marks of each overlay button are shown now: { katei,
    // sankaku, henkaku, godo } (what a screen reader hears as pressed).
    emscripten::val pressed() const;

    // The figure as it is drawn now, as the core writes it for a worksheet:
    // the SVG document (UTF-8), its texts in the font choice of that name
    // (the standard one for a name the program does not know), `ascent` the
    // baseline's depth in ems as the page's face measures it.
    std::string figureSvg(const std::string& fontName, double ascent) const;

    // For the test build's hooks (the shipped page binds neither): sets one
    // field of the figure state out of the range the lesson keeps it in, as
    // Form1 allows, false for a field it does not know; and the state.
    bool setStateForTesting(const std::string& field, int value);
    emscripten::val state() const;

private:
    void setEnabled(Control control, bool enabled) override;
    std::u16string keturonText() const override;
    void setKeturonText(std::u16string_view text) override;
    void setCaption(std::u16string_view caption) override;
    Surface& gamen() override { return gamen_; }
    void setFigureDescription(std::u16string_view description) override;
    void printWindow() override;
    void end() override;
    void showMessage(std::u16string_view message) override;

    emscripten::val page_;
    DisplayList gamen_;
    std::unique_ptr<Form1> form_; // made once the face is whole: it asks for gamen()
    std::vector<float> flat_;
};

// The window's layout as a plain object for the page: sizes in CSS pixels,
// each edge rounded from twips as the desktop rounds it.
emscripten::val pageLayout();

// The runs of a text of the lesson, as [[base, reading], …]; reading is
// empty where the base has no ruby.
emscripten::val readingRuns(const std::string& text);

// The support settings' font choices: [{ name, caption, families: as
// fontFamilies() gives them }], the default first.
emscripten::val fontChoices();

// drawing()'s format for the page: { fields, paint: { clear, line, circle,
// text }, at, size, colour, solid, fill, text, twipsPerPixel, twipsPerPoint }.
emscripten::val opFormat();

} // namespace godo::web
