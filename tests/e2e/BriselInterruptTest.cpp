// The built brisel ended abnormally in the middle of a large conversion (a
// file named on its command line): by a signal, or by the loss of its X
// connection (what `xdotool windowkill` does). Each time no temporary file
// may stay behind, and a signal ends the program as that signal.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <string>
#include <thread>

#include "XClients.h"
#include "XvfbScreen.h"
#include "tests/support/SlowModel.h"
#include "tests/support/Waiting.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

std::set<std::string> namesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

bool temporaryFileIn(const fs::path& folder) {
  for (const std::string& name : namesIn(folder))
    if (name.rfind(".noUV-", 0) == 0) return true;
  return false;
}

struct Ending {
  const char* label;
  int signal;  // 0: the X connection is cut instead
  friend void PrintTo(const Ending& e, std::ostream* os) { *os << e.label; }
};

class BriselInterrupted : public ::testing::TestWithParam<Ending> {};

TEST_P(BriselInterrupted, LeavesNoTemporaryFile) {
  XvfbScreen screen;
  std::string why;
  if (!screen.start(why)) GTEST_SKIP() << "real-window tests skipped: " << why;
  const fs::path dir = fs::path(::testing::TempDir()) / ("brisel-interrupt-" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  if (!writeSlowModel(dir / "big.mqo")) {
    fs::remove_all(dir);
    GTEST_SKIP() << "the file system here has no sparse files";
  }

  const std::string program = std::string(BRISEL_BIN_DIR) + "/brisel";
  const std::string input = (dir / "big.mqo").string();
  const std::string display = screen.environment();
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    const int devnull = open("/dev/null", O_RDWR);
    dup2(devnull, 1);
    dup2(devnull, 2);
    for (int s : {SIGINT, SIGTERM, SIGHUP}) signal(s, SIG_DFL);
    putenv(const_cast<char*>(display.c_str()));
    execl(program.c_str(), program.c_str(), input.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  const bool converting = waitFor([&] { return temporaryFileIn(dir) || waitpid(pid, &status, WNOHANG) == pid; });
  ASSERT_TRUE(converting && temporaryFileIn(dir)) << "brisel never started converting big.mqo";
  if (GetParam().signal != 0)
    kill(pid, GetParam().signal);
  else
    EXPECT_TRUE(killWindowClients(display.substr(std::string("DISPLAY=").size())));
  const bool ended = waitFor([&] { return waitpid(pid, &status, WNOHANG) == pid; });
  if (!ended) {
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
  }
  EXPECT_TRUE(ended) << "brisel did not end";
  if (GetParam().signal != 0) {
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == GetParam().signal) << "status " << status;
  } else {
    // Xlib ends the program with status 1 on a lost connection.
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << "status " << status;
  }
  EXPECT_EQ(namesIn(dir), std::set<std::string>{"big.mqo"});
  fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Table, BriselInterrupted,
                         ::testing::Values(Ending{"termination", SIGTERM}, Ending{"hang_up", SIGHUP},
                                           Ending{"interrupt", SIGINT}, Ending{"lost_x_connection", 0}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace e2e
