// The paths of a file drop, as code page 932 names for the framework.
#pragma once

#include <string>
#include <vector>

#include "platform/win32.h"

namespace nvrt {

// Every path the drop carries, in the order the window system delivered them,
// each at its full length. Names with characters that code page 932 lacks
// keep them as escapes (TextCodec.h), so that the file still opens.
std::vector<std::string> droppedFiles(HDROP drop);

}  // namespace nvrt
