#include "platform/desktop/Desktop.h"

namespace nvrt {

// Windows always has its desktop.
bool openDesktop(std::string&) { return true; }

}  // namespace nvrt
