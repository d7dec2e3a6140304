#include "web/support_page.h"

#include "lesson/support.h"
#include "lesson/texts.h"
#include "web/js_values.h"

#include <string_view>

using emscripten::val;

namespace godo::web {

namespace {

// The table goes to the page as one JSON text: a few hundred values, which
// one by one across the module's boundary would cost the first figure
// milliseconds.
class Json {
public:
    Json& raw(std::string_view s)
    {
        out_ += s;
        return *this;
    }
    Json& text(std::string_view s)
    {
        out_ += '"';
        for (char c : s) {
            if (c == '"' || c == '\\')
                out_ += '\\';
            if (static_cast<unsigned char>(c) < 0x20)
                continue; // none of the core's texts has a control character
            out_ += c;
        }
        out_ += '"';
        return *this;
    }
    Json& text(std::u16string_view s) { return text(toUtf8(s)); }
    Json& key(std::string_view k) { return comma().text(k).raw(":"); }
    Json& colour(Rgb c) { return text(css(c)); }
    Json& open(char bracket)
    {
        comma();
        out_ += bracket;
        first_ = true;
        return *this;
    }
    Json& close(char bracket)
    {
        out_ += bracket;
        first_ = false;
        return *this;
    }
    // Before a value in a list; after a key nothing is needed.
    Json& item()
    {
        comma();
        return *this;
    }
    std::string str() const { return out_; }

private:
    Json& comma()
    {
        if (!first_ && !out_.empty() && out_.back() != ':')
            out_ += ',';
        first_ = false;
        return *this;
    }
    std::string out_;
    bool first_ = true;
};

void scheme(Json& j, const ColourScheme& s)
{
    j.open('{');
    j.key("name").text(s.name);
    j.key("caption").text(s.caption);
    j.key("pens").open('[');
    for (Rgb c : s.pens)
        j.item().colour(c);
    j.close(']');
    j.key("picture").colour(s.pen(kBackground));
    j.key("window").colour(s.window);
    j.key("labelText").colour(s.labelText);
    j.key("frameShadow").colour(s.frameShadow);
    j.key("frameLight").colour(s.frameLight);
    j.key("focus").colour(s.focus);
    j.close('}');
}

} // namespace

std::string pageSupport()
{
    Json j;
    j.open('{');
    j.key("names").open('{');
    j.key("colours").text(setting::kColours);
    j.key("font").text(setting::kFont);
    j.close('}');
    j.key("defaults").open('{');
    for (const SettingValue& v : settingValues(SupportSettings{}))
        j.key(v.name).text(v.value);
    j.close('}');
    j.key("highContrast").text(colourScheme(ColourSchemeId::WhiteOnBlack).name);
    j.key("texts").open('{');
    j.key("menu").text(texts::support::kMenu);
    j.key("colours").text(texts::support::kColours);
    j.key("font").text(texts::support::kFont);
    j.close('}');
    j.key("schemes").open('[');
    for (const ColourScheme& s : colourSchemes())
        scheme(j, s);
    j.close(']');
    j.key("fonts").open('[');
    for (const FontChoice& f : fontChoices()) {
        j.open('{');
        j.key("name").text(f.name);
        j.key("caption").text(f.caption);
        j.key("families").open('[');
        for (std::u16string_view family : fontFamilies(f))
            j.item().text(family);
        j.close(']');
        j.close('}');
    }
    j.close(']');
    j.close('}');
    return j.str();
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
