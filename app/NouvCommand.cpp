#include "app/NouvCommand.h"

#include "app/BuildVersion.h"
#include "app/MessageLog.h"
#include "app/RemoveUV.h"
#include "platform/runtime/Console.h"

namespace {

const char kUsage[] =
    "usage: brisel-nouv [--help] [--version] [--] FILE...\n"
    "Writes NAME_noUV.mqo beside each Metasequoia file NAME.mqo, without the UV\n"
    "groups of its face lines, and prints what it did for each file.\n"
    "Exit status: 0 when every file was converted or had no UV data, 1 when any\n"
    "was refused or failed, 2 on a usage error.\n";

}  // namespace

int runNouv(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
  std::vector<std::string> files;
  bool optionsDone = false;
  for (const std::string& arg : args) {
    if (!optionsDone && arg == "--") {
      optionsDone = true;
    } else if (!optionsDone && arg == "--help") {
      std::fputs(kUsage, out);
      return 0;
    } else if (!optionsDone && arg == "--version") {
      std::fprintf(out, "brisel-nouv %s (commit %s)\n", buildVersion(), buildCommit());
      return 0;
    } else if (!optionsDone && arg.size() > 1 && arg[0] == '-') {
      std::fprintf(err, "brisel-nouv: unknown option '%s'\n%s", arg.c_str(), kUsage);
      return 2;
    } else {
      files.push_back(arg);
    }
  }
  if (files.empty()) {
    std::fputs(kUsage, err);
    return 2;
  }
  applicationLog().setListener(
      [out](const NVString& line) { nvrt::writeConsoleLine(out, line.bytes()); });
  bool allGood = true;
  for (const std::string& file : files) allGood = removeUV(NVString(file)) && allGood;
  applicationLog().setListener(nullptr);
  return allGood ? 0 : 1;
}
