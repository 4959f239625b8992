#include "toolkit/dv_Report.h"

#include <cstdarg>
#include <cstdio>

#include "toolkit/dv_ErrorQueue.h"

namespace {

std::string formatList(const char* format, va_list args) {
  char buffer[1024];
  const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
  if (n < 0) return std::string();
  return std::string(buffer);
}

}  // namespace

void dv_ReportError(const std::string& className, const std::string& functionName, int code,
                    const std::string& message) {
  dv_ErrorQueue::instance().report(className, functionName, code, message);
}

void dv_ReportError(const std::string& className, const std::string& functionName, int code) {
  dv_ErrorQueue::instance().report(className, functionName, code, std::string());
}

void dv_ReportError(const std::string& message) { dv_ErrorQueue::instance().report(message); }

void dv_ReportFormatted(const char* format, ...) {
  // Formatting is skipped altogether while reports are off.
  if (dv_ErrorQueue::instance().getMode() == 0) return;
  va_list args;
  va_start(args, format);
  const std::string text = formatList(format, args);
  va_end(args);
  dv_ErrorQueue::instance().report(text);
}

std::string dv_Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  const std::string text = formatList(format, args);
  va_end(args);
  return text;
}

void dv_SetReportMode(int mode) { dv_ErrorQueue::instance().setMode(mode); }
int dv_GetReportMode() { return dv_ErrorQueue::instance().getMode(); }
bool dv_SetReportFile(const std::string& path) { return dv_ErrorQueue::instance().setLogFile(path); }
bool dv_FlushOneReport() { return dv_ErrorQueue::instance().flushOne(); }
