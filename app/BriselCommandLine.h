// The window program's command line: the options answered in the terminal
// without a desktop, and the files a file manager's "Open with" passes.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

struct BriselCommandLine {
  // The status to exit with at once (--help, --version, a usage error), or
  // -1 when the window is to be opened with `files`.
  int exitStatus = -1;
  std::vector<std::string> files;
};

// Reads `args` (code page 932): --help prints the usage to `out`, --version
// the version and commit, both exiting 0 (1 when `out` cannot be written);
// an unknown option prints a complaint and the usage to `err` and exits 2.
// Every other argument, and each one after "--", is a file.
BriselCommandLine readBriselCommandLine(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
