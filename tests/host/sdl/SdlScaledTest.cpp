// The sdl driver at scale 2 on SDL's dummy video driver: windows shown at
// twice their place and size, each pixel as a 2 x 2 block, and every
// position from the desktop halved on its way to the host.
#include <SDL.h>

#include <cstdlib>

#include "SdlWindowLog.h"
#include "platform/host/display/sdl/SdlSession.h"
#include "platform/host/display/sdl/SdlTranslator.h"
#include "platform/host/display/sdl/SdlWindows.h"

namespace sdltest {
namespace {

nvhost::sdl::SdlSession& session() {
  std::string reason;
  return *nvhost::sdl::SdlSession::open(reason);
}

class SdlScaledTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Read once, when the display opens with the first test.
    setenv("BRISEL_SCALE", "2", 1);
    std::string reason;
    ASSERT_TRUE(SdlWindowLog::selectDummyDisplay(reason)) << reason;
  }
};

SDL_Rect sdlPlace(Uint32 id) {
  SDL_Rect r{};
  session().call([&] {
    SDL_GetWindowPosition(SDL_GetWindowFromID(id), &r.x, &r.y);
    SDL_GetWindowSize(SDL_GetWindowFromID(id), &r.w, &r.h);
  });
  return r;
}

bool sameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(SdlScaledTest, WindowsAreShownAtTwiceTheirPlaceAndSize) {
  SdlWindowLog w(100, 80, 200, 150, false);
  const Uint32 id = w.sdlId();
  struct Case {
    RECT host;
    SDL_Rect shown;
  };
  const Case cases[] = {{RECT{100, 80, 300, 230}, SDL_Rect{200, 160, 400, 300}},
                        {RECT{140, 90, 390, 210}, SDL_Rect{280, 180, 500, 240}},
                        {RECT{-20, -5, 10, 5}, SDL_Rect{-40, -10, 60, 20}}};
  for (const Case& c : cases) {
    SetWindowPos(w.window(), nullptr, c.host.left, c.host.top, c.host.right - c.host.left, c.host.bottom - c.host.top,
                 SWP_NOZORDER);
    const SDL_Rect r = sdlPlace(id);
    EXPECT_EQ(r.x, c.shown.x);
    EXPECT_EQ(r.y, c.shown.y);
    EXPECT_EQ(r.w, c.shown.w);
    EXPECT_EQ(r.h, c.shown.h);
  }
}

TEST_F(SdlScaledTest, EachPixelIsShownAsATwoByTwoBlock) {
  SdlWindowLog w(100, 80, 200, 150, false);
  const Uint32 id = w.sdlId();
  ASSERT_TRUE(SdlWindowLog::pumpUntil([&] { return SdlWindowLog::shownPixel(id, 399, 299) == 0x0AC81E; }));
  HDC dc = GetDC(w.window());
  HBRUSH red = CreateSolidBrush(RGB(250, 0, 0));
  RECT area{20, 30, 60, 70};
  FillRect(dc, &area, red);
  ReleaseDC(w.window(), dc);
  DeleteObject(red);
  ASSERT_TRUE(SdlWindowLog::pumpUntil([&] { return SdlWindowLog::shownPixel(id, 40, 60) == 0xFA0000; }));
  struct Probe {
    int x, y;
    Uint32 rgb;
  };
  const Probe probes[] = {{40, 60, 0xFA0000}, {41, 61, 0xFA0000},   {119, 139, 0xFA0000}, {39, 60, 0x0AC81E},
                          {40, 59, 0x0AC81E}, {120, 139, 0x0AC81E}, {119, 140, 0x0AC81E}, {0, 0, 0x0AC81E}};
  for (const Probe& p : probes) EXPECT_EQ(SdlWindowLog::shownPixel(id, p.x, p.y), p.rgb) << p.x << "," << p.y;
}

TEST_F(SdlScaledTest, PointerPositionsAreHalved) {
  SdlWindowLog w(100, 80, 200, 150, false);
  const Uint32 id = w.sdlId();
  struct Case {
    int x, y;  // in the SDL window
    int clientX, clientY;
  };
  const Case cases[] = {{0, 0, 0, 0}, {1, 1, 0, 0}, {35, 42, 17, 21}, {36, 43, 18, 21}, {399, 299, 199, 149}};
  for (const Case& c : cases) {
    std::vector<Received> got =
        w.pushAndSettle({SdlWindowLog::motion(id, c.x, c.y), SdlWindowLog::button(id, SDL_BUTTON_LEFT, true, c.x, c.y),
                         SdlWindowLog::button(id, SDL_BUTTON_LEFT, false, c.x, c.y)});
    int buttons = 0;
    for (const Received& r : got) {
      if (r.message != WM_LBUTTONDOWN && r.message != WM_LBUTTONUP) continue;
      ++buttons;
      EXPECT_EQ(r.lParam, MAKELPARAM(c.clientX, c.clientY)) << c.x << "," << c.y;
    }
    EXPECT_EQ(buttons, 2) << c.x << "," << c.y;
    POINT p{};
    GetCursorPos(&p);
    EXPECT_EQ(p.x, 100 + c.clientX);
    EXPECT_EQ(p.y, 80 + c.clientY);
  }
}

TEST_F(SdlScaledTest, ADropLandsOnThePixelUnderThePointer) {
  SdlWindowLog w(100, 80, 200, 150, true);
  const Uint32 id = w.sdlId();
  SdlWindowLog::push({SdlWindowLog::motion(id, 81, 40), SdlWindowLog::drop(SDL_DROPBEGIN, id),
                      SdlWindowLog::drop(SDL_DROPFILE, id, "/tmp/a.mqo"), SdlWindowLog::drop(SDL_DROPCOMPLETE, id)});
  std::vector<Received> drops = w.waitFor(WM_DROPFILES);
  ASSERT_EQ(drops.size(), 1u);
  EXPECT_EQ(drops[0].point.x, 40);
  EXPECT_EQ(drops[0].point.y, 20);
}

TEST_F(SdlScaledTest, TheDesktopAndItsWorkAreaAreHalved) {
  SDL_Rect all{};
  session().call([&] { SDL_GetDisplayBounds(0, &all); });
  ASSERT_GT(all.w, 0);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), all.w / 2);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), all.h / 2);
  RECT work{};
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
  EXPECT_EQ(work.right - work.left, all.w / 2);
  EXPECT_EQ(work.bottom - work.top, all.h / 2);
}

TEST_F(SdlScaledTest, TheCandidateWindowIsPlacedAtTheDoubledSpot) {
  SdlWindowLog w(100, 80, 200, 150, false);
  HIMC context = ImmGetContext(w.window());
  COMPOSITIONFORM form{};
  form.dwStyle = CFS_POINT;
  form.ptCurrentPos = POINT{33, 44};
  ImmSetCompositionWindow(context, &form);
  ImmReleaseContext(w.window(), context);
  w.pushAndSettle({SdlWindowLog::text(SDL_TEXTEDITING, "か"), SdlWindowLog::text(SDL_TEXTEDITING, "")});
  SDL_Rect area{};
  session().call([&] { area = session().translator().candidateArea(); });
  EXPECT_EQ(area.x, 66);
  EXPECT_EQ(area.y, 88);
  EXPECT_EQ(area.h, 32);
}

// The desktop may put a window at an odd place, between two of the host's
// pixels. The host follows by half, and its own moves afterwards keep the
// odd part, so that the desktop and the program agree on where the window
// is and on which pixel the pointer is over.
TEST_F(SdlScaledTest, MovesByTheDesktopAndByTheProgramKeepAgreeing) {
  SdlWindowLog w(100, 80, 200, 150, false);
  const Uint32 id = w.sdlId();
  struct Step {
    const char* what;
    std::vector<SDL_Event> events;  // reported by the desktop
    POINT hostMove;                 // then asked by the program, when not (-1, -1)
    RECT host;
    SDL_Point shown;
  };
  const Step steps[] = {
      {"late report of the first place",
       {SdlWindowLog::windowEvent(id, SDL_WINDOWEVENT_MOVED, 200, 160)},
       {-1, -1},
       RECT{100, 80, 300, 230},
       SDL_Point{200, 160}},
      {"a move by the desktop to an odd place",
       {SdlWindowLog::windowEvent(id, SDL_WINDOWEVENT_MOVED, 301, 203)},
       {-1, -1},
       RECT{150, 101, 350, 251},
       SDL_Point{200, 160}},
      {"the program's move keeps the odd part", {}, {160, 111}, RECT{160, 111, 360, 261}, SDL_Point{321, 223}},
      {"its late report changes nothing",
       {SdlWindowLog::windowEvent(id, SDL_WINDOWEVENT_MOVED, 321, 223)},
       {-1, -1},
       RECT{160, 111, 360, 261},
       SDL_Point{321, 223}},
      {"an even place clears it",
       {SdlWindowLog::windowEvent(id, SDL_WINDOWEVENT_MOVED, 40, 20)},
       {-1, -1},
       RECT{20, 10, 220, 160},
       SDL_Point{321, 223}},
      {"and the program's moves are plain doubles again", {}, {30, 12}, RECT{30, 12, 230, 162}, SDL_Point{60, 24}},
      {"a size by the desktop is halved",
       {SdlWindowLog::windowEvent(id, SDL_WINDOWEVENT_SIZE_CHANGED, 521, 340)},
       {-1, -1},
       RECT{30, 12, 290, 182},
       SDL_Point{60, 24}},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    if (!s.events.empty()) w.pushAndSettle(s.events);
    if (s.hostMove.x != -1)
      SetWindowPos(w.window(), nullptr, s.hostMove.x, s.hostMove.y, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    RECT r{};
    ASSERT_TRUE(SdlWindowLog::pumpUntil([&] {
      GetWindowRect(w.window(), &r);
      return sameRect(r, s.host);
    })) << r.left
        << "," << r.top << " " << r.right << "," << r.bottom;
    // What the program asked is where the SDL window is; what the desktop
    // did the dummy driver does not do itself.
    const SDL_Rect shown = sdlPlace(id);
    EXPECT_EQ(shown.x, s.shown.x);
    EXPECT_EQ(shown.y, s.shown.y);
  }
}

// Over a window at an odd place, the pointer's position inside the SDL
// window still names the pixel shown there.
TEST_F(SdlScaledTest, ThePointerOverAWindowAtAnOddPlaceNamesThePixelShownThere) {
  SdlWindowLog w(100, 80, 200, 150, false);
  const Uint32 id = w.sdlId();
  w.pushAndSettle({SdlWindowLog::windowEvent(id, SDL_WINDOWEVENT_MOVED, 301, 203)});
  std::vector<Received> got = w.pushAndSettle(
      {SdlWindowLog::button(id, SDL_BUTTON_LEFT, true, 5, 3), SdlWindowLog::button(id, SDL_BUTTON_LEFT, false, 5, 3)});
  ASSERT_FALSE(got.empty());
  for (const Received& r : got) {
    if (r.message == WM_LBUTTONDOWN) {
      EXPECT_EQ(r.lParam, MAKELPARAM(2, 1));
    }
  }
  POINT p{};
  GetCursorPos(&p);
  EXPECT_EQ(p.x, 150 + 2);
  EXPECT_EQ(p.y, 101 + 1);
}

}  // namespace
}  // namespace sdltest
