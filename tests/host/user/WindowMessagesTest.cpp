// Message sequences of window creation, showing, moving, painting, focus and
// destruction, and window geometry. Win32 calls only.
#include <gtest/gtest.h>

#include "tests/host/user/WindowMessageLog.h"

namespace hosttest {
namespace {

const std::vector<UINT> kLifecycle = {WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE, WM_DESTROY, WM_NCDESTROY};
const std::vector<UINT> kActivation = {WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS, WM_SETFOCUS};

class WindowMessages : public ::testing::Test {
 protected:
  void SetUp() override {
    pumpMessages();
    WindowMessageLog::clear();
  }
  void TearDown() override {
    for (HWND w : windows_) {
      if (IsWindow(w)) DestroyWindow(w);
      WindowMessageLog::forget(w);
    }
    pumpMessages();
    WindowMessageLog::clear();
  }
  HWND make(int x, int y, int w, int h, HWND parent = nullptr, DWORD style = 0, DWORD exStyle = 0) {
    HWND window = WindowMessageLog::create(x, y, w, h, parent, style, exStyle);
    EXPECT_NE(window, nullptr);
    windows_.push_back(window);
    return window;
  }
  HWND makeHidden(int x, int y, int w, int h, LPVOID param = nullptr) {
    HWND window = CreateWindowExA(0, WindowMessageLog::className(), "hidden", WS_POPUP, x, y, w, h, nullptr, nullptr,
                                  nullptr, param);
    EXPECT_NE(window, nullptr);
    windows_.push_back(window);
    return window;
  }
  std::vector<HWND> windows_;
};

TEST_F(WindowMessages, CreationSendsCreateThenSizeAndMove) {
  HWND w = makeHidden(10, 20, 200, 100);
  auto log = WindowMessageLog::take(kLifecycle);
  std::vector<Logged> expected = {{w, WM_NCCREATE}, {w, WM_CREATE}, {w, WM_SIZE}, {w, WM_MOVE}};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(LOWORD(log[2].lParam), 200);
  EXPECT_EQ(HIWORD(log[2].lParam), 100);
  EXPECT_EQ(GET_X_LPARAM(log[3].lParam), 10);
  EXPECT_EQ(GET_Y_LPARAM(log[3].lParam), 20);
}

LPVOID seenParam = nullptr;

// Window procedures are stdcall on 32-bit Windows, which lambdas cannot be.
LRESULT CALLBACK paramProbeProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CREATE) seenParam = reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams;
  return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT CALLBACK refusingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CREATE) return -1;
  return DefWindowProcA(hwnd, msg, wp, lp);
}

TEST_F(WindowMessages, CreationParameterReachesCreate) {
  // A reaction cannot be installed before the handle exists, so a class of
  // its own looks at WM_CREATE.
  WNDCLASSA wc{};
  wc.lpfnWndProc = paramProbeProc;
  wc.lpszClassName = "BriselHostParamProbe";
  RegisterClassA(&wc);
  int marker = 0;
  HWND w = CreateWindowExA(0, "BriselHostParamProbe", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, &marker);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(seenParam, &marker);
  DestroyWindow(w);
}

TEST_F(WindowMessages, CreateReturningMinusOneFailsTheCreation) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = refusingProc;
  wc.lpszClassName = "BriselHostRefusingClass";
  RegisterClassA(&wc);
  EXPECT_EQ(
      CreateWindowExA(0, "BriselHostRefusingClass", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr),
      nullptr);
}

TEST_F(WindowMessages, RegisteringAClassTwiceFailsQuietly) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.lpszClassName = WindowMessageLog::className();
  SetLastError(0);
  EXPECT_EQ(RegisterClassA(&wc), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
  // The first registration still serves.
  HWND w = makeHidden(0, 0, 10, 10);
  WindowMessageLog::take();
  SendMessageA(w, WM_USER, 0, 0);
  EXPECT_EQ(WindowMessageLog::take({WM_USER}).size(), 1u);
}

TEST_F(WindowMessages, ShowingActivatesAndFocuses) {
  HWND w = makeHidden(0, 0, 50, 50);
  WindowMessageLog::clear();
  EXPECT_FALSE(ShowWindow(w, SW_SHOW));
  std::vector<Logged> expected = {{w, WM_SHOWWINDOW}, {w, WM_NCACTIVATE}, {w, WM_ACTIVATE}, {w, WM_SETFOCUS}};
  EXPECT_EQ(WindowMessageLog::take({WM_SHOWWINDOW, WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS, WM_SIZE, WM_MOVE}),
            expected);
  EXPECT_TRUE(IsWindowVisible(w));
  EXPECT_EQ(GetActiveWindow(), w);
  EXPECT_EQ(GetFocus(), w);
  WindowMessageLog::clear();
  EXPECT_TRUE(ShowWindow(w, SW_SHOW));
  EXPECT_TRUE(WindowMessageLog::take({WM_SHOWWINDOW, WM_ACTIVATE, WM_SETFOCUS}).empty());
  EXPECT_TRUE(ShowWindow(w, SW_HIDE));
  EXPECT_FALSE(IsWindowVisible(w));
  EXPECT_EQ(GetFocus(), nullptr);
}

struct MoveCase {
  RECT to;
  std::vector<UINT> messages;
};

TEST_F(WindowMessages, MoveWindowSendsMoveAndSizeOnlyForWhatChanged) {
  const MoveCase cases[] = {
      {{10, 20, 110, 70}, {}},
      {{30, 40, 130, 90}, {WM_MOVE}},
      {{30, 40, 230, 190}, {WM_SIZE}},
      {{-5, -7, 95, 43}, {WM_MOVE, WM_SIZE}},
  };
  HWND w = make(10, 20, 100, 50);
  for (const MoveCase& c : cases) {
    WindowMessageLog::clear();
    MoveWindow(w, c.to.left, c.to.top, c.to.right - c.to.left, c.to.bottom - c.to.top, TRUE);
    auto log = WindowMessageLog::take({WM_MOVE, WM_SIZE});
    ASSERT_EQ(log.size(), c.messages.size());
    for (size_t i = 0; i < log.size(); ++i) {
      EXPECT_EQ(log[i].message, c.messages[i]);
      if (log[i].message == WM_MOVE) {
        EXPECT_EQ(GET_X_LPARAM(log[i].lParam), c.to.left);
        EXPECT_EQ(GET_Y_LPARAM(log[i].lParam), c.to.top);
      } else {
        EXPECT_EQ(LOWORD(log[i].lParam), c.to.right - c.to.left);
        EXPECT_EQ(HIWORD(log[i].lParam), c.to.bottom - c.to.top);
      }
    }
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, c.to.left);
    EXPECT_EQ(r.bottom, c.to.bottom);
  }
}

TEST_F(WindowMessages, InvalidationProducesPaintOnceTheQueueIsEmpty) {
  HWND w = make(0, 0, 100, 100);
  pumpMessages();
  WindowMessageLog::clear();
  RECT area{10, 10, 20, 30};
  InvalidateRect(w, &area, TRUE);
  RECT update;
  EXPECT_TRUE(GetUpdateRect(w, &update, FALSE));
  EXPECT_EQ(update.left, 10);
  EXPECT_EQ(update.bottom, 30);
  PostMessageA(w, WM_USER, 0, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_PAINT));
  EXPECT_EQ(msg.hwnd, w);
  DispatchMessageA(&msg);
  std::vector<Logged> expected = {{w, WM_PAINT}, {w, WM_ERASEBKGND}};
  EXPECT_EQ(WindowMessageLog::take({WM_PAINT, WM_ERASEBKGND}), expected);
  EXPECT_FALSE(GetUpdateRect(w, &update, FALSE));
  EXPECT_FALSE(PeekMessageA(&msg, w, WM_PAINT, WM_PAINT, PM_NOREMOVE));
}

TEST_F(WindowMessages, ValidateRectClearsThePendingPaint) {
  HWND w = make(0, 0, 100, 100);
  pumpMessages();
  InvalidateRect(w, nullptr, FALSE);
  ValidateRect(w, nullptr);
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, w, WM_PAINT, WM_PAINT, PM_NOREMOVE));
}

TEST_F(WindowMessages, UpdateWindowPaintsAtOnce) {
  HWND w = make(0, 0, 100, 100);
  pumpMessages();
  WindowMessageLog::clear();
  InvalidateRect(w, nullptr, FALSE);
  UpdateWindow(w);
  EXPECT_EQ(WindowMessageLog::take({WM_PAINT}).size(), 1u);
  UpdateWindow(w);
  EXPECT_TRUE(WindowMessageLog::take({WM_PAINT}).empty());
}

TEST_F(WindowMessages, DestructionGoesParentFirstThenFinishesChildrenFirst) {
  HWND parent = make(0, 0, 200, 200);
  HWND first = make(0, 0, 50, 50, parent);
  HWND grandchild = make(0, 0, 10, 10, first);
  HWND second = make(60, 0, 50, 50, parent);
  WindowMessageLog::clear();
  DestroyWindow(parent);
  std::vector<Logged> expected = {
      {parent, WM_DESTROY},       {first, WM_DESTROY},   {grandchild, WM_DESTROY}, {second, WM_DESTROY},
      {grandchild, WM_NCDESTROY}, {first, WM_NCDESTROY}, {second, WM_NCDESTROY},   {parent, WM_NCDESTROY},
  };
  EXPECT_EQ(WindowMessageLog::take({WM_DESTROY, WM_NCDESTROY}), expected);
  for (HWND w : {parent, first, grandchild, second}) EXPECT_FALSE(IsWindow(w));
}

TEST_F(WindowMessages, DestroyingAnOwnerDestroysItsOwnedWindowsFirst) {
  HWND owner = make(0, 0, 100, 100);
  HWND owned =
      CreateWindowExA(0, WindowMessageLog::className(), "", WS_POPUP, 0, 0, 10, 10, owner, nullptr, nullptr, nullptr);
  windows_.push_back(owned);
  EXPECT_EQ(GetParent(owned), owner);
  WindowMessageLog::clear();
  DestroyWindow(owner);
  std::vector<Logged> expected = {{owned, WM_DESTROY}, {owner, WM_DESTROY}};
  EXPECT_EQ(WindowMessageLog::take({WM_DESTROY}), expected);
}

TEST_F(WindowMessages, CloseDestroysByDefaultAndNotWhenHandled) {
  HWND kept = make(0, 0, 10, 10);
  WindowMessageLog::react(kept, WM_CLOSE, [](HWND, WPARAM, LPARAM) -> LRESULT { return 0; });
  SendMessageA(kept, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(kept));
  HWND closed = make(0, 0, 10, 10);
  WindowMessageLog::clear();
  SendMessageA(closed, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(closed));
  std::vector<Logged> expected = {{closed, WM_CLOSE}, {closed, WM_DESTROY}};
  EXPECT_EQ(WindowMessageLog::take({WM_CLOSE, WM_DESTROY}), expected);
}

TEST_F(WindowMessages, ActivationAndFocusMoveBetweenWindows) {
  HWND a = make(0, 0, 100, 100);
  HWND b = make(200, 0, 100, 100);
  HWND c = make(10, 10, 20, 20, b);
  ASSERT_EQ(GetActiveWindow(), b);
  WindowMessageLog::clear();
  SetActiveWindow(a);
  std::vector<Logged> toA = {{b, WM_NCACTIVATE}, {b, WM_ACTIVATE},  {a, WM_NCACTIVATE},
                             {a, WM_ACTIVATE},   {b, WM_KILLFOCUS}, {a, WM_SETFOCUS}};
  EXPECT_EQ(WindowMessageLog::take(kActivation), toA);
  WindowMessageLog::clear();
  SetFocus(c);
  std::vector<Logged> toC = {{a, WM_NCACTIVATE}, {a, WM_ACTIVATE}, {b, WM_NCACTIVATE}, {b, WM_ACTIVATE},
                             {a, WM_KILLFOCUS},  {b, WM_SETFOCUS}, {b, WM_KILLFOCUS},  {c, WM_SETFOCUS}};
  auto log = WindowMessageLog::take(kActivation);
  EXPECT_EQ(log, toC);
  EXPECT_EQ(LOWORD(log[1].wParam), WA_INACTIVE);
  EXPECT_EQ(LOWORD(log[3].wParam), WA_ACTIVE);
  EXPECT_EQ(GetFocus(), c);
  EXPECT_EQ(GetActiveWindow(), b);
}

TEST_F(WindowMessages, HidingTheActiveWindowActivatesTheNextOne) {
  HWND a = make(0, 0, 100, 100);
  HWND b = make(200, 0, 100, 100);
  ASSERT_EQ(GetActiveWindow(), b);
  WindowMessageLog::clear();
  ShowWindow(b, SW_HIDE);
  EXPECT_EQ(GetActiveWindow(), a);
  EXPECT_EQ(GetFocus(), a);
  std::vector<Logged> expected = {{b, WM_ACTIVATE}, {a, WM_ACTIVATE}, {b, WM_KILLFOCUS}, {a, WM_SETFOCUS}};
  EXPECT_EQ(WindowMessageLog::take({WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS}), expected);
}

TEST_F(WindowMessages, AHiddenOrDestroyedChildGivesTheFocusToItsParent) {
  HWND parent = make(0, 0, 100, 100);
  const bool destroy[] = {false, true};
  for (bool gone : destroy) {
    HWND child = make(10, 10, 20, 20, parent);
    SetFocus(child);
    WindowMessageLog::clear();
    if (gone) {
      DestroyWindow(child);
    } else {
      ShowWindow(child, SW_HIDE);
    }
    EXPECT_EQ(GetFocus(), parent);
    std::vector<Logged> expected = {{child, WM_KILLFOCUS}, {parent, WM_SETFOCUS}};
    EXPECT_EQ(WindowMessageLog::take({WM_KILLFOCUS, WM_SETFOCUS}), expected);
  }
}

TEST_F(WindowMessages, DisablingTakesTheFocusAndReportsThePreviousState) {
  HWND w = make(0, 0, 100, 100);
  ASSERT_EQ(GetFocus(), w);
  WindowMessageLog::clear();
  EXPECT_FALSE(EnableWindow(w, FALSE));
  EXPECT_FALSE(IsWindowEnabled(w));
  EXPECT_TRUE(EnableWindow(w, FALSE));
  EXPECT_EQ(GetFocus(), nullptr);
  std::vector<Logged> expected = {{w, WM_KILLFOCUS}, {w, WM_ENABLE}};
  EXPECT_EQ(WindowMessageLog::take({WM_KILLFOCUS, WM_ENABLE}), expected);
  EXPECT_TRUE(EnableWindow(w, TRUE));
  EXPECT_TRUE(IsWindowEnabled(w));
}

TEST_F(WindowMessages, CaptureChangesAreAnnounced) {
  HWND a = make(0, 0, 10, 10);
  HWND b = make(20, 0, 10, 10);
  WindowMessageLog::clear();
  EXPECT_EQ(SetCapture(a), nullptr);
  EXPECT_EQ(GetCapture(), a);
  EXPECT_EQ(SetCapture(b), a);
  EXPECT_TRUE(ReleaseCapture());
  EXPECT_EQ(GetCapture(), nullptr);
  auto log = WindowMessageLog::take({WM_CAPTURECHANGED});
  std::vector<Logged> expected = {{a, WM_CAPTURECHANGED}, {b, WM_CAPTURECHANGED}};
  ASSERT_EQ(log, expected);
  EXPECT_EQ(reinterpret_cast<HWND>(log[0].lParam), b);
  EXPECT_EQ(log[1].lParam, 0);
}

TEST_F(WindowMessages, MaximizeCoversTheWorkAreaAndRestoreComesBack) {
  HWND w = make(30, 40, 100, 80);
  RECT work;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
  WindowMessageLog::clear();
  ShowWindow(w, SW_SHOWMAXIMIZED);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, work.left);
  EXPECT_EQ(r.top, work.top);
  EXPECT_EQ(r.right, work.right);
  EXPECT_EQ(r.bottom, work.bottom);
  EXPECT_TRUE(IsZoomed(w));
  auto sizes = WindowMessageLog::take({WM_SIZE});
  ASSERT_FALSE(sizes.empty());
  EXPECT_EQ(sizes.back().wParam, static_cast<WPARAM>(SIZE_MAXIMIZED));
  ShowWindow(w, SW_SHOWNORMAL);
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, 30);
  EXPECT_EQ(r.bottom, 120);
  sizes = WindowMessageLog::take({WM_SIZE});
  ASSERT_FALSE(sizes.empty());
  EXPECT_EQ(sizes.back().wParam, static_cast<WPARAM>(SIZE_RESTORED));
}

TEST_F(WindowMessages, MinimizeReportsItAndRestoreComesBack) {
  HWND w = make(30, 40, 100, 80);
  WindowMessageLog::clear();
  ShowWindow(w, SW_SHOWMINIMIZED);
  EXPECT_TRUE(IsIconic(w));
  auto sizes = WindowMessageLog::take({WM_SIZE});
  ASSERT_FALSE(sizes.empty());
  EXPECT_EQ(sizes.back().wParam, static_cast<WPARAM>(SIZE_MINIMIZED));
  ShowWindow(w, SW_SHOWNORMAL);
  EXPECT_FALSE(IsIconic(w));
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, 30);
  EXPECT_EQ(r.right, 130);
}

TEST_F(WindowMessages, FramesMatchAdjustWindowRectEx) {
  const DWORD styles[] = {WS_POPUP, WS_POPUP | WS_BORDER, WS_POPUP | WS_CAPTION, WS_OVERLAPPEDWINDOW,
                          WS_POPUP | WS_DLGFRAME};
  for (DWORD style : styles) {
    HWND w = CreateWindowExA(0, WindowMessageLog::className(), "", style, 50, 60, 300, 200, nullptr, nullptr, nullptr,
                             nullptr);
    ASSERT_NE(w, nullptr);
    RECT outer, client;
    GetWindowRect(w, &outer);
    GetClientRect(w, &client);
    RECT adjusted = client;
    AdjustWindowRectEx(&adjusted, style, FALSE, 0);
    EXPECT_EQ(adjusted.right - adjusted.left, outer.right - outer.left) << std::hex << style;
    EXPECT_EQ(adjusted.bottom - adjusted.top, outer.bottom - outer.top) << std::hex << style;
    POINT origin{0, 0};
    ClientToScreen(w, &origin);
    EXPECT_EQ(origin.x, outer.left - adjusted.left);
    EXPECT_EQ(origin.y, outer.top - adjusted.top);
    DestroyWindow(w);
  }
}

TEST_F(WindowMessages, ChildCoordinatesFollowTheParentsClientArea) {
  HWND parent = make(100, 200, 300, 300, nullptr, WS_BORDER);
  HWND child = make(10, 20, 50, 50, parent);
  POINT p{0, 0};
  ClientToScreen(child, &p);
  POINT parentOrigin{0, 0};
  ClientToScreen(parent, &parentOrigin);
  EXPECT_EQ(p.x, parentOrigin.x + 10);
  EXPECT_EQ(p.y, parentOrigin.y + 20);
  ScreenToClient(parent, &p);
  EXPECT_EQ(p.x, 10);
  EXPECT_EQ(p.y, 20);
  RECT r;
  GetWindowRect(child, &r);
  EXPECT_EQ(r.left, parentOrigin.x + 10);
  EXPECT_EQ(r.right - r.left, 50);
}

TEST_F(WindowMessages, WindowFromPointFollowsZOrderThenChildren) {
  HWND lower = make(0, 0, 200, 200);
  HWND upper = make(100, 100, 200, 200);
  HWND first = make(10, 10, 100, 100, lower);
  HWND second = make(50, 50, 100, 100, lower);
  HWND nested = make(5, 5, 20, 20, first);
  HWND disabled = make(150, 10, 30, 30, lower, WS_DISABLED);
  HWND hidden = CreateWindowExA(0, WindowMessageLog::className(), "", WS_CHILD, 10, 150, 30, 30, lower, nullptr,
                                nullptr, nullptr);
  windows_.push_back(hidden);
  struct Case {
    POINT at;
    HWND expected;
  };
  const Case cases[] = {
      {{150, 150}, upper},  // over both top-level windows: the later shown is on top
      {{60, 60}, first},    // overlapping children: the first created is on top
      {{120, 120}, upper},  // the second child is under the upper top-level window
      {{55, 140}, second},  // only the second child
      {{17, 17}, nested},   // a grandchild
      {{160, 20}, lower},   // a disabled child is passed over
      {{15, 155}, lower},   // so is a hidden one
      {{5, 5}, lower},      // the parent outside its children
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WindowFromPoint(c.at), c.expected) << c.at.x << "," << c.at.y;
  }
  (void)disabled;
}

}  // namespace
}  // namespace hosttest
