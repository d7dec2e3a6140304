#pragma once
// The support settings as this device keeps them: the user's configuration
// through QSettings (~/.config/godojoken/godojoken.conf on Linux), one key
// per setting, named and valued as the core names them. It is the only thing
// the program stores.

#include "lesson/support.h"

namespace godo {

// What was stored, each setting at its default where nothing (or nothing the
// program knows) was.
SupportSettings storedSupportSettings();
void storeSupportSettings(const SupportSettings& settings);

} // namespace godo
