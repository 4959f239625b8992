#include <cstdio>

#include "app/NouvCommand.h"
#include "platform/runtime/Console.h"

int main(int argc, char** argv) {
  return runNouv(nvrt::commandLineArguments(argc, argv), stdout, stderr);
}
