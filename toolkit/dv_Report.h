// The toolkit's reporting functions, all filing with the process-wide queue.
#pragma once

#include <string>

#if defined(__GNUC__)
#define DV_PRINTF_FORMAT(f, a) __attribute__((format(printf, f, a)))
#else
#define DV_PRINTF_FORMAT(f, a)
#endif

void dv_ReportError(const std::string& className, const std::string& functionName, int code,
                    const std::string& message);
void dv_ReportError(const std::string& className, const std::string& functionName, int code);
void dv_ReportError(const std::string& message);
// A message-only report formatted printf-style; output past 1023 characters
// is cut.
void dv_ReportFormatted(const char* format, ...) DV_PRINTF_FORMAT(1, 2);
// printf-style formatting into a string of at most 1023 characters.
std::string dv_Format(const char* format, ...) DV_PRINTF_FORMAT(1, 2);

void dv_SetReportMode(int mode);
int dv_GetReportMode();
bool dv_SetReportFile(const std::string& path);
bool dv_FlushOneReport();
