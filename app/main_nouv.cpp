#include <cstdio>

#include "app/NouvCommand.h"
#include "platform/runtime/Console.h"
#include "platform/runtime/ProcessGuards.h"

int main(int argc, char** argv) {
  nvrt::reserveStandardDescriptors();
  // A closed pipe on standard output only ends the messages; the files are
  // still converted.
  nvrt::removeTemporaryFileOnSignals(false);
  return runNouv(nvrt::commandLineArguments(argc, argv), stdout, stderr);
}
