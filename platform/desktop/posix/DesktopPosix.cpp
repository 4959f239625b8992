#include "platform/host/display/sdl/SdlDisplay.h"
#include "platform/desktop/Desktop.h"

namespace nvrt {

bool openDesktop(std::string& reason) { return nvhost::SdlDisplay::select(reason); }

}  // namespace nvrt
