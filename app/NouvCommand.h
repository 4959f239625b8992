// brisel-nouv: the conversion from a terminal, for batches.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// Converts each file of `args` (code page 932 paths) as a drop would, printing
// every message line to `out`. Returns 0 when every file was converted or had
// no UV data, 1 when any was refused or failed or the messages could not be
// written, 2 on a usage error.
int runNouv(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
