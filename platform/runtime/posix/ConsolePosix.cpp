#include "platform/runtime/Console.h"
#include "platform/runtime/TextCodec.h"

namespace nvrt {

std::vector<std::string> commandLineArguments(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(utf8ToCp932Name(argv[i]));
  return args;
}

bool writeConsoleText(std::FILE* stream, std::string_view cp932Lines) {
  const std::string utf8 = cp932ToUtf8Display(cp932Lines);
  const bool written = std::fwrite(utf8.data(), 1, utf8.size(), stream) == utf8.size();
  return std::fflush(stream) == 0 && written;
}

}  // namespace nvrt
