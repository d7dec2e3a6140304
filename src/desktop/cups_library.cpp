#include "desktop/cups_library.h"

#include <dlfcn.h>

namespace godo {

namespace {

const CupsLibrary* open()
{
    // Debian's libcups2; the library stays loaded for the rest of the run.
    void* handle = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return nullptr;
    static CupsLibrary library;
#define GODO_CUPS_RESOLVE(name)                                                                                 \
    library.name = reinterpret_cast<decltype(&::name)>(dlsym(handle, #name));                                  \
    if (!library.name)                                                                                          \
        return nullptr;
    GODO_CUPS_FUNCTIONS(GODO_CUPS_RESOLVE)
#undef GODO_CUPS_RESOLVE
    return &library;
}

} // namespace

const CupsLibrary* cupsLibrary()
{
    static const CupsLibrary* const library = open();
    return library;
}

} // namespace godo
