#include "SdlWindowLog.h"

#include <cstdlib>
#include <map>

#include "platform/host/display/sdl/SdlDisplay.h"
#include "platform/host/display/sdl/SdlSession.h"

namespace sdltest {

namespace {

constexpr const char* kClassName = "SDL_TEST_WINDOW";
// A way out only: every wait ends as soon as its message arrives.
constexpr DWORD kLimitMs = 10000;

std::mutex& logMutex() {
  static std::mutex mutex;
  return mutex;
}

std::map<HWND, std::vector<Received>>& logs() {
  static std::map<HWND, std::vector<Received>> all;
  return all;
}

nvhost::sdl::SdlSession& session() {
  std::string reason;
  return *nvhost::sdl::SdlSession::open(reason);
}

void registerClass() {
  static bool done = false;
  if (done) return;
  done = true;
  WNDCLASSA c{};
  c.lpfnWndProc = &SdlWindowLog::procedure;
  c.lpszClassName = kClassName;
  c.hbrBackground = CreateSolidBrush(RGB(10, 200, 30));
  RegisterClassA(&c);
}

Received dropRecord(HDROP drop) {
  Received r;
  r.message = WM_DROPFILES;
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::string name(DragQueryFileA(drop, i, nullptr, 0) + 1, '\0');
    name.resize(DragQueryFileA(drop, i, name.data(), static_cast<UINT>(name.size())));
    r.names.push_back(name);
  }
  DragQueryPoint(drop, &r.point);
  DragFinish(drop);
  return r;
}

std::string imeResult(HWND window) {
  HIMC context = ImmGetContext(window);
  std::string result(
      static_cast<size_t>(std::max<LONG>(0, ImmGetCompositionStringA(context, GCS_RESULTSTR, nullptr, 0))), '\0');
  ImmGetCompositionStringA(context, GCS_RESULTSTR, result.data(), static_cast<DWORD>(result.size()));
  ImmReleaseContext(window, context);
  return result;
}

}  // namespace

bool SdlWindowLog::selectDummyDisplay(std::string& reason) {
  static bool selected = false;
  static std::string why;
  static bool tried = false;
  if (!tried) {
    tried = true;
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    selected = nvhost::SdlDisplay::select(why);
  }
  reason = why;
  return selected;
}

LRESULT CALLBACK SdlWindowLog::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR: record(window, Received{message, wParam, lParam, {}, {}}); break;
    case WM_DROPFILES: record(window, dropRecord(reinterpret_cast<HDROP>(wParam))); return 0;
    case WM_IME_COMPOSITION: record(window, Received{message, wParam, lParam, {imeResult(window)}, {}}); return 0;
    case WM_CLOSE:
      // Recorded, not obeyed: the test destroys its own windows.
      record(window, Received{message, wParam, lParam, {}, {}});
      return 0;
    default: break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void SdlWindowLog::record(HWND window, const Received& r) {
  std::lock_guard<std::mutex> lock(logMutex());
  logs()[window].push_back(r);
}

SdlWindowLog::SdlWindowLog(int x, int y, int width, int height, bool acceptFiles) {
  registerClass();
  window_ = CreateWindowExA(0, kClassName, "sdl test", WS_POPUP | WS_VISIBLE, x, y, width, height, nullptr, nullptr,
                            nullptr, nullptr);
  if (acceptFiles) DragAcceptFiles(window_, TRUE);
  SetFocus(window_);
  pumpUntil([] { return true; });
}

SdlWindowLog::~SdlWindowLog() {
  DestroyWindow(window_);
  std::lock_guard<std::mutex> lock(logMutex());
  logs().erase(window_);
}

Uint32 SdlWindowLog::sdlId() const { return session().windowIdOf(window_); }

void SdlWindowLog::push(const std::vector<SDL_Event>& events) { session().pushEvents(events); }

bool SdlWindowLog::pumpUntil(const std::function<bool()>& done) {
  const DWORD start = timeGetTime();
  for (;;) {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&m);
      DispatchMessageA(&m);
    }
    if (done()) return true;
    if (timeGetTime() - start > kLimitMs) return false;
    Sleep(1);
  }
}

std::vector<Received> SdlWindowLog::waitFor(UINT message) {
  auto arrived = [&] {
    std::lock_guard<std::mutex> lock(logMutex());
    for (const Received& r : logs()[window_]) {
      if (r.message == message) return true;
    }
    return false;
  };
  pumpUntil(arrived);
  std::lock_guard<std::mutex> lock(logMutex());
  std::vector<Received> all;
  all.swap(logs()[window_]);
  std::vector<Received> wanted;
  for (const Received& r : all) {
    if (r.message == message) wanted.push_back(r);
  }
  return wanted;
}

std::vector<Received> SdlWindowLog::pushAndSettle(const std::vector<SDL_Event>& events) {
  std::vector<SDL_Event> all = events;
  all.push_back(key(SDL_SCANCODE_F12, true));
  all.push_back(key(SDL_SCANCODE_F12, false));
  push(all);
  auto settled = [&] {
    std::lock_guard<std::mutex> lock(logMutex());
    for (const Received& r : logs()[window_]) {
      if (r.message == WM_KEYUP && r.wParam == VK_F12) return true;
    }
    return false;
  };
  pumpUntil(settled);
  std::lock_guard<std::mutex> lock(logMutex());
  std::vector<Received> all2;
  all2.swap(logs()[window_]);
  std::vector<Received> before;
  for (const Received& r : all2) {
    if ((r.message == WM_KEYDOWN || r.message == WM_KEYUP) && r.wParam == VK_F12) continue;
    before.push_back(r);
  }
  return before;
}

SDL_Event SdlWindowLog::motion(Uint32 id, int x, int y) {
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion.windowID = id;
  e.motion.x = x;
  e.motion.y = y;
  return e;
}

SDL_Event SdlWindowLog::button(Uint32 id, Uint8 which, bool down, int x, int y) {
  SDL_Event e{};
  e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  e.button.windowID = id;
  e.button.button = which;
  e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.button.clicks = 1;
  e.button.x = x;
  e.button.y = y;
  return e;
}

SDL_Event SdlWindowLog::key(SDL_Scancode code, bool down, Uint16 modifiers) {
  SDL_Event e{};
  e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.key.keysym.scancode = code;
  e.key.keysym.mod = modifiers;
  return e;
}

SDL_Event SdlWindowLog::text(Uint32 type, const char* utf8) {
  SDL_Event e{};
  e.type = type;
  if (type == SDL_TEXTINPUT) {
    SDL_strlcpy(e.text.text, utf8, sizeof(e.text.text));
  } else {
    SDL_strlcpy(e.edit.text, utf8, sizeof(e.edit.text));
  }
  return e;
}

SDL_Event SdlWindowLog::drop(Uint32 type, Uint32 id, const char* file) {
  SDL_Event e{};
  e.type = type;
  e.drop.windowID = id;
  // The receiver frees the name, as it does for SDL's own drops.
  e.drop.file = file != nullptr ? SDL_strdup(file) : nullptr;
  return e;
}

SDL_Event SdlWindowLog::windowEvent(Uint32 id, Uint8 kind, int data1, int data2) {
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.windowID = id;
  e.window.event = kind;
  e.window.data1 = data1;
  e.window.data2 = data2;
  return e;
}

Uint32 SdlWindowLog::shownPixel(Uint32 id, int x, int y) {
  Uint32 rgb = 0xFFFFFFFF;
  session().call([&] {
    SDL_Surface* s = SDL_GetWindowSurface(SDL_GetWindowFromID(id));
    if (s == nullptr || s->format->BytesPerPixel != 4 || x >= s->w || y >= s->h) return;
    Uint32 p = reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch)[x];
    Uint8 r, g, b;
    SDL_GetRGB(p, s->format, &r, &g, &b);
    rgb = (Uint32{r} << 16) | (Uint32{g} << 8) | b;
  });
  return rgb;
}

}  // namespace sdltest
