#include "tests/host/user/WindowMessageLog.h"

#include <algorithm>

namespace hosttest {

std::ostream& operator<<(std::ostream& out, const Logged& m) {
  return out << "{" << m.window << ", 0x" << std::hex << m.message << std::dec << "}";
}

const char* WindowMessageLog::className() {
  static const char* name = [] {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &WindowMessageLog::procedure;
    wc.lpszClassName = "BriselHostTestWindow";
    RegisterClassA(&wc);
    return "BriselHostTestWindow";
  }();
  return name;
}

std::mutex& WindowMessageLog::mutex() {
  static std::mutex m;
  return m;
}

std::vector<Logged>& WindowMessageLog::log() {
  static std::vector<Logged> entries;
  return entries;
}

std::map<std::pair<HWND, UINT>, WindowMessageLog::Reaction>& WindowMessageLog::reactions() {
  static std::map<std::pair<HWND, UINT>, Reaction> table;
  return table;
}

std::vector<Logged> WindowMessageLog::take(const std::vector<UINT>& interesting) {
  std::lock_guard<std::mutex> lock(mutex());
  std::vector<Logged> result;
  for (const Logged& m : log()) {
    if (interesting.empty() || std::find(interesting.begin(), interesting.end(), m.message) != interesting.end()) {
      result.push_back(m);
    }
  }
  log().clear();
  return result;
}

void WindowMessageLog::clear() {
  std::lock_guard<std::mutex> lock(mutex());
  log().clear();
}

void WindowMessageLog::react(HWND window, UINT message, Reaction reaction) {
  std::lock_guard<std::mutex> lock(mutex());
  reactions()[{window, message}] = std::move(reaction);
}

void WindowMessageLog::forget(HWND window) {
  std::lock_guard<std::mutex> lock(mutex());
  for (auto it = reactions().begin(); it != reactions().end();) {
    it = it->first.first == window ? reactions().erase(it) : std::next(it);
  }
}

HWND WindowMessageLog::create(int x, int y, int width, int height, HWND parent, DWORD style, DWORD exStyle,
                              LPVOID param) {
  DWORD kind = parent ? WS_CHILD | WS_CLIPSIBLINGS : WS_POPUP;
  return CreateWindowExA(exStyle, className(), "test", kind | WS_VISIBLE | style, x, y, width, height, parent, nullptr,
                         nullptr, param);
}

LRESULT CALLBACK WindowMessageLog::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Reaction reaction;
  {
    std::lock_guard<std::mutex> lock(mutex());
    log().push_back(Logged{window, message, wParam, lParam});
    auto it = reactions().find({window, message});
    if (it != reactions().end()) reaction = it->second;
  }
  if (reaction) return reaction(window, wParam, lParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

void pumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace hosttest
