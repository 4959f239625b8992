#include "ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

extern char** environ;

namespace e2e {

namespace {

long long nowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment) {
  int pipeEnds[2];
  if (pipe2(pipeEnds, O_CLOEXEC) != 0) return;
  // Entries given here replace inherited ones of the same name. Programs
  // built with LeakSanitizer ignore what outside libraries keep.
  std::vector<std::string> env = environment;
  env.push_back(std::string("LSAN_OPTIONS=suppressions=") + BRISEL_SOURCE_DIR + "/tests/e2e/third_party_leaks.supp");
  const std::vector<std::string> given = env;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry(*e);
    const std::string name = entry.substr(0, entry.find('=') + 1);
    bool replaced = false;
    for (const std::string& extra : given) replaced = replaced || extra.rfind(name, 0) == 0;
    if (!replaced) env.push_back(entry);
  }
  pid_ = fork();
  if (pid_ == 0) {
    dup2(pipeEnds[1], STDOUT_FILENO);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    execve(args[0], args.data(), envp.data());
    _exit(127);
  }
  close(pipeEnds[1]);
  output_ = pipeEnds[0];
}

ChildProcess::~ChildProcess() {
  // A polite end first, so that servers remove their lock files.
  if (pid_ > 0 && !ended_) {
    kill(pid_, SIGTERM);
    int status = 0;
    if (!wait(status, 3000)) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  if (output_ >= 0) close(output_);
}

bool ChildProcess::readLine(std::string& line, int limitMs) {
  const long long end = nowMs() + limitMs;
  for (;;) {
    const size_t newline = buffered_.find('\n');
    if (newline != std::string::npos) {
      line = buffered_.substr(0, newline);
      buffered_.erase(0, newline + 1);
      return true;
    }
    const long long left = end - nowMs();
    if (left <= 0 || output_ < 0) return false;
    pollfd fd{output_, POLLIN, 0};
    if (poll(&fd, 1, static_cast<int>(left)) <= 0) return false;
    char chunk[512];
    const ssize_t got = read(output_, chunk, sizeof chunk);
    if (got <= 0) return false;
    buffered_.append(chunk, static_cast<size_t>(got));
  }
}

bool ChildProcess::wait(int& status, int limitMs) {
  const long long end = nowMs() + limitMs;
  while (pid_ > 0 && !ended_) {
    int raw = 0;
    const pid_t done = waitpid(pid_, &raw, WNOHANG);
    if (done == pid_) {
      ended_ = true;
      status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
      return true;
    }
    if (nowMs() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return ended_;
}

std::string findProgram(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string dirs = path != nullptr ? path : "/usr/bin:/bin";
  size_t start = 0;
  while (start <= dirs.size()) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    const std::string candidate = dirs.substr(start, end - start) + "/" + name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return {};
}

}  // namespace e2e
