// What the page sees of the WebAssembly module: the face, the layout and,
// for tests, the figure's operations at any state.

#include "web/ops_json.h"
#include "web/web_face.h"

#include <emscripten/bind.h>

namespace {
std::string figureCases(int kakudo) { return godo::web::figureCasesJson(static_cast<int16_t>(kakudo)); }
} // namespace

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
        .function("state", &WebFace::state)
        .function("setStateForTesting", &WebFace::setStateForTesting);
    emscripten::constant("opFields", godo::web::kOpFields);
    emscripten::function("layout", &godo::web::pageLayout);
    emscripten::function("figureCases", &figureCases);
}
