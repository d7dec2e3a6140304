#include "lesson/support.h"

#include "lesson/layout.h"
#include "lesson/texts.h"

#include <array>

namespace godo {

namespace {

// BIZ UDPGothic, a universal-design face whose letters are told apart more
// easily; the layout's own faces stand in where it is missing.
constexpr std::u16string_view kUdFamilies[] = {u"BIZ UDPGothic"};

const FontChoice kFonts[] = {
    {FontChoiceId::Standard, "standard", texts::support::kFontStandard, {}},
    {FontChoiceId::Ud, "ud", texts::support::kFontUd, kUdFamilies},
};

} // namespace

std::span<const FontChoice> fontChoices() { return kFonts; }

const FontChoice& fontChoice(FontChoiceId id) { return kFonts[static_cast<std::size_t>(id)]; }

std::vector<std::u16string_view> fontFamilies(const FontChoice& choice)
{
    const WindowLayout& layout = windowLayout();
    std::vector<std::u16string_view> out(choice.first.begin(), choice.first.end());
    out.push_back(layout.fontFamily);
    out.insert(out.end(), layout.fallbackFamilies.begin(), layout.fallbackFamilies.end());
    return out;
}
bool applySetting(SupportSettings& settings, std::string_view name, std::string_view value)
{
    if (name == setting::kColours) {
        if (const ColourScheme* s = findColourScheme(value)) {
            settings.colours = s->id;
            return true;
        }
    } else if (name == setting::kFont) {
        for (const FontChoice& f : kFonts)
            if (f.name == value) {
                settings.font = f.id;
                return true;
            }
    }
    return false;
}

std::array<SettingValue, 2> settingValues(const SupportSettings& settings)
{
    return {{{setting::kColours, settings.scheme().name}, {setting::kFont, settings.fontFace().name}}};
}

std::string settingChoices(std::string_view name)
{
    std::string out;
    const auto add = [&out](std::string_view v) {
        if (!out.empty())
            out += '|';
        out += v;
    };
    if (name == setting::kColours)
        for (const ColourScheme& s : colourSchemes())
            add(s.name);
    if (name == setting::kFont)
        for (const FontChoice& f : kFonts)
            add(f.name);
    return out;
}

} // namespace godo
