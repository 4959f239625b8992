// Linux file names are opened by their converted UTF-8 form, so no locale is
// needed; switching the global locale here would only race with other threads.
#include "platform/runtime/ScopedOpenLocale.h"

namespace nvrt {

ScopedOpenLocale::ScopedOpenLocale() = default;
ScopedOpenLocale::~ScopedOpenLocale() = default;

}  // namespace nvrt
