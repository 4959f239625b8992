#include "toolkit/dv_ErrorQueue.h"

#include <utility>

namespace {

// The two output hooks of modes 1, 2, 7 and 8: nothing in this system
// listens to them, so they discard the text.
void firstOutputHook(const std::string&) {}
void secondOutputHook(const std::string&) {}

}  // namespace

dv_ErrorQueue::~dv_ErrorQueue() {
  if (logFile_ != nullptr) std::fclose(logFile_);
}

dv_ErrorQueue& dv_ErrorQueue::instance() {
  static dv_ErrorQueue queue;
  return queue;
}

void dv_ErrorQueue::report(const std::string& className, const std::string& functionName, int code,
                           const std::string& message) {
  if (mode_ == 0) return;
  file(Record{className, functionName, code, message, true});
}

void dv_ErrorQueue::report(const std::string& message) {
  if (mode_ == 0) return;
  file(Record{std::string(), std::string(), -1, message, false});
}

void dv_ErrorQueue::file(Record record) {
  records_.push_back(std::move(record));
  // Odd modes print at once; even modes keep the report until asked.
  if (mode_ % 2 == 1) flushOne();
}

void dv_ErrorQueue::setMode(int mode) {
  if (mode < 0 || mode > 9) return;
  mode_ = mode;
}

bool dv_ErrorQueue::setLogFile(const std::string& path) {
  if (logFile_ != nullptr) {
    std::fclose(logFile_);
    logFile_ = nullptr;
  }
  logFile_ = std::fopen(path.c_str(), "a");
  return logFile_ != nullptr;
}

std::string dv_ErrorQueue::textOf(const Record& record) {
  if (!record.located) return record.message;
  char codeText[64];
  std::snprintf(codeText, sizeof codeText, " -- ErrorCode %d\n", record.code);
  return record.className + "::" + record.functionName + codeText + record.message;
}

bool dv_ErrorQueue::takeOne(std::string& text) {
  if (records_.empty()) return false;
  text = textOf(records_.front());
  records_.pop_front();
  return true;
}

bool dv_ErrorQueue::flushOne() {
  if (mode_ == 0) return false;
  std::string text;
  if (!takeOne(text)) return false;
  write(text);
  return true;
}

void dv_ErrorQueue::write(const std::string& text) {
  switch (mode_) {
    case 1:
    case 2: firstOutputHook(text); break;
    case 3:
    case 4: std::fprintf(stderr, "%s\n", text.c_str()); break;
    case 5:
    case 6: std::fprintf(stdout, "%s\n", text.c_str()); break;
    case 7:
    case 8: secondOutputHook(text); break;
    case 9:
      if (logFile_ != nullptr) {
        std::fprintf(logFile_, "%s\n", text.c_str());
        std::fflush(logFile_);
      }
      break;
    default: break;
  }
}
