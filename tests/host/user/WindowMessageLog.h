// A window class whose procedure records the messages it receives, for
// message-sequence tests. Written with Win32 calls only, so that the tests
// also run against the real system.
#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <ostream>
#include <vector>

#include "platform/win32.h"

namespace hosttest {

struct Logged {
  HWND window;
  UINT message;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  bool operator==(const Logged& o) const { return window == o.window && message == o.message; }
};
std::ostream& operator<<(std::ostream& out, const Logged& m);

class WindowMessageLog {
 public:
  // The registered class; its procedure records and then answers like
  // DefWindowProcA unless a reaction for the message says otherwise.
  static const char* className();

  // Recorded messages among `interesting` (all recorded when empty), in order.
  static std::vector<Logged> take(const std::vector<UINT>& interesting = {});
  static void clear();

  // A reaction replaces the default answer for one message of one window.
  using Reaction = std::function<LRESULT(HWND, WPARAM, LPARAM)>;
  static void react(HWND window, UINT message, Reaction reaction);
  static void forget(HWND window);

  // A visible top-level popup or child window of the recording class.
  static HWND create(int x, int y, int width, int height, HWND parent = nullptr, DWORD style = 0, DWORD exStyle = 0,
                     LPVOID param = nullptr);

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static std::mutex& mutex();
  static std::vector<Logged>& log();
  static std::map<std::pair<HWND, UINT>, Reaction>& reactions();
};

// Runs every message waiting for the calling thread.
void pumpMessages();

}  // namespace hosttest
