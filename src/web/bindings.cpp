// What the shipped page sees of the WebAssembly module: the face it drives,
// the window's layout, the font choices, the format of the figure's
// operations and the support settings.

#include "web/support_page.h"
#include "web/web_face.h"

#include <emscripten/bind.h>

EMSCRIPTEN_BINDINGS(godojoken)
{
    using godo::web::WebFace;
    emscripten::class_<WebFace>("WebFace")
        .constructor<emscripten::val>()
        .function("load", &WebFace::load)
        .function("clicked", &WebFace::clicked)
        .function("chosen", &WebFace::chosen)
        .function("drawing", &WebFace::drawing)
        .function("drawingVersion", &WebFace::drawingVersion)
        .function("setColourScheme", &WebFace::setColourScheme)
        .function("figureSvg", &WebFace::figureSvg)
        .function("pressed", &WebFace::pressed)
        .function("setRuby", &WebFace::setRuby)
        .function("spokenPress", &WebFace::spokenPress);
    emscripten::function("readingRuns", &godo::web::readingRuns);
    emscripten::function("layout", &godo::web::pageLayout);
    emscripten::function("fontChoices", &godo::web::fontChoices);
    emscripten::function("opFormat", &godo::web::opFormat);
    emscripten::function("support", &godo::web::pageSupport);
    emscripten::function("givenSettings", &godo::web::givenSettings);
}
