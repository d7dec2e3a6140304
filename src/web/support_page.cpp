#include "web/support_page.h"

#include "lesson/support.h"
#include "lesson/texts.h"
#include "web/js_values.h"

#include <string_view>

using emscripten::val;

namespace godo::web {

namespace {

val schemeObject(const ColourScheme& s)
{
    val o = val::object();
    o.set("name", std::string(s.name));
    o.set("caption", js(s.caption));
    val pens = val::array();
    for (Rgb c : s.pens)
        pens.call<void>("push", css(c));
    o.set("pens", pens);
    o.set("picture", css(s.pen(kBackground)));
    o.set("window", css(s.window));
    o.set("labelText", css(s.labelText));
    o.set("frameShadow", css(s.frameShadow));
    o.set("frameLight", css(s.frameLight));
    o.set("focus", css(s.focus));
    return o;
}

} // namespace

val pageSupport()
{
    val out = val::object();
    val names = val::object();
    names.set("colours", std::string(setting::kColours));
    names.set("font", std::string(setting::kFont));
    out.set("names", names);
    val defaults = val::object();
    for (const SettingValue& v : settingValues(SupportSettings{}))
        defaults.set(std::string(v.name), std::string(v.value));
    out.set("defaults", defaults);
    out.set("highContrast", std::string(colourScheme(ColourSchemeId::WhiteOnBlack).name));

    val texts = val::object();
    texts.set("menu", js(texts::support::kMenu));
    texts.set("colours", js(texts::support::kColours));
    texts.set("font", js(texts::support::kFont));
    out.set("texts", texts);

    val schemes = val::array();
    for (const ColourScheme& s : colourSchemes())
        schemes.call<void>("push", schemeObject(s));
    out.set("schemes", schemes);

    val fonts = val::array();
    for (const FontChoice& f : fontChoices()) {
        val o = val::object();
        o.set("name", std::string(f.name));
        o.set("caption", js(f.caption));
        val families = val::array();
        for (std::u16string_view family : fontFamilies(f))
            families.call<void>("push", js(family));
        o.set("families", families);
        fonts.call<void>("push", o);
    }
    out.set("fonts", fonts);
    return out;
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
