// What the test build of the module adds for the browser suites, and the
// shipped page leaves out: the face's figure state, a way to set one of its
// fields out of the lesson's range, and the figure's operations at any state
// as JSON, to compare with the native core's.

#include "ops_json.h"
#include "web/web_face.h"

#include <emscripten/bind.h>

namespace {

emscripten::val faceState(const godo::web::WebFace& face) { return face.state(); }

bool setFaceState(godo::web::WebFace& face, const std::string& field, int value)
{
    return face.setStateForTesting(field, value);
}

std::string figureCases(int kakudo) { return godo::web::figureCasesJson(static_cast<int16_t>(kakudo)); }

} // namespace

EMSCRIPTEN_BINDINGS(godojoken_testing)
{
    emscripten::function("faceState", &faceState);
    emscripten::function("setFaceState", &setFaceState);
    emscripten::function("figureCases", &figureCases);
}
