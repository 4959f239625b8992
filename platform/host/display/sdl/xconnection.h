// What happens when the X connection is lost (the server ended, the client
// killed with XKillClient): the process ends from the display thread.
#pragma once

namespace nvhost::sdl {

// Makes a lost connection remove the temporary file of a conversion under
// way, say so on standard error and end the process with status 1. Harmless
// without X.
void cleanUpOnLostConnection();

}  // namespace nvhost::sdl
