#pragma once
// The core's texts are UTF-16; embind hands strings to and from JavaScript
// as UTF-8. These convert between the two without loss.

#include <string>
#include <string_view>

namespace godo::web {

std::string toUtf8(std::u16string_view s);
std::u16string toUtf16(std::string_view s);

} // namespace godo::web
