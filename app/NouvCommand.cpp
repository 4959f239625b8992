#include "app/NouvCommand.h"

#include "app/CommandLine.h"
#include "app/MessageLog.h"
#include "app/RemoveUV.h"
#include "platform/runtime/Console.h"

namespace {

const char kUsage[] =
    "usage: brisel-nouv [--help] [--version] [--] FILE...\n"
    "Writes NAME_noUV.mqo beside each Metasequoia file NAME.mqo, without the UV\n"
    "groups of its face lines, and prints what it did for each file.\n"
    "A compressed model NAME.mqoz becomes NAME_noUV.mqoz the same way.\n"
    "Exit status: 0 when every file was converted or had no UV data, 1 when any\n"
    "was refused or failed or the messages could not be written, 2 on a usage\n"
    "error. If standard output is closed meanwhile (a pipe to head), the\n"
    "messages stop and the remaining files are still converted.\n";

}  // namespace

int runNouv(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
  const CommandLine command = readCommandLine(args, "brisel-nouv", kUsage, out, err);
  if (command.exitStatus >= 0) return command.exitStatus;
  const std::vector<std::string>& files = command.files;
  if (files.empty()) {
    std::fputs(kUsage, err);
    return 2;
  }
  // The messages of one file are gathered and written together: one write per
  // file, not per line. Once the log cannot be written (a closed pipe, a
  // full disk) it ends there, and the conversions go on.
  std::string pending;
  bool logWritten = true;
  applicationLog().setListener([&pending](const NVString& line) {
    pending += line.bytes();
    pending += '\n';
  });
  bool allGood = true;
  for (const std::string& file : files) {
    allGood = removeUV(NVString(file)) && allGood;
    if (logWritten) logWritten = nvrt::writeConsoleText(out, pending);
    pending.clear();
  }
  applicationLog().setListener(nullptr);
  return allGood && logWritten ? 0 : 1;
}
