// A host window on the sdl driver, made with plain Win32 calls, for the
// real-window tests. It reports on standard output what reaches it:
//
//   ready                      the window is shown and painted
//   drop X Y NAME|NAME...      WM_DROPFILES: client point, UTF-8 names
//   down X Y / up X Y          left button, client coordinates
//   key VK                     WM_KEYDOWN
//
// The pointer is an I-beam over the left 100 pixels and an arrow elsewhere,
// set on WM_MOUSEMOVE as a text field does.
//
// Escape or a close request ends it with status 0. Without a display it
// prints the reason and exits with status 2.
#include <cstdio>
#include <string>

#include "platform/host/display/sdl/SdlDisplay.h"
#include "platform/runtime/TextCodec.h"
#include "platform/win32.h"

namespace {

void say(const std::string& line) {
  std::fputs((line + "\n").c_str(), stdout);
  std::fflush(stdout);
}

std::string dropLine(HDROP drop) {
  POINT at{};
  DragQueryPoint(drop, &at);
  std::string line = "drop " + std::to_string(at.x) + " " + std::to_string(at.y) + " ";
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::string name(DragQueryFileA(drop, i, nullptr, 0) + 1, '\0');
    name.resize(DragQueryFileA(drop, i, name.data(), static_cast<UINT>(name.size())));
    if (i > 0) line += '|';
    line += nvrt::cp932NameToUtf8(name);
  }
  DragFinish(drop);
  return line;
}

std::string pointLine(const char* what, LPARAM lParam) {
  return std::string(what) + " " + std::to_string(static_cast<short>(LOWORD(lParam))) + " " +
         std::to_string(static_cast<short>(HIWORD(lParam)));
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DROPFILES: say(dropLine(reinterpret_cast<HDROP>(wParam))); return 0;
    case WM_MOUSEMOVE:
      SetCursor(LoadCursorA(nullptr, static_cast<short>(LOWORD(lParam)) < 100 ? IDC_IBEAM : IDC_ARROW));
      return 0;
    case WM_LBUTTONDOWN: say(pointLine("down", lParam)); return 0;
    case WM_LBUTTONUP: say(pointLine("up", lParam)); return 0;
    case WM_KEYDOWN:
      say("key " + std::to_string(wParam));
      if (wParam == VK_ESCAPE) DestroyWindow(window);
      return 0;
    case WM_CLOSE: DestroyWindow(window); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string reason;
  if (!nvhost::SdlDisplay::select(reason)) {
    std::fprintf(stderr, "sdl_drop_window: %s\n", reason.c_str());
    return 2;
  }
  // The window's place and size: x y width height.
  int place[4] = {120, 90, 240, 160};
  for (int i = 0; i < 4 && i + 1 < argc; ++i) place[i] = std::atoi(argv[i + 1]);
  WNDCLASSA c{};
  c.lpfnWndProc = procedure;
  c.lpszClassName = "SDL_DROP_WINDOW";
  c.hbrBackground = CreateSolidBrush(RGB(40, 120, 220));
  RegisterClassA(&c);
  HWND window = CreateWindowExA(0, c.lpszClassName, "ドロップ窓", WS_POPUP | WS_VISIBLE, place[0], place[1], place[2],
                                place[3], nullptr, nullptr, nullptr, nullptr);
  DragAcceptFiles(window, TRUE);
  SetFocus(window);
  UpdateWindow(window);
  say("ready");
  MSG m;
  while (GetMessageA(&m, nullptr, 0, 0) > 0) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  return 0;
}
