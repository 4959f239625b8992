// Files are opened by their wide paths, so the locale only matters to code
// that still reads narrow names; switch it as the framework always has.
#include <clocale>

#include "platform/runtime/ScopedOpenLocale.h"

namespace nvrt {

ScopedOpenLocale::ScopedOpenLocale() { switched_ = std::setlocale(LC_ALL, "Japanese_Japan.932") != nullptr; }

ScopedOpenLocale::~ScopedOpenLocale() {
  if (switched_) std::setlocale(LC_ALL, "C");
}

}  // namespace nvrt
