// Layered windows (a constant opacity for a top-level window): part of the
// system headers on Windows, a header of its own on the portable host.
#pragma once

#include "platform/win32.h"

#if !defined(_WIN32)
#include "host/include/nvhost_layered.h"
#endif
