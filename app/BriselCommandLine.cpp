#include "app/BriselCommandLine.h"

#include "app/BuildVersion.h"

namespace {

const char kUsage[] =
    "usage: brisel [--help] [--version] [--] [FILE...]\n"
    "Opens Brisel's window. Drop Metasequoia files (.mqo, .mqoz) on it: for each\n"
    "one whose face lines carry texture coordinates it writes NAME_noUV.mqo beside\n"
    "it, without the UV groups, and reports every step in the window. Files given\n"
    "here are converted once the window is up, as if dropped on it.\n"
    "Exit status: 0 when the window was closed, 2 on a usage error or when no\n"
    "window could be opened. brisel-nouv converts files without a window.\n";

int flushed(std::FILE* out) { return std::fflush(out) == 0 && !std::ferror(out) ? 0 : 1; }

}  // namespace

BriselCommandLine readBriselCommandLine(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
  BriselCommandLine line;
  bool optionsDone = false;
  for (const std::string& arg : args) {
    if (!optionsDone && arg == "--") {
      optionsDone = true;
    } else if (!optionsDone && arg == "--help") {
      std::fputs(kUsage, out);
      line.exitStatus = flushed(out);
      return line;
    } else if (!optionsDone && arg == "--version") {
      std::fprintf(out, "brisel %s (commit %s)\n", buildVersion(), buildCommit());
      line.exitStatus = flushed(out);
      return line;
    } else if (!optionsDone && arg.size() > 1 && arg[0] == '-') {
      std::fprintf(err, "brisel: unknown option '%s'\n%s", arg.c_str(), kUsage);
      line.exitStatus = 2;
      return line;
    } else {
      line.files.push_back(arg);
    }
  }
  return line;
}
