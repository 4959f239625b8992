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

// Writes one line of code page 932 text and a line break to a terminal or file.
void writeConsoleLine(std::FILE* stream, std::string_view cp932);

}  // namespace nvrt
