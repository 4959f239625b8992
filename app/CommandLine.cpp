#include "app/CommandLine.h"

#include "app/BuildVersion.h"

namespace {

int flushed(std::FILE* out) { return std::fflush(out) == 0 && !std::ferror(out) ? 0 : 1; }

}  // namespace

CommandLine readCommandLine(const std::vector<std::string>& args, const char* program, const char* usage,
                            std::FILE* out, std::FILE* err) {
  CommandLine line;
  bool optionsDone = false;
  for (const std::string& arg : args) {
    if (!optionsDone && arg == "--") {
      optionsDone = true;
    } else if (!optionsDone && arg == "--help") {
      std::fputs(usage, out);
      line.exitStatus = flushed(out);
      return line;
    } else if (!optionsDone && arg == "--version") {
      std::fprintf(out, "%s %s (commit %s)\n", program, buildVersion(), buildCommit());
      line.exitStatus = flushed(out);
      return line;
    } else if (!optionsDone && arg.size() > 1 && arg[0] == '-') {
      std::fprintf(err, "%s: unknown option '%s'\n%s", program, arg.c_str(), usage);
      line.exitStatus = 2;
      return line;
    } else {
      line.files.push_back(arg);
    }
  }
  return line;
}
