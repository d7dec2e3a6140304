#pragma once
// The core's values as the page's JavaScript takes them: texts as strings,
// colours as CSS colours.

#include "draw/palette.h"
#include "lesson/utf.h"

#include <emscripten/val.h>

#include <string>
#include <string_view>

namespace godo::web {

inline emscripten::val js(std::u16string_view s) { return emscripten::val(toUtf8(s)); }

inline std::string css(Rgb c)
{
    return "rgb(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

} // namespace godo::web
