// The host's own form of a code page 932 path, for opening files: UTF-8 bytes
// on Linux, UTF-16 on Windows, so that a name opens whatever the system's
// code page and whatever characters it holds.
#pragma once

#include <filesystem>
#include <string_view>

namespace nvrt {

std::filesystem::path nativePath(std::string_view cp932Path);

}  // namespace nvrt
