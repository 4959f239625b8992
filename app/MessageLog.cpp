#include "app/MessageLog.h"

void MessageLog::add(const NVString& line) {
  {
    std::lock_guard lock(linesMutex_);
    lines_.push_back(line);
    while (lines_.size() > static_cast<size_t>(MaxMessageLines)) lines_.pop_front();
  }
  if (display_) display_(text());
  if (listener_) listener_(line);
}

std::vector<NVString> MessageLog::snapshot() const {
  std::lock_guard lock(linesMutex_);
  return {lines_.begin(), lines_.end()};
}

void MessageLog::clear() {
  std::lock_guard lock(linesMutex_);
  lines_.clear();
}

NVString MessageLog::text() const {
  std::lock_guard lock(linesMutex_);
  std::string joined;
  for (const NVString& line : lines_) {
    joined += line.bytes();
    joined += '\n';
  }
  return NVString(joined);
}

MessageLog& applicationLog() {
  static MessageLog log;
  return log;
}

void addMessage(NVString line) { applicationLog().add(line); }
