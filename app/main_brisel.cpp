#include <cstdio>
#include <string>

#include "app/BriselApp.h"
#include "app/BuildVersion.h"
#include "platform/runtime/Console.h"
#include "platform/desktop/Desktop.h"
#include "platform/runtime/ProcessGuards.h"

int main(int argc, char** argv) {
  nvrt::reserveStandardDescriptors();
  // Answered without a desktop. Any other argument is a file to convert.
  if (argc == 2 && std::string(argv[1]) == "--version") {
    std::printf("brisel %s (commit %s)\n", buildVersion(), buildCommit());
    return 0;
  }
  // The window's connection lost or the program killed by a signal: the
  // conversion under way leaves no temporary file behind.
  nvrt::removeTemporaryFileOnSignals(true);
  std::string reason;
  if (!nvrt::openDesktop(reason)) {
    std::fprintf(stderr,
                 "brisel: cannot open a window: %s.\n"
                 "Run it on a desktop, or convert files without a window: brisel-nouv FILE.mqo...\n",
                 reason.c_str());
    return 2;
  }
  return briselMain(nvrt::commandLineArguments(argc, argv));
}
