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

void scheme(JsonText& j, const ColourScheme& s)
{
    j.out += '{';
    j.key("name");
    j.text(s.name);
    j.out += ',';
    j.key("caption");
    j.text(s.caption);
    j.out += ',';
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
    j.out += '{';
    j.key("name");
    j.text(f.name);
    j.out += ',';
    j.key("caption");
    j.text(f.caption);
    j.out += ',';
    j.key("families");
    j.out += '[';
    bool first = true;
    for (std::u16string_view family : fontFamilies(f)) {
        if (!first)
            j.out += ',';
        first = false;
        j.text(family);
    }
    j.out += "]}";
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
    j.key("defaults");
    j.out += '{';
    bool first = true;
    for (const SettingValue& v : settingValues(SupportSettings{})) {
        if (!first)
            j.out += ',';
        first = false;
        j.key(v.name);
        j.text(v.value);
    }
    j.out += "},";
    // Each setting's values, the default first.
    j.key("values");
    j.out += '{';
    first = true;
    for (const SettingValue& v : settingValues(SupportSettings{})) {
        if (!first)
            j.out += ',';
        first = false;
        j.key(v.name);
        j.out += '[';
        const std::string choices = settingChoices(v.name);
        std::string_view rest = choices;
        for (bool firstValue = true; !rest.empty(); firstValue = false) {
            const std::size_t bar = rest.find('|');
            if (!firstValue)
                j.out += ',';
            j.text(rest.substr(0, bar));
            rest = bar == std::string_view::npos ? std::string_view{} : rest.substr(bar + 1);
        }
        j.out += ']';
    }
    j.out += "},";
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
    j.out += '[';
    for (const SpeechRateChoice& r : speechRates()) {
        if (&r != speechRates().data())
            j.out += ',';
        j.out += '{';
        j.key("name");
        j.text(r.name);
        j.out += ',';
        j.key("caption");
        j.text(r.caption);
        j.out += ',';
        j.key("factor");
        j.number(r.factor);
        j.out += '}';
    }
    j.out += ']';
    j.out += ',';
    j.key("figure");
    figure(j);
    j.out += ',';
    j.key("schemes");
    j.out += '[';
    for (const ColourScheme& s : colourSchemes()) {
        if (&s != colourSchemes().data())
            j.out += ',';
        scheme(j, s);
    }
    j.out += "],";
    j.key("fonts");
    j.out += '[';
    for (const FontChoice& f : fontChoices()) {
        if (&f != fontChoices().data())
            j.out += ',';
        font(j, f);
    }
    j.out += "]}";
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
