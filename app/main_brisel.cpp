#include <cstdio>
#include <string>

#include "app/BriselApp.h"
#include "app/BriselCommandLine.h"
#include "platform/runtime/Console.h"
#include "platform/desktop/Desktop.h"
#include "platform/runtime/ProcessGuards.h"

int main(int argc, char** argv) {
  nvrt::reserveStandardDescriptors();
  // The options are answered without a desktop; files open the window.
  const CommandLine line = readBriselCommandLine(nvrt::commandLineArguments(argc, argv), stdout, stderr);
  if (line.exitStatus >= 0) return line.exitStatus;
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
  return briselMain(line.files);
}
