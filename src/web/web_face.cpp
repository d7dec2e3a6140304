#include "web/web_face.h"

#include "draw/colour_scheme.h"
#include "lesson/figure_svg.h"
#include "lesson/layout.h"
#include "lesson/readings.h"
#include "lesson/support.h"
#include "lesson/texts.h"
#include "lesson/utf.h"

#include <type_traits>

using emscripten::val;

namespace godo::web {

namespace {

val js(std::u16string_view s) { return val(toUtf8(s)); }

val name(Control c)
{
    const std::string_view n = windowLayout()[c].name;
    return val(std::string(n));
}

float packed(Rgb c) { return static_cast<float>((c.r << 16) | (c.g << 8) | c.b); }

std::string css(Rgb c)
{
    return "rgb(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

// A font choice's families, in the order the core asks for them.
val families(const FontChoice& choice)
{
    val out = val::array();
    for (std::u16string_view f : fontFamilies(choice))
        out.call<void>("push", js(f));
    return out;
}

const char* kindName(ControlKind k)
{
    switch (k) {
    case ControlKind::PushButton: return "button";
    case ControlKind::ComboBox: return "combobox";
    case ControlKind::PictureArea: return "picture";
    case ControlKind::Label: return "label";
    }
    return "";
}

} // namespace

WebFace::WebFace(val page) : page_(std::move(page))
{
    // The sentence's ruby stands over its base as the page's face sets it.
    gamen_.setTextMeasure([this](std::u16string_view text, double points) {
        return static_cast<float>(page_.call<double>("textWidth", js(text), points) * kTwipsPerPixel);
    });
    form_ = std::make_unique<Form1>(*this);
}

void WebFace::clicked(const std::string& controlName)
{
    for (const ControlLayout& c : windowLayout().controls) {
        if (c.name == controlName) {
            form_->clicked(c.id);
            return;
        }
    }
}

val WebFace::drawing()
{
    flat_.clear();
    val texts = val::array();
    int textCount = 0;
    for (const DrawOp& op : gamen_.ops()) {
        if (!op.draws())
            continue;
        Paint paint = Paint::Line;
        if (op.kind == OpKind::Clear)
            paint = Paint::Clear;
        else if (op.kind == OpKind::Circle)
            paint = Paint::Circle;
        else if (op.kind == OpKind::PrintText)
            paint = Paint::Text;
        float text = -1;
        if (paint == Paint::Text) {
            texts.set(textCount, js(op.text));
            text = static_cast<float>(textCount++);
        }
        float numbers[kOpFields];
        numbers[OpField::Paint] = static_cast<float>(paint);
        for (int i = 0; i < 4; ++i)
            numbers[OpField::At + i] = op.at[static_cast<std::size_t>(i)];
        numbers[OpField::Size] = op.size;
        numbers[OpField::Colour] = packed(op.colour);
        numbers[OpField::Solid] = op.fill == FillStyle::Solid ? 1.0f : 0.0f;
        numbers[OpField::Fill] = packed(op.fillColour);
        numbers[OpField::Text] = text;
        flat_.insert(flat_.end(), std::begin(numbers), std::end(numbers));
    }
    val out = val::object();
    out.set("ops", val(emscripten::typed_memory_view(flat_.size(), flat_.data())));
    out.set("texts", texts);
    return out;
}

bool WebFace::setColourScheme(const std::string& schemeName)
{
    const ColourScheme* scheme = findColourScheme(schemeName);
    if (scheme)
        form_->setColourScheme(*scheme);
    return scheme != nullptr;
}

val WebFace::pressed() const
{
    const FigureState& s = form_->state();
    val o = val::object();
    o.set(name(Control::katei), s.fKatei != 0);
    o.set(name(Control::sankaku), s.fSankaku != 0);
    o.set(name(Control::henkaku), s.fHenkaku != 0);
    o.set(name(Control::godo), s.fGodo != 0);
    return o;
}

val WebFace::spokenPress(const std::string& caption) const
{
    const SpokenPress press = godo::spokenPress(toUtf16(caption), form_->state());
    val out = val::object();
    out.set("caption", js(press.caption));
    out.set("figure", js(press.figure));
    return out;
}

std::string WebFace::figureSvg(const std::string& fontName, double ascent) const
{
    const FontChoice* choice = &godo::fontChoices().front();
    for (const FontChoice& f : godo::fontChoices())
        if (f.name == fontName)
            choice = &f;
    return godo::figureSvg(gamen_.ops(), figureArea(), SvgFont{fontFamilies(*choice), ascent});
}

double WebFace::drawingVersion() const
{
    // Operations are only ever added between two clears.
    return static_cast<double>(gamen_.generation()) * 65536.0 + static_cast<double>(gamen_.ops().size());
}

bool WebFace::setStateForTesting(const std::string& field, int value)
{
    bool found = false;
    forEachField(form_->stateForTesting(), [&](const char* name, auto& v) {
        if (field == name) {
            v = static_cast<std::remove_cvref_t<decltype(v)>>(value);
            found = true;
        }
    });
    return found;
}

val WebFace::state() const
{
    val o = val::object();
    forEachField(form_->state(), [&](const char* name, const auto& v) { o.set(name, v); });
    return o;
}

void WebFace::setEnabled(Control control, bool enabled) { page_.call<void>("setEnabled", name(control), enabled); }

std::u16string WebFace::keturonText() const { return toUtf16(page_.call<std::string>("keturonText")); }

void WebFace::setKeturonText(std::u16string_view text) { page_.call<void>("setKeturonText", js(text)); }

void WebFace::setCaption(std::u16string_view caption) { page_.call<void>("setCaption", js(caption)); }

void WebFace::setFigureDescription(std::u16string_view description)
{
    page_.call<void>("setFigureDescription", js(description));
}

void WebFace::printWindow() { page_.call<void>("printWindow"); }

void WebFace::end() { page_.call<void>("end"); }

void WebFace::showMessage(std::u16string_view message) { page_.call<void>("showMessage", js(message)); }

val pageLayout()
{
    const WindowLayout& layout = windowLayout();
    val w = val::object();
    w.set("width", twipsToPixels(layout.width));
    w.set("height", twipsToPixels(layout.height));
    w.set("back", css(layout.back));
    w.set("caption", js(layout.initialCaption));
    // The layout's family and its fallbacks: the standard choice's.
    w.set("fontFamilies", families(fontChoice(FontChoiceId::Standard)));
    w.set("pictureBorder", layout.pictureBorder);
    // The page's own lines, which only the browser shows.
    val pageTexts = val::object();
    pageTexts.set("openList", js(texts::kOpenList));
    pageTexts.set("ended", js(texts::kEnded));
    pageTexts.set("messageOk", js(texts::kMessageOk));
    w.set("texts", pageTexts);
    val namings = val::array();
    for (const Naming& n : layout.namings) {
        val o = val::object();
        o.set("label", name(n.label));
        val named = val::array();
        for (Control c : n.controls)
            named.call<void>("push", name(c));
        o.set("controls", named);
        o.set("group", std::string(n.group));
        namings.call<void>("push", o);
    }
    w.set("namings", namings);

    val controls = val::array();
    for (const ControlLayout& c : layout.controls) {
        val o = val::object();
        o.set("name", std::string(c.name));
        o.set("kind", std::string(kindName(c.kind)));
        o.set("text", js(c.text));
        val entries = val::array();
        for (std::u16string_view e : c.entries)
            entries.call<void>("push", js(e));
        o.set("entries", entries);
        // Each edge rounded on its own, so boxes that meet in twips meet in pixels.
        o.set("left", twipsToPixels(c.rect.left));
        o.set("top", twipsToPixels(c.rect.top));
        o.set("right", twipsToPixels(c.rect.left + c.rect.width));
        o.set("bottom", twipsToPixels(c.rect.top + c.rect.height));
        o.set("points", c.font.points);
        o.set("weight", c.font.weight);
        if (!c.accessibleName.empty())
            o.set("accessibleName", js(c.accessibleName));
        if (c.ownColours) {
            o.set("fore", css(c.fore));
            o.set("back", css(c.back));
        }
        controls.call<void>("push", o);
    }
    w.set("controls", controls);

    val tabOrder = val::array();
    for (Control c : layout.tabOrder)
        tabOrder.call<void>("push", name(c));
    w.set("tabOrder", tabOrder);
    return w;
}

val readingRuns(const std::string& text)
{
    val out = val::array();
    for (const ReadingRun& r : godo::readingRuns(toUtf16(text))) {
        val run = val::array();
        run.call<void>("push", js(r.base));
        run.call<void>("push", r.ruby ? js(r.reading) : val(std::string()));
        out.call<void>("push", run);
    }
    return out;
}

val fontChoices()
{
    val out = val::array();
    for (const FontChoice& f : godo::fontChoices()) {
        val o = val::object();
        o.set("name", std::string(f.name));
        o.set("caption", js(f.caption));
        o.set("families", families(f));
        out.call<void>("push", o);
    }
    return out;
}

val opFormat()
{
    val f = val::object();
    f.set("fields", kOpFields);
    val paint = val::object();
    paint.set("clear", static_cast<int>(Paint::Clear));
    paint.set("line", static_cast<int>(Paint::Line));
    paint.set("circle", static_cast<int>(Paint::Circle));
    paint.set("text", static_cast<int>(Paint::Text));
    f.set("paint", paint);
    f.set("at", static_cast<int>(OpField::At));
    f.set("size", static_cast<int>(OpField::Size));
    f.set("colour", static_cast<int>(OpField::Colour));
    f.set("solid", static_cast<int>(OpField::Solid));
    f.set("fill", static_cast<int>(OpField::Fill));
    f.set("text", static_cast<int>(OpField::Text));
    f.set("twipsPerPixel", kTwipsPerPixel);
    f.set("twipsPerPoint", kTwipsPerPoint);
    return f;
}

} // namespace godo::web
