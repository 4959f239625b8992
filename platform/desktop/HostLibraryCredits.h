// The third-party libraries the system interface of this build is built on,
// one line each: name, version as the library's headers reported it when
// the program was compiled, rights holder and web address.
#pragma once

#include <string>
#include <vector>

namespace nvrt {

std::vector<std::string> hostLibraryCredits();

}  // namespace nvrt
