// On Windows the system interface is the operating system's own; it adds no
// third-party library.
#include "platform/desktop/HostLibraryCredits.h"

namespace nvrt {

std::vector<std::string> hostLibraryCredits() { return {}; }

}  // namespace nvrt
