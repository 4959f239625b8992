// brisel-nouv started the way an unlucky or hostile user would start it:
// linked names, closed standard descriptors, signals in the middle of a
// large conversion, a closed pipe, a full disk for its messages, names with
// control characters. Each case runs the program in a child process and
// checks its messages, how it ended and every file it left in the folder.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/RunProgram.h"
#include "tests/support/SlowModel.h"
#include "tests/support/TempDir.h"

namespace {

const std::string kWithUV = "Object\nvertex\nface\n3 V(0 1 2) UV(0 0 1 0 1 1)\n}\nEof\n";
const std::string kConverted = "Object\nvertex\nface\n3 V(0 1 2) \n}\nEof\n\n";

std::string linesFor(const std::string& name) {
  const std::string base = name.substr(0, name.size() - 4);
  return "「" + name + "」を処理中です。\nUVデータ削除完了。\n「" + base +
         "_noUV.mqo」を作成します。\n正しく終了しました。\n";
}

// Where the child's standard output goes.
enum class Output { Pipe, ClosedPipe, DevFull, Closed };

struct Launch {
  std::vector<std::string> args;
  Output output = Output::Pipe;
  bool closeInput = false;
  bool closeError = false;
};

struct Ending {
  int exitCode = -1;  // -1 when a signal ended it
  int signal = 0;
  std::string out;
  std::string err;
};

// brisel-nouv started in `folder` as `launch` says.
class NouvChild {
 public:
  NouvChild(const std::filesystem::path& folder, const Launch& launch) {
    int out[2] = {-1, -1}, err[2];
    if (launch.output != Output::Closed && pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    if (pipe2(err, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    // Nobody will ever read: the reading end is gone before the child starts.
    if (launch.output == Output::ClosedPipe) close(out[0]), out[0] = -1;
    const std::string program = builtProgram("brisel-nouv");
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : launch.args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("fork");
    if (pid_ == 0) {
      if (chdir(folder.c_str()) != 0) _exit(126);
      // As from a terminal, whatever this test runner ignores.
      for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) ::signal(signal, SIG_DFL);
      if (launch.output == Output::DevFull) {
        const int full = open("/dev/full", O_WRONLY);
        if (full < 0) _exit(125);
        dup2(full, 1);
      } else if (launch.output != Output::Closed) {
        dup2(out[1], 1);
      }
      dup2(err[1], 2);
      if (launch.output == Output::Closed) close(1);
      if (launch.closeInput) close(0);
      if (launch.closeError) close(2);
      execv(program.c_str(), argv.data());
      _exit(127);
    }
    if (out[1] >= 0) close(out[1]);
    close(err[1]);
    out_ = out[0];
    err_ = err[0];
  }
  ~NouvChild() {
    if (pid_ > 0 && !reaped_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) close(out_);
    if (err_ >= 0) close(err_);
  }

  pid_t pid() const { return pid_; }

  // Everything the child wrote, then how it ended.
  Ending finish() {
    Ending ending;
    readUntilClosed(out_, err_, ending.out, ending.err);
    out_ = err_ = -1;
    int status = 0;
    waitpid(pid_, &status, 0);
    reaped_ = true;
    if (WIFEXITED(status)) ending.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) ending.signal = WTERMSIG(status);
    return ending;
  }

 private:
  pid_t pid_ = -1;
  int out_ = -1;
  int err_ = -1;
  bool reaped_ = false;
};

std::map<std::string, std::string> filesIn(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_symlink())
      files[name] = "-> " + std::filesystem::read_symlink(entry.path()).string();
    else if (name == "big.mqo")
      files[name] = "(big)";
    else
      files[name] = readFileBytes(entry.path());
  }
  return files;
}

// Waits until the output `done` is in place and a temporary output (the
// next file's) has appeared in `folder`; false at the limit.
bool waitForTemporaryFileAfter(const std::filesystem::path& folder, const std::string& done) {
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (std::chrono::steady_clock::now() < limit) {
    if (std::filesystem::exists(folder / done))
      for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().rfind(".noUV-", 0) == 0) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return false;
}

using Files = std::map<std::string, std::string>;

struct HostileCase {
  const char* label;
  // Prepares the folder.
  std::function<void(const std::filesystem::path&)> setup;
  Launch launch;
  // Sent once the conversion of big.mqo is under way; 0 for none.
  int signal;
  int exitCode;  // -1 when the signal is to end the program
  std::string out;
  Files files;
  friend void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.label; }
};

void twoModels(const std::filesystem::path& dir) {
  writeFileBytes(dir / "a.mqo", kWithUV);
  writeFileBytes(dir / "b.mqo", kWithUV);
}

void modelAndBigOne(const std::filesystem::path& dir) {
  writeFileBytes(dir / "a.mqo", kWithUV);
  if (!writeSlowModel(dir / "big.mqo")) GTEST_SKIP() << "the file system here has no sparse files";
}

HostileCase interrupted(const char* label, int signal) {
  return {label,
          modelAndBigOne,
          {{"a.mqo", "big.mqo"}},
          signal,
          -1,
          linesFor("a.mqo"),
          Files{{"a.mqo", kWithUV}, {"a_noUV.mqo", kConverted}, {"big.mqo", "(big)"}}};
}

const std::string kWriteFailed = "「real.mqo」を処理中です。\nUVデータ削除完了。\nファイル書き込み失敗。\n";

const HostileCase kCases[] = {
    {"input linked to its own output name",
     [](const std::filesystem::path& dir) {
       writeFileBytes(dir / "real_noUV.mqo", kWithUV);
       std::filesystem::create_symlink("real_noUV.mqo", dir / "real.mqo");
     },
     {{"real.mqo"}},
     0,
     1,
     kWriteFailed,
     Files{{"real.mqo", "-> real_noUV.mqo"}, {"real_noUV.mqo", kWithUV}}},
    {"input hard linked to its own output name",
     [](const std::filesystem::path& dir) {
       writeFileBytes(dir / "real.mqo", kWithUV);
       std::filesystem::create_hard_link(dir / "real.mqo", dir / "real_noUV.mqo");
     },
     {{"real.mqo"}},
     0,
     1,
     kWriteFailed,
     Files{{"real.mqo", kWithUV}, {"real_noUV.mqo", kWithUV}}},
    {"output name linked to the input",
     [](const std::filesystem::path& dir) {
       writeFileBytes(dir / "real.mqo", kWithUV);
       std::filesystem::create_symlink("real.mqo", dir / "real_noUV.mqo");
     },
     {{"real.mqo"}},
     0,
     1,
     kWriteFailed,
     Files{{"real.mqo", kWithUV}, {"real_noUV.mqo", "-> real.mqo"}}},
    {"standard input and output closed",
     twoModels,
     {{"a.mqo", "b.mqo"}, Output::Closed, true},
     0,
     0,
     "",
     Files{{"a.mqo", kWithUV}, {"b.mqo", kWithUV}, {"a_noUV.mqo", kConverted}, {"b_noUV.mqo", kConverted}}},
    {"all three standard descriptors closed",
     twoModels,
     {{"a.mqo", "b.mqo"}, Output::Closed, true, true},
     0,
     0,
     "",
     Files{{"a.mqo", kWithUV}, {"b.mqo", kWithUV}, {"a_noUV.mqo", kConverted}, {"b_noUV.mqo", kConverted}}},
    // The messages end with the pipe; every file is still converted.
    {"closed pipe",
     twoModels,
     {{"a.mqo", "b.mqo"}, Output::ClosedPipe},
     0,
     1,
     "",
     Files{{"a.mqo", kWithUV}, {"b.mqo", kWithUV}, {"a_noUV.mqo", kConverted}, {"b_noUV.mqo", kConverted}}},
    {"messages to a full disk",
     twoModels,
     {{"a.mqo", "b.mqo"}, Output::DevFull},
     0,
     1,
     "",
     Files{{"a.mqo", kWithUV}, {"b.mqo", kWithUV}, {"a_noUV.mqo", kConverted}, {"b_noUV.mqo", kConverted}}},
    {"control characters in a name",
     [](const std::filesystem::path& dir) { writeFileBytes(dir / "a\nb\t\x1b[31m.mqo", kWithUV); },
     {{"a\nb\t\x1b[31m.mqo"}},
     0,
     0,
     "「a\\nb\\t\\x1B[31m.mqo」を処理中です。\nUVデータ削除完了。\n「a\\nb\\t\\x1B[31m_noUV.mqo」を作成します。\n"
     "正しく終了しました。\n",
     Files{{"a\nb\t\x1b[31m.mqo", kWithUV}, {"a\nb\t\x1b[31m_noUV.mqo", kConverted}}},
    interrupted("interrupt", SIGINT),
    interrupted("termination", SIGTERM),
    interrupted("hang-up", SIGHUP),
};

class NouvHostile : public ::testing::TestWithParam<HostileCase> {};

TEST_P(NouvHostile, EndsAsExpectedAndLeavesOnlyTheExpectedFiles) {
  const HostileCase& c = GetParam();
  TempDir dir;
  c.setup(dir.path());
  if (IsSkipped() || HasFatalFailure()) return;
  NouvChild child(dir.path(), c.launch);
  if (c.signal != 0) {
    ASSERT_TRUE(waitForTemporaryFileAfter(dir.path(), "a_noUV.mqo")) << "the conversion of big.mqo never started";
    kill(child.pid(), c.signal);
  }
  const Ending ending = child.finish();
  EXPECT_EQ(ending.exitCode, c.exitCode);
  EXPECT_EQ(ending.signal, c.exitCode == -1 ? c.signal : 0);
  EXPECT_EQ(ending.out, c.out);
  EXPECT_EQ(ending.err, "");
  EXPECT_EQ(filesIn(dir.path()), c.files);
}

INSTANTIATE_TEST_SUITE_P(Table, NouvHostile, ::testing::ValuesIn(kCases), [](const auto& info) {
  std::string n = info.param.label;
  for (char& ch : n) ch = isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
  return n;
});

}  // namespace
