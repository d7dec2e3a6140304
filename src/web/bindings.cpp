// What the shipped page sees of the WebAssembly module: the face it drives,
// the window's layout, the font choices and the format of the figure's
// operations.

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
        .function("drawingVersion", &WebFace::drawingVersion);
    emscripten::function("layout", &godo::web::pageLayout);
    emscripten::function("fontChoices", &godo::web::fontChoices);
    emscripten::function("opFormat", &godo::web::opFormat);
}
