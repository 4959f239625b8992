// Names of files given to the program at start.
#pragma once

#include <string>
#include <vector>

// The names (code page 932) with every relative one made absolute against the
// current folder: the folder the user started the program in, as long as
// this runs before anything changes it.
std::vector<std::string> resolveStartPaths(const std::vector<std::string>& paths);
