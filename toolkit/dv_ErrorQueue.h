// The toolkit's one error queue: every rejected toolkit call and every math
// print files a report here, and the output mode decides what becomes of it.
#pragma once

#include <cstdio>
#include <deque>
#include <string>

class dv_ErrorQueue {
 public:
  dv_ErrorQueue() = default;
  ~dv_ErrorQueue();
  dv_ErrorQueue(const dv_ErrorQueue&) = delete;
  dv_ErrorQueue& operator=(const dv_ErrorQueue&) = delete;

  // The process-wide queue.
  static dv_ErrorQueue& instance();

  // A located report (class, function, code, message).
  void report(const std::string& className, const std::string& functionName, int code, const std::string& message);
  // A message-only report, printed without the class and function header.
  void report(const std::string& message);

  // Modes 0 to 9; other values are ignored.
  void setMode(int mode);
  int getMode() const { return mode_; }
  // Closes an open log file and opens `path` for appending.
  bool setLogFile(const std::string& path);
  bool hasLogFile() const { return logFile_ != nullptr; }

  // Writes the oldest report as the mode says and removes it. False in mode 0
  // or when nothing is queued.
  bool flushOne();
  // Removes the oldest report and gives its text, whatever the mode.
  bool takeOne(std::string& text);
  size_t size() const { return records_.size(); }
  void discardAll() { records_.clear(); }

 private:
  struct Record {
    std::string className;
    std::string functionName;
    int code = -1;
    std::string message;
    bool located = true;
  };

  void file(Record record);
  void write(const std::string& text);
  static std::string textOf(const Record& record);

  std::deque<Record> records_;
  int mode_ = 0;
  std::FILE* logFile_ = nullptr;
};
