#include "web/support_page.h"

#include "lesson/figure_export.h"
#include "lesson/readings.h"
#include "lesson/support.h"
#include "lesson/texts.h"
#include "web/json_text.h"

#include <initializer_list>
#include <string_view>
#include <vector>
#include <utility>

using emscripten::val;

namespace godo::web {

namespace {

// The table goes to the page as one JSON text: a few hundred values, which
// one by one across the module's boundary would cost the first figure
// milliseconds.

// Opens the object of one of the menu's choices with its name and caption;
// the caller adds the rest and closes it.
void choice(JsonText& j, std::string_view name, std::u16string_view caption)
{
    j.out += '{';
    j.key("name");
    j.text(name);
    j.out += ',';
    j.key("caption");
    j.text(caption);
    j.out += ',';
}

void scheme(JsonText& j, const ColourScheme& s)
{
    choice(j, s.name, s.caption);
    j.key("pens");
    j.array(s.pens, [&](Rgb c) { j.rgb(c); });
    std::vector<std::pair<std::string_view, Rgb>> window = {
        {"picture", s.pen(kBackground)}, {"window", s.window}, {"labelText", s.labelText}, {"focus", s.focus}};
    // The standard scheme keeps the page's own sunken frame.
    if (s.frame) {
        window.emplace_back("frameShadow", s.frame->shadow);
        window.emplace_back("frameLight", s.frame->light);
    }
    for (const auto& [name, colour] : window) {
        j.out += ',';
        j.key(name);
        j.rgb(colour);
    }
    j.out += '}';
}

void font(JsonText& j, const FontChoice& f)
{
    choice(j, f.name, f.caption);
    j.key("families");
    j.array(fontFamilies(f), [&](std::u16string_view family) { j.text(family); });
    j.out += '}';
}

// { "k": "v", … } of texts.
template <class Text>
void texts(JsonText& j, std::initializer_list<std::pair<std::string_view, Text>> pairs)
{
    j.out += '{';
    bool first = true;
    for (const auto& [k, v] : pairs) {
        if (!first)
            j.out += ',';
        first = false;
        j.key(k);
        j.text(v);
    }
    j.out += '}';
}

// What the page makes of the figure: the file's name, the image's size, and
// each format's extension and type.
void figure(JsonText& j)
{
    j.out += '{';
    j.key("name");
    j.text(texts::figure_export::kDefaultName);
    const PixelSize px = figurePixels();
    j.out += ',';
    j.key("pixels");
    j.out += '[';
    j.integer(px.width);
    j.out += ',';
    j.integer(px.height);
    j.out += ']';
    for (const auto& [key, format] : {std::pair{"svg", FigureFormat::Svg}, std::pair{"png", FigureFormat::Png}}) {
        const FigureFormatInfo& f = figureFormat(format);
        j.out += ',';
        j.key(key);
        texts<std::string_view>(j, {{"extension", f.extension}, {"type", f.mimeType}});
    }
    j.out += '}';
}

} // namespace

std::string pageSupport()
{
    JsonText j;
    j.out += '{';
    j.key("names");
    texts<std::string_view>(j, {{"colours", setting::kColours},
                                {"font", setting::kFont},
                                {"ruby", setting::kRuby},
                                {"speech", setting::kSpeech},
                                {"rate", setting::kRate}});
    j.out += ',';
    const auto defaults = settingValues(SupportSettings{});
    j.key("defaults");
    j.object(defaults, [&](const SettingValue& v) {
        j.key(v.name);
        j.text(v.value);
    });
    j.out += ',';
    // Each setting's values, the default first.
    j.key("values");
    j.object(defaults, [&](const SettingValue& v) {
        j.key(v.name);
        j.array(settingValueNames(v.name), [&](std::string_view name) { j.text(name); });
    });
    j.out += ',';
    j.key("highContrast");
    j.text(colourScheme(ColourSchemeId::WhiteOnBlack).name);
    j.out += ',';
    j.key("texts");
    texts<std::u16string_view>(j, {{"menu", texts::support::kMenu},
                                   {"colours", texts::support::kColours},
                                   {"font", texts::support::kFont},
                                   {"copy", texts::figure_export::kCopy},
                                   {"save", texts::figure_export::kSave},
                                   {"savePng", texts::figure_export::kSavePng},
                                   {"noClipboard", texts::figure_export::kNoClipboard},
                                   {"ruby", texts::support::kRuby},
                                   {"speech", texts::support::kSpeech},
                                   {"readAgain", texts::support::kReadAgain},
                                   {"noVoice", texts::support::kNoJapaneseVoice}});
    j.out += ',';
    j.key("rubyScale");
    j.number(kRubyScale);
    j.out += ',';
    j.key("minRubyBaseScale");
    j.number(kMinRubyBaseScale);
    j.out += ',';
    j.key("rates");
    j.array(speechRates(), [&](const SpeechRateChoice& r) {
        choice(j, r.name, r.caption);
        j.key("factor");
        j.number(r.factor);
        j.out += '}';
    });
    j.out += ',';
    j.key("figure");
    figure(j);
    j.out += ',';
    j.key("schemes");
    j.array(colourSchemes(), [&](const ColourScheme& s) { scheme(j, s); });
    j.out += ',';
    j.key("fonts");
    j.array(fontChoices(), [&](const FontChoice& f) { font(j, f); });
    j.out += '}';
    return j.out;
}

val givenSettings(const std::string& text)
{
    val out = val::object();
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t end = rest.find('&');
        const std::string_view pair = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        const std::size_t eq = pair.find('=');
        if (eq == std::string_view::npos)
            continue;
        SupportSettings scratch;
        const std::string_view name = pair.substr(0, eq);
        const std::string_view value = pair.substr(eq + 1);
        if (applySetting(scratch, name, value))
            out.set(std::string(name), std::string(value));
    }
    return out;
}

} // namespace godo::web
