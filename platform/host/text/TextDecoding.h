// Code page 932 bytes to the code points the engine draws.
#pragma once

#include <string>
#include <string_view>

namespace nvhost::text {

// The character a rejected byte (0x80, 0xA0, 0xFD, a lead byte without a
// valid trail byte…) is drawn as. No installed Japanese face has it, so it
// shows as the face's missing-glyph box.
constexpr char32_t kReplacementMark = 0xFFFD;

// Decodes with iconv's "CP932" table. The project's name escapes (pairs of
// user-defined characters standing for a character code page 932 lacks) are
// shown as that character, escaped raw bytes and invalid bytes as
// kReplacementMark, one per rejected byte.
std::u32string decodeCp932(std::string_view bytes);

}  // namespace nvhost::text
