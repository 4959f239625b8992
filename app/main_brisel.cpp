#include <cstdio>
#include <string>

#include "app/BriselApp.h"
#include "app/BuildVersion.h"
#include "platform/runtime/Console.h"
#include "platform/runtime/Desktop.h"

int main(int argc, char** argv) {
  // Answered without a desktop. Any other argument is a file to convert.
  if (argc == 2 && std::string(argv[1]) == "--version") {
    std::printf("brisel %s (commit %s)\n", buildVersion(), buildCommit());
    return 0;
  }
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
