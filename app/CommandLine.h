// The command line both programs share: --help and --version answered at
// once, an unknown option refused, "--" ending the options, files in order.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

struct CommandLine {
  // The status to exit with at once (--help, --version, a usage error), or
  // -1 when the program is to go on with `files`.
  int exitStatus = -1;
  std::vector<std::string> files;
};

// Reads `args` (code page 932) of `program`: --help prints `usage` to `out`,
// --version the program's version and commit, both exiting 0 (1 when `out`
// cannot be written); an unknown option prints a complaint and `usage` to
// `err` and exits 2. Every other argument, and each one after "--", is a file.
CommandLine readCommandLine(const std::vector<std::string>& args, const char* program, const char* usage,
                            std::FILE* out, std::FILE* err);
