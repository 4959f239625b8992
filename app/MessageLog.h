// The tool's message log: the last lines of what it did, shown in the
// message widget one per line, oldest first. Written on the program's main
// thread; its lines may be copied from any thread.
#pragma once

#include <deque>
#include <functional>
#include <mutex>
#include <vector>

#include "framework/core/NVString.h"

class MessageLog {
 public:
  static constexpr int MaxMessageLines = 20;

  // Appends a line, drops the oldest beyond the limit, shows the result on
  // the display and tells the listener.
  void add(const NVString& line);
  // Every line, oldest first, each followed by "\n".
  NVString text() const;
  // A copy of the lines, oldest first.
  std::vector<NVString> snapshot() const;
  void clear();
  // Called with every added line (the terminal front end prints them).
  void setListener(std::function<void(const NVString&)> listener) { listener_ = std::move(listener); }
  // Called with the joined text after every added line (the window program
  // passes setMessageText). The log itself knows no window, so the terminal
  // program links none.
  void setDisplay(std::function<void(NVString)> display) { display_ = std::move(display); }

 private:
  // Guards lines_ only; held for no call out of the log.
  mutable std::mutex linesMutex_;
  std::deque<NVString> lines_;
  std::function<void(const NVString&)> listener_;
  std::function<void(NVString)> display_;
};

// The application's one log.
MessageLog& applicationLog();
// Adds a line to the application's log.
void addMessage(NVString line);
