// Runs a program with arguments (no shell) and collects its exit status and
// standard output and error. The variables named in `unset` are taken out of
// the environment it inherits.
#pragma once

#include <string>
#include <vector>

struct ProgramResult {
  int exitCode = -1;  // -1 when it did not exit normally
  std::string out;
  std::string err;
};

ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& workingDirectory = "", const std::vector<std::string>& unset = {});

// Reads a child's output and error pipes (either may be -1) until both
// close, so that neither can fill up and stall the child; closes them.
void readUntilClosed(int outFd, int errFd, std::string& out, std::string& err);

// The path of a program built with this tree.
std::string builtProgram(const std::string& name);
