// The window program's options, answered in the terminal: the built program
// run as a child with no desktop in its environment, and the reading of the
// command line in-process.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/BriselCommandLine.h"
#include "tests/support/RunProgram.h"

namespace {

// Without these SDL finds no desktop, so any window the program tried to open
// would fail with status 2 and "cannot open a window".
const std::vector<std::string> kNoDesktop = {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"};

struct OptionCase {
  std::vector<std::string> args;
  int exitCode;
  std::string outStart;  // what standard output starts with
  // What a line of standard error starts with ("" when it stays empty); the
  // desktop libraries may complain on lines of their own before it.
  std::string errLine;
};

TEST(BriselOptions, AnsweredWithoutADesktop) {
  const std::string usage = "usage: brisel [--help] [--version] [--] [FILE...]\n";
  const std::string noWindow = "brisel: cannot open a window: ";
  // SDL keeps what its failed video set-up allocated until the process ends:
  // under LeakSanitizer the programs started here take the suppressions the
  // real-window tests give theirs.
  setenv("LSAN_OPTIONS", "suppressions=" BRISEL_SOURCE_DIR "/tests/e2e/third_party_leaks.supp", 1);
  const OptionCase cases[] = {
      {{"--help"}, 0, usage, ""},
      {{"a.mqo", "--help"}, 0, usage, ""},
      {{"--version"}, 0, std::string("brisel ") + BRISEL_VERSION + " (commit ", ""},
      {{"--frobnicate"}, 2, "", "brisel: unknown option '--frobnicate'\n" + usage},
      {{"-h", "a.mqo"}, 2, "", "brisel: unknown option '-h'\n" + usage},
      {{"a.mqo", "-x"}, 2, "", "brisel: unknown option '-x'\n" + usage},
      // Files, and "--" followed by what looks like an option, need the window.
      {{}, 2, "", noWindow},
      {{"a.mqo"}, 2, "", noWindow},
      {{"--", "--help"}, 2, "", noWindow},
  };
  for (const OptionCase& c : cases) {
    const ProgramResult r = runProgram(builtProgram("brisel"), c.args, "", kNoDesktop);
    const std::string name = ::testing::PrintToString(c.args);
    EXPECT_EQ(r.exitCode, c.exitCode) << name << ": " << r.err;
    if (c.outStart.empty()) {
      EXPECT_EQ(r.out, "") << name;
    } else {
      EXPECT_EQ(r.out.rfind(c.outStart, 0), 0u) << name << ": " << r.out;
    }
    if (c.errLine.empty()) {
      EXPECT_EQ(r.err, "") << name;
    } else {
      EXPECT_NE(("\n" + r.err).find("\n" + c.errLine), std::string::npos) << name << ": " << r.err;
    }
  }
}

TEST(BriselOptions, HelpDescribesTheWindowAndTheExitStatus) {
  const ProgramResult r = runProgram(builtProgram("brisel"), {"--help"}, "", kNoDesktop);
  EXPECT_NE(r.out.find("NAME_noUV.mqo"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Exit status:"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("brisel-nouv"), std::string::npos) << r.out;
}

struct FilesCase {
  std::vector<std::string> args;
  std::vector<std::string> files;
};

// What reaches the window: every argument that is not an option, in order.
TEST(BriselOptions, FilesReachTheWindowInOrder) {
  const FilesCase cases[] = {
      {{}, {}},       {{"b.mqo", "a.mqoz"}, {"b.mqo", "a.mqoz"}},
      {{"--"}, {}},   {{"a.mqo", "--", "-odd.mqo", "--help", "--"}, {"a.mqo", "-odd.mqo", "--help", "--"}},
      {{"-"}, {"-"}},
  };
  for (const FilesCase& c : cases) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    ASSERT_TRUE(out && err);
    const CommandLine line = readBriselCommandLine(c.args, out, err);
    EXPECT_EQ(line.exitStatus, -1) << ::testing::PrintToString(c.args);
    EXPECT_EQ(line.files, c.files) << ::testing::PrintToString(c.args);
    EXPECT_EQ(std::ftell(out), 0L);
    EXPECT_EQ(std::ftell(err), 0L);
    std::fclose(out);
    std::fclose(err);
  }
}

}  // namespace
