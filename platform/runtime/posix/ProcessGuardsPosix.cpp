#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstring>

#include "platform/runtime/ProcessGuards.h"

namespace nvrt {

namespace {

// Two fixed buffers, so that a new name is written while the other may still
// be read by a handler; the pointer says which one holds the name under way.
char gNames[2][PATH_MAX];
unsigned gNextName = 0;  // only the thread that writes files changes it
std::atomic<const char*> gPending{nullptr};
static_assert(std::atomic<const char*>::is_always_lock_free);

const int kInterrupts[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

void endBySignal(int signal) {
  removePendingTemporaryFile();
  // The handler was reset to the default on entry; the signal stays blocked
  // until the handler returns and then ends the process.
  raise(signal);
}

void install(int signal, void (*handler)(int), int flags) {
  struct sigaction action {};
  action.sa_handler = handler;
  action.sa_flags = flags;
  sigemptyset(&action.sa_mask);
  sigaction(signal, &action, nullptr);
}

}  // namespace

void reserveStandardDescriptors() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1) continue;
    // The lowest free descriptor is this one.
    const int opened = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    if (opened != fd && opened >= 0) {
      dup2(opened, fd);
      close(opened);
    }
  }
}

void removeTemporaryFileOnSignals(bool closedPipeEnds) {
  for (int signal : kInterrupts) {
    // A signal the caller chose to ignore (nohup, a background job) stays
    // ignored.
    struct sigaction current {};
    if (sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN) continue;
    install(signal, endBySignal, SA_RESETHAND);
  }
  if (closedPipeEnds)
    install(SIGPIPE, endBySignal, SA_RESETHAND);
  else
    install(SIGPIPE, SIG_IGN, 0);
}

void removePendingTemporaryFile() {
  // Taken, so that two abnormal ends at once remove it once.
  if (const char* name = gPending.exchange(nullptr)) unlink(name);
}

void setPendingTemporaryFile(const void* nativePath) {
  const char* path = static_cast<const char*>(nativePath);
  const size_t length = std::strlen(path);
  // A longer name cannot be created anyway.
  if (length >= PATH_MAX) return clearPendingTemporaryFile();
  char* slot = gNames[gNextName++ & 1];
  std::memcpy(slot, path, length + 1);
  gPending.store(slot);
}

void clearPendingTemporaryFile() { gPending.store(nullptr); }

}  // namespace nvrt
