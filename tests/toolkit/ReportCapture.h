// Collects the toolkit's reports for a test: the queue keeps them (mode 2)
// and the test takes them one by one.
#pragma once

#include <string>
#include <vector>

#include "toolkit/dv_ErrorQueue.h"

class ReportCapture {
 public:
  ReportCapture() {
    queue().discardAll();
    queue().setMode(2);
  }
  ~ReportCapture() {
    queue().setMode(0);
    queue().discardAll();
  }
  ReportCapture(const ReportCapture&) = delete;
  ReportCapture& operator=(const ReportCapture&) = delete;

  std::vector<std::string> take() {
    std::vector<std::string> texts;
    std::string text;
    while (queue().takeOne(text)) texts.push_back(text);
    return texts;
  }
  // The text of a located report, as the queue prints it.
  static std::string located(const std::string& cls, const std::string& fn, int code, const std::string& message) {
    return cls + "::" + fn + " -- ErrorCode " + std::to_string(code) + "\n" + message;
  }

 private:
  static dv_ErrorQueue& queue() { return dv_ErrorQueue::instance(); }
};
