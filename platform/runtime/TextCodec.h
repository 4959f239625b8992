// Conversions between the framework's code page 932 strings and the host's
// names and terminals.
//
// File names on a host may hold characters that code page 932 lacks (an
// emoji, Hangul) or, on Linux, bytes that are not UTF-8 at all. Such a
// character travels through the framework as an escape: two characters of
// code page 932's user-defined area (lead bytes 0xF0 to 0xF9) that together
// number the code point or the raw byte. Converting back restores the exact
// name, so every file keeps its identity; user-defined characters of a real
// name are escaped the same way, which keeps the scheme unambiguous.
#pragma once

#include <string>
#include <string_view>

namespace nvrt {

// A host file name in UTF-8 (any bytes) to code page 932 with escapes.
// Backslashes are escaped too: on Linux they are part of a name, never a
// separator.
std::string utf8ToCp932Name(std::string_view utf8);

// The exact inverse of utf8ToCp932Name; bytes that are not code page 932
// pass through unchanged.
std::string cp932NameToUtf8(std::string_view cp932);

// UTF-16 names (Windows) to code page 932 with escapes, and back. Backslashes
// stay separators here.
std::string wideToCp932Name(std::u16string_view wide);
std::u16string cp932NameToWide(std::string_view cp932);

// Code page 932 text for people: escaped characters are shown as themselves,
// raw bytes and invalid code page 932 bytes as U+FFFD.
std::string cp932ToUtf8Display(std::string_view cp932);

// UTF-8 text (the program's own messages) to code page 932; characters that
// code page 932 lacks become escapes as in names.
std::string utf8ToCp932Text(std::string_view utf8);

}  // namespace nvrt
