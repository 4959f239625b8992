// What happens when the X connection is lost (the server ended, the client
// killed with XKillClient): Xlib ends the process from the display thread.
#pragma once

namespace nvhost::sdl {

// Before the process ends that way, the temporary file of a conversion under
// way is removed. Harmless without X.
void cleanUpOnLostConnection();

}  // namespace nvhost::sdl
