// The display drivers of this build, by name.
#include "platform/host/display/Display.h"
#include "platform/host/display/null/NullDisplay.h"
#include "platform/host/display/sdl/SdlDisplay.h"

namespace nvhost {

extern const DisplayDriverEntry kDisplayDrivers[] = {
    {"null", [] { return std::unique_ptr<Display>(new NullDisplay); }},
    {"sdl", &SdlDisplay::create},
};
extern const size_t kDisplayDriverCount = sizeof(kDisplayDrivers) / sizeof(kDisplayDrivers[0]);

}  // namespace nvhost
