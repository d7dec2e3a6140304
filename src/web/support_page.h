#pragma once
// The support settings as the page sees them: the settings' names and
// defaults, every colour scheme with the colours the window shows in it, the
// font choices with their families, and the menu's texts. The page takes
// every colour and name it shows from here.

#include <emscripten/val.h>

#include <string>

namespace godo::web {

// As JSON: { names: { colours, font }, defaults: { colors: …, font: … }, highContrast:
//   the scheme for a device that asks for more contrast, texts: { menu,
//   colours, font, copy, save, savePng, noClipboard }, figure: { name, pixels:
//   [width, height], svg and png: { extension, type } }, schemes: [{ name, caption, pens: [16 colours],
//   picture: the picture area's background (the erase pen), window,
//   labelText, frameShadow, frameLight, focus }], fonts: [{ name, caption,
//   families }] }, every colour as [r, g, b]
std::string pageSupport();

// The settings that `text` ("colors=cud&font=ud", as a link or the stored
// choice spells them) gives, as { name: value }; a pair whose name or value
// the program does not know is left out.
emscripten::val givenSettings(const std::string& text);

} // namespace godo::web
