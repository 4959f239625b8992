#include "platform/win32.h"
#include "platform/runtime/Console.h"
#include "platform/runtime/TextCodec.h"

#include <io.h>

namespace nvrt {

std::vector<std::string> commandLineArguments(int, char**) {
  // The narrow arguments are in the system's code page and may have lost
  // characters already; the wide command line has them all.
  std::vector<std::string> args;
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide) return args;
  for (int i = 1; i < count; ++i) {
    const std::wstring w(wide[i]);
    args.push_back(wideToCp932Name(std::u16string(w.begin(), w.end())));
  }
  LocalFree(wide);
  return args;
}

bool writeConsoleText(std::FILE* stream, std::string_view cp932Lines) {
  HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  DWORD mode = 0;
  std::fflush(stream);
  if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
    std::u16string text;
    for (char16_t c : cp932NameToWide(cp932Lines)) text += c == u'\n' ? std::u16string(u"\r\n") : std::u16string(1, c);
    DWORD written = 0;
    return WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
  }
  // Redirected: write UTF-8, which every tool of today reads.
  const std::string utf8 = cp932ToUtf8Display(cp932Lines);
  const bool written = std::fwrite(utf8.data(), 1, utf8.size(), stream) == utf8.size();
  return std::fflush(stream) == 0 && written;
}

}  // namespace nvrt
