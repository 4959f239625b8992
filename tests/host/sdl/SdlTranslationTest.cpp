// Windows, presentation, pointer, keys, wheel and close requests of the sdl
// driver, with SDL events pushed at it.
#include <SDL.h>

#include "SdlWindowLog.h"
#include "platform/host/display/sdl/SdlSession.h"
#include "platform/host/display/sdl/SdlWindows.h"

namespace sdltest {
namespace {

nvhost::sdl::SdlSession& session() {
  std::string reason;
  return *nvhost::sdl::SdlSession::open(reason);
}

void paintShown(Uint32 id, Uint32 rgb) {
  session().call([&] {
    SDL_Surface* s = SDL_GetWindowSurface(SDL_GetWindowFromID(id));
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
  });
}

TEST_F(SdlDummyTest, ShownWindowsHaveAnSdlWindowUntilHidden) {
  SdlWindowLog w(100, 80, 200, 150, false);
  EXPECT_NE(w.sdlId(), 0u);
  ShowWindow(w.window(), SW_HIDE);
  // A hidden window keeps its SDL window for the next show, hidden.
  const Uint32 id = w.sdlId();
  Uint32 flags = 0;
  session().call([&] { flags = SDL_GetWindowFlags(SDL_GetWindowFromID(id)); });
  EXPECT_TRUE(flags & SDL_WINDOW_HIDDEN);
  EXPECT_TRUE(flags & SDL_WINDOW_BORDERLESS);
}

TEST_F(SdlDummyTest, WindowsFollowTheHostsPositionAndSize) {
  SdlWindowLog w(100, 80, 200, 150, false);
  SetWindowPos(w.window(), nullptr, 140, 90, 250, 120, SWP_NOZORDER);
  int x = 0, y = 0, width = 0, height = 0;
  const Uint32 id = w.sdlId();
  session().call([&] {
    SDL_GetWindowPosition(SDL_GetWindowFromID(id), &x, &y);
    SDL_GetWindowSize(SDL_GetWindowFromID(id), &width, &height);
  });
  EXPECT_EQ(x, 140);
  EXPECT_EQ(y, 90);
  EXPECT_EQ(width, 250);
  EXPECT_EQ(height, 120);
}

TEST_F(SdlDummyTest, PresentationCopiesOnlyTheReportedArea) {
  SdlWindowLog w(100, 80, 200, 150, false);
  const Uint32 id = w.sdlId();
  // The class brush erases the shown window, and that is presented.
  ASSERT_TRUE(SdlWindowLog::pumpUntil([&] { return SdlWindowLog::shownPixel(id, 5, 5) == 0x0AC81E; }));
  paintShown(id, 0x123456);
  HDC dc = GetDC(w.window());
  HBRUSH red = CreateSolidBrush(RGB(250, 0, 0));
  RECT area{20, 30, 60, 70};
  FillRect(dc, &area, red);
  ReleaseDC(w.window(), dc);
  DeleteObject(red);
  ASSERT_TRUE(SdlWindowLog::pumpUntil([&] { return SdlWindowLog::shownPixel(id, 20, 30) == 0xFA0000; }));
  EXPECT_EQ(SdlWindowLog::shownPixel(id, 59, 69), 0xFA0000u);
  EXPECT_EQ(SdlWindowLog::shownPixel(id, 60, 70), 0x123456u);
  EXPECT_EQ(SdlWindowLog::shownPixel(id, 5, 5), 0x123456u);
}

TEST_F(SdlDummyTest, MotionAndButtonsArriveInClientCoordinates) {
  SdlWindowLog w(100, 80, 200, 150, false);
  const Uint32 id = w.sdlId();
  struct Case {
    Uint8 button;
    UINT down;
    UINT up;
  };
  const Case cases[] = {{SDL_BUTTON_LEFT, WM_LBUTTONDOWN, WM_LBUTTONUP},
                        {SDL_BUTTON_RIGHT, WM_RBUTTONDOWN, WM_RBUTTONUP},
                        {SDL_BUTTON_MIDDLE, WM_MBUTTONDOWN, WM_MBUTTONUP}};
  int x = 10;
  for (const Case& c : cases) {
    x += 7;
    std::vector<Received> got =
        w.pushAndSettle({SdlWindowLog::motion(id, x, 20), SdlWindowLog::button(id, c.button, true, x + 1, 21),
                         SdlWindowLog::button(id, c.button, false, x + 1, 21)});
    std::vector<UINT> buttons;
    for (const Received& r : got) {
      if (r.message == WM_MOUSEMOVE) continue;
      buttons.push_back(r.message);
      EXPECT_EQ(r.lParam, MAKELPARAM(x + 1, 21)) << r.message;
    }
    EXPECT_EQ(buttons, (std::vector<UINT>{c.down, c.up}));
    POINT p{};
    GetCursorPos(&p);
    EXPECT_EQ(p.x, 100 + x + 1);
    EXPECT_EQ(p.y, 80 + 21);
  }
}

TEST_F(SdlDummyTest, WheelStepsAddUpToWholeNotches) {
  SdlWindowLog w(100, 80, 200, 150, false);
  const Uint32 id = w.sdlId();
  auto turn = [id](int y, float precise, Uint32 direction) {
    SDL_Event e{};
    e.type = SDL_MOUSEWHEEL;
    e.wheel.windowID = id;
    e.wheel.y = y;
    e.wheel.preciseY = precise;
    e.wheel.direction = direction;
    return e;
  };
  struct Case {
    std::vector<SDL_Event> events;
    std::vector<int> deltas;
  };
  const Case cases[] = {
      {{turn(1, 1.0f, SDL_MOUSEWHEEL_NORMAL)}, {120}},
      {{turn(-2, 0.0f, SDL_MOUSEWHEEL_NORMAL)}, {-240}},
      {{turn(1, 1.0f, SDL_MOUSEWHEEL_FLIPPED)}, {-120}},
      {{turn(0, 0.5f, SDL_MOUSEWHEEL_NORMAL), turn(0, 0.25f, SDL_MOUSEWHEEL_NORMAL),
        turn(0, 0.25f, SDL_MOUSEWHEEL_NORMAL)},
       {120}},
  };
  for (const Case& c : cases) {
    std::vector<int> deltas;
    for (const Received& r : w.pushAndSettle(c.events)) {
      if (r.message == WM_MOUSEWHEEL) deltas.push_back(static_cast<short>(HIWORD(r.wParam)));
    }
    EXPECT_EQ(deltas, c.deltas);
  }
}

TEST_F(SdlDummyTest, ScancodesBecomeJapaneseLayoutVirtualKeys) {
  SdlWindowLog w(100, 80, 200, 150, false);
  struct Case {
    SDL_Scancode code;
    WPARAM virtualKey;
  };
  const Case cases[] = {
      {SDL_SCANCODE_A, 'A'},
      {SDL_SCANCODE_Z, 'Z'},
      {SDL_SCANCODE_1, '1'},
      {SDL_SCANCODE_0, '0'},
      {SDL_SCANCODE_MINUS, 0xBD},
      {SDL_SCANCODE_EQUALS, 0xDE},
      {SDL_SCANCODE_INTERNATIONAL3, 0xDC},
      {SDL_SCANCODE_LEFTBRACKET, 0xC0},
      {SDL_SCANCODE_RIGHTBRACKET, 0xDB},
      {SDL_SCANCODE_SEMICOLON, 0xBB},
      {SDL_SCANCODE_APOSTROPHE, 0xBA},
      {SDL_SCANCODE_BACKSLASH, 0xDD},
      {SDL_SCANCODE_INTERNATIONAL1, 0xE2},
      {SDL_SCANCODE_INTERNATIONAL4, VK_CONVERT},
      {SDL_SCANCODE_INTERNATIONAL5, VK_NONCONVERT},
      {SDL_SCANCODE_KP_1, 0x61},
      {SDL_SCANCODE_KP_0, 0x60},
      {SDL_SCANCODE_F1, VK_F1},
      {SDL_SCANCODE_RETURN, VK_RETURN},
      {SDL_SCANCODE_LEFT, VK_LEFT},
  };
  std::vector<SDL_Event> events;
  std::vector<WPARAM> expected;
  for (const Case& c : cases) {
    events.push_back(SdlWindowLog::key(c.code, true));
    events.push_back(SdlWindowLog::key(c.code, false));
    expected.push_back(c.virtualKey);
  }
  std::vector<WPARAM> got;
  for (const Received& r : w.pushAndSettle(events)) {
    if (r.message == WM_KEYDOWN) got.push_back(r.wParam);
  }
  EXPECT_EQ(got, expected);
}

TEST_F(SdlDummyTest, CapsLockFollowsTheDesktop) {
  SdlWindowLog w(100, 80, 200, 150, false);
  const Uint16 on = KMOD_CAPS;
  struct Case {
    std::vector<SDL_Event> events;
    std::string typed;
  };
  const Case cases[] = {
      // The Caps Lock key toggles; the desktop then reports it on.
      {{SdlWindowLog::key(SDL_SCANCODE_CAPSLOCK, true), SdlWindowLog::key(SDL_SCANCODE_CAPSLOCK, false),
        SdlWindowLog::key(SDL_SCANCODE_A, true, on), SdlWindowLog::key(SDL_SCANCODE_A, false, on)},
       "A"},
      {{SdlWindowLog::key(SDL_SCANCODE_CAPSLOCK, true, on), SdlWindowLog::key(SDL_SCANCODE_CAPSLOCK, false),
        SdlWindowLog::key(SDL_SCANCODE_A, true), SdlWindowLog::key(SDL_SCANCODE_A, false)},
       "a"},
      // Switched on while another program had the keyboard, then off again.
      {{SdlWindowLog::key(SDL_SCANCODE_B, true, on), SdlWindowLog::key(SDL_SCANCODE_B, false, on)}, "B"},
      {{SdlWindowLog::key(SDL_SCANCODE_B, true), SdlWindowLog::key(SDL_SCANCODE_B, false)}, "b"},
  };
  for (const Case& c : cases) {
    std::string typed;
    for (const Received& r : w.pushAndSettle(c.events)) {
      if (r.message == WM_CHAR) typed += static_cast<char>(r.wParam);
    }
    EXPECT_EQ(typed, c.typed);
  }
  EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 0);
}

TEST_F(SdlDummyTest, TheDesktopsCloseRequestBecomesWmClose) {
  SdlWindowLog w(100, 80, 200, 150, false);
  SDL_Event close{};
  close.type = SDL_WINDOWEVENT;
  close.window.windowID = w.sdlId();
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  SdlWindowLog::push({close});
  EXPECT_EQ(w.waitFor(WM_CLOSE).size(), 1u);
}

TEST_F(SdlDummyTest, TheTaskbarRestoresAWindowTheHostMinimized) {
  SdlWindowLog w(100, 80, 200, 150, false);
  const Uint32 id = w.sdlId();
  ShowWindow(w.window(), SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(w.window()));
  bool minimized = false;
  int x = 0, y = 0;
  session().call([&] {
    minimized = session().windows().isMinimized(w.window());
    SDL_GetWindowPosition(SDL_GetWindowFromID(id), &x, &y);
  });
  EXPECT_TRUE(minimized);
  // Not parked off the screen where the desktop could never bring it back.
  EXPECT_EQ(x, 100);
  EXPECT_EQ(y, 80);

  SDL_Event restored{};
  restored.type = SDL_WINDOWEVENT;
  restored.window.windowID = id;
  restored.window.event = SDL_WINDOWEVENT_RESTORED;
  SdlWindowLog::push({restored});
  ASSERT_TRUE(SdlWindowLog::pumpUntil([&] { return !IsIconic(w.window()); }));
  RECT r{};
  GetWindowRect(w.window(), &r);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 80);
  session().call([&] { minimized = session().windows().isMinimized(w.window()); });
  EXPECT_FALSE(minimized);
}

TEST_F(SdlDummyTest, EventsForUnknownWindowsAreIgnored) {
  SdlWindowLog w(100, 80, 200, 150, false);
  const Uint32 stranger = w.sdlId() + 1000;
  std::vector<Received> got = w.pushAndSettle({SdlWindowLog::motion(stranger, 5, 5),
                                               SdlWindowLog::button(stranger, SDL_BUTTON_LEFT, true, 5, 5),
                                               SdlWindowLog::button(stranger, SDL_BUTTON_LEFT, false, 5, 5)});
  for (const Received& r : got) EXPECT_NE(r.message, WM_LBUTTONDOWN);
}

}  // namespace
}  // namespace sdltest

namespace sdltest {
namespace {

// Where the desktop really puts a window (a window manager, another
// program's move) reaches the host; late reports of the host's own requests
// never move it back.
TEST_F(SdlDummyTest, TheHostFollowsMovesAndSizesMadeByTheDesktopOnly) {
  SdlWindowLog w(100, 80, 200, 150, false);
  SetWindowPos(w.window(), nullptr, 140, 90, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
  const Uint32 id = w.sdlId();
  struct Case {
    const char* name;
    std::vector<SDL_Event> events;
    RECT expected;
  };
  const Case cases[] = {
      {"late reports of the host's own moves",
       {SdlWindowLog::windowEvent(id, SDL_WINDOWEVENT_MOVED, 100, 80),
        SdlWindowLog::windowEvent(id, SDL_WINDOWEVENT_MOVED, 140, 90)},
       RECT{140, 90, 340, 240}},
      {"a report of an earlier own move coming after the later one's",
       {SdlWindowLog::windowEvent(id, SDL_WINDOWEVENT_MOVED, 100, 80)},
       RECT{140, 90, 340, 240}},
      {"a move made by the desktop",
       {SdlWindowLog::windowEvent(id, SDL_WINDOWEVENT_MOVED, 300, 200)},
       RECT{300, 200, 500, 350}},
      {"a size made by the desktop",
       {SdlWindowLog::windowEvent(id, SDL_WINDOWEVENT_SIZE_CHANGED, 260, 170)},
       RECT{300, 200, 560, 370}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    w.pushAndSettle(c.events);
    RECT r{};
    ASSERT_TRUE(SdlWindowLog::pumpUntil([&] {
      GetWindowRect(w.window(), &r);
      return r.left == c.expected.left && r.top == c.expected.top && r.right == c.expected.right &&
             r.bottom == c.expected.bottom;
    })) << r.left
        << "," << r.top << " " << r.right << "," << r.bottom;
  }
  // Following the desktop asks nothing more of it: the SDL window stays.
  int x = 0, y = 0;
  session().call([&] { SDL_GetWindowPosition(SDL_GetWindowFromID(id), &x, &y); });
  EXPECT_EQ(x, 140);
  EXPECT_EQ(y, 90);
}

}  // namespace
}  // namespace sdltest
