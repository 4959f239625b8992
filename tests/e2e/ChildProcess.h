// Programs that the real-window tests start: a line reader on their output
// and waits that always end.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace e2e {

class ChildProcess {
 public:
  // Starts `argv[0]` with environment entries ("NAME=value") that add to or
  // replace the inherited ones.
  ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment = {});
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return pid_ > 0; }
  // The next line of standard output, or false when none came within the
  // limit or the program closed its output.
  bool readLine(std::string& line, int limitMs = 10000);
  // Waits for the program to end; false when it is still running at the
  // limit. `status` is the exit status, or -1 for a signal.
  bool wait(int& status, int limitMs = 10000);

 private:
  pid_t pid_ = -1;
  int output_ = -1;
  std::string buffered_;
  bool ended_ = false;
};

// The path of a program, or empty when it is not installed.
std::string findProgram(const std::string& name);

}  // namespace e2e
