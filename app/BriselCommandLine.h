// The window program's command line: the options answered in the terminal
// without a desktop, and the files a file manager's "Open with" passes.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "app/CommandLine.h"

// readCommandLine with brisel's name and usage; `files` are for the window.
CommandLine readBriselCommandLine(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
