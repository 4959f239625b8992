// Switches the process to the Japanese locale for the opening of a file and
// back to "C" afterwards, on every path out of the scope. Where the host has
// no such locale (or, like Linux, needs none because paths are converted
// explicitly) it does nothing.
#pragma once

namespace nvrt {

class ScopedOpenLocale {
 public:
  ScopedOpenLocale();
  ~ScopedOpenLocale();
  ScopedOpenLocale(const ScopedOpenLocale&) = delete;
  ScopedOpenLocale& operator=(const ScopedOpenLocale&) = delete;

 private:
  [[maybe_unused]] bool switched_ = false;  // only some hosts switch
};

}  // namespace nvrt
