#include "app/BriselCommandLine.h"

namespace {

const char kUsage[] =
    "usage: brisel [--help] [--version] [--] [FILE...]\n"
    "Opens Brisel's window. Drop Metasequoia files (.mqo, .mqoz) on it: for each\n"
    "one whose face lines carry texture coordinates it writes NAME_noUV.mqo beside\n"
    "it, without the UV groups, and reports every step in the window. Files given\n"
    "here are converted once the window is up, as if dropped on it.\n"
    "Exit status: 0 when the window was closed, 2 on a usage error or when no\n"
    "window could be opened. brisel-nouv converts files without a window.\n";

}  // namespace

CommandLine readBriselCommandLine(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
  return readCommandLine(args, "brisel", kUsage, out, err);
}
