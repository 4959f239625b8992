// Other clients of an X server, seen from a test.
#pragma once

#include <string>

namespace e2e {

// Cuts the connection of every client that has a top-level window on the
// display (what `xdotool windowkill` does to one); false when there was none
// or the display did not open.
bool killWindowClients(const std::string& displayName);

}  // namespace e2e
