#pragma once
// libcups, opened at the first print instead of at start: linked into the
// program, it would load GnuTLS, Kerberos and Avahi with it and initialise
// them before the window appears (some 9 million instructions and 3 MB of
// memory at every start) for a button that many lessons never press.

#include <cups/cups.h>

namespace godo {

#define GODO_CUPS_FUNCTIONS(X)                                                                                  \
    X(httpConnect2) X(httpSetTimeout) X(httpClose) X(httpAssembleURIf) X(cupsServer) X(ippPort)                \
    X(cupsEncryption) X(cupsGetNamedDest) X(cupsFreeDests) X(cupsGetOption) X(ippNewRequest) X(ippAddString)   \
    X(ippAddStrings) X(cupsDoRequest) X(cupsGetResponse) X(ippGetStatusCode) X(ippFindAttribute)                \
    X(ippGetBoolean) X(ippGetInteger) X(ippGetString) X(ippDelete) X(cupsLastErrorString) X(cupsCreateJob)     \
    X(cupsStartDocument) X(cupsWriteRequestData) X(cupsCancelJob2)

// The functions of libcups that printing uses, under their own names.
struct CupsLibrary {
#define GODO_CUPS_MEMBER(name) decltype(&::name) name = nullptr;
    GODO_CUPS_FUNCTIONS(GODO_CUPS_MEMBER)
#undef GODO_CUPS_MEMBER
};

// Opened on the first call and kept; null when libcups is not installed or
// lacks one of the functions.
const CupsLibrary* cupsLibrary();

} // namespace godo
