// Byte-level helpers of the text box: Shift-JIS character boundaries and the
// fixed Japanese-layout map from virtual keys to characters.
#pragma once

#include <cstdint>

#include "framework/core/NVString.h"

namespace nvtextbox {

bool isLeadByte(unsigned char byte);
// Whether walking the text character by character lands on `position` and
// the byte there begins a double-byte character.
bool characterStartsAt(const NVString& text, int position);
// Whether a double-byte character covers both `position` - 1 and `position`.
bool isInsideCharacter(const NVString& text, int position);
// The character that virtual key `key` types, or 0 when it types none.
char mapKey(std::uint8_t key, bool shifted);

}  // namespace nvtextbox
