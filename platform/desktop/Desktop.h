// Reaching the desktop the program's windows appear on.
#pragma once

#include <string>

namespace nvrt {

// Prepares the real display for the windows to come. False, with a reason a
// person can act on, when there is none (no display server, no driver).
bool openDesktop(std::string& reason);

}  // namespace nvrt
