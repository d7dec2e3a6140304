// The native core's figure for one angle of line ｎ with every combination
// of the overlays, as JSON on standard output: what the WebAssembly module's
// figureCases() gives in the page, for the comparison in same_ops.test.mjs.
// Usage: dump_ops KAKUDO

#include "ops_json.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s KAKUDO\n", argv[0]);
        return 2;
    }
    const int kakudo = std::atoi(argv[1]);
    if (kakudo < 0 || kakudo > 170) {
        std::fprintf(stderr, "%s: KAKUDO lies in 0..170\n", argv[0]);
        return 2;
    }
    const std::string json = godo::web::figureCasesJson(static_cast<int16_t>(kakudo));
    std::fwrite(json.data(), 1, json.size(), stdout);
    std::fputc('\n', stdout);
    return 0;
}
