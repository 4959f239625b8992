// The terminal side of the run time: command-line arguments as code page 932
// paths, and code page 932 text written for a person to read.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace nvrt {

// The program's arguments after its name, as code page 932 (with escapes for
// characters it lacks, so that every name still opens).
std::vector<std::string> commandLineArguments(int argc, char** argv);

// Writes code page 932 text, lines each ending in "\n", to a terminal or a
// file in one go, and flushes it. False when it could not all be written
// (a closed pipe, a full disk).
bool writeConsoleText(std::FILE* stream, std::string_view cp932Lines);

}  // namespace nvrt
