// Test text written in UTF-8 as the code page 932 bytes the framework and the
// host's text calls take.
#pragma once

#include <string>

#include "platform/runtime/TextCodec.h"

inline std::string sjis(const char* utf8) { return nvrt::utf8ToCp932Text(utf8); }
