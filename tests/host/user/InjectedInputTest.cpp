// Input injected through the null display becomes the messages Windows would
// send: pointer, buttons, keys, wheel, IME commits, drops and close requests.
#include <gtest/gtest.h>

#include <cstring>
#include <chrono>
#include <future>

#include <string>
#include <thread>

#include "platform/host/display/null/NullDisplay.h"
#include "tests/host/user/WindowMessageLog.h"

namespace hosttest {
namespace {

using nvhost::NullDisplay;

class InjectedInput : public ::testing::Test {
 protected:
  void SetUp() override {
    NullDisplay::setDesktop(1280, 1024, RECT{0, 0, 1280, 1024});
    pumpMessages();
    WindowMessageLog::clear();
  }
  void TearDown() override {
    for (HWND w : windows_) {
      WindowMessageLog::forget(w);
      if (IsWindow(w)) DestroyWindow(w);
    }
    ReleaseCapture();
    pumpMessages();
    WindowMessageLog::clear();
  }
  HWND make(int x, int y, int w, int h, HWND parent = nullptr, DWORD style = 0, DWORD exStyle = 0) {
    HWND window = WindowMessageLog::create(x, y, w, h, parent, style, exStyle);
    EXPECT_NE(window, nullptr);
    windows_.push_back(window);
    pumpMessages();
    return window;
  }
  static std::vector<Logged> run(const std::vector<UINT>& interesting) {
    pumpMessages();
    return WindowMessageLog::take(interesting);
  }
  std::vector<HWND> windows_;
};

const std::vector<UINT> kKeys = {WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_SYSKEYDOWN, WM_SYSKEYUP};
const std::vector<UINT> kMouse = {WM_LBUTTONDOWN,    WM_LBUTTONUP,     WM_LBUTTONDBLCLK, WM_RBUTTONDOWN,
                                  WM_RBUTTONUP,      WM_MBUTTONDOWN,   WM_MBUTTONUP,     WM_NCLBUTTONDOWN,
                                  WM_NCLBUTTONUP,    WM_NCRBUTTONDOWN, WM_NCRBUTTONUP,   WM_NCRBUTTONDBLCLK,
                                  WM_NCLBUTTONDBLCLK};

TEST_F(InjectedInput, KeysReachTheFocusWindowWithCharacters) {
  struct Case {
    BYTE key;
    bool shift;
    bool control;
    int character;  // -1: none
  };
  const Case cases[] = {
      {'A', false, false, 'a'}, {'A', true, false, 'A'},     {'A', false, true, 1},           {'7', false, false, '7'},
      {'7', true, false, '&'},  {VK_LEFT, false, false, -1}, {VK_RETURN, false, false, '\r'},
  };
  HWND w = make(0, 0, 100, 100);
  ASSERT_EQ(GetFocus(), w);
  for (const Case& c : cases) {
    NullDisplay::typeKey(c.key, c.shift, c.control);
    auto log = run(kKeys);
    std::vector<Logged> keyOnly;
    for (const Logged& m : log) {
      if (m.wParam == c.key || m.message == WM_CHAR) keyOnly.push_back(m);
    }
    std::vector<Logged> expected = {{w, WM_KEYDOWN}};
    if (c.character >= 0) expected.push_back({w, WM_CHAR});
    expected.push_back({w, WM_KEYUP});
    ASSERT_EQ(keyOnly, expected) << int(c.key);
    if (c.character >= 0) {
      EXPECT_EQ(keyOnly[1].wParam, static_cast<WPARAM>(c.character));
    }
    EXPECT_EQ(keyOnly[0].lParam & (1L << 31), 0);
    EXPECT_NE(keyOnly.back().lParam & (1L << 31), 0);
  }
}

TEST_F(InjectedInput, KeysWithAltAreSystemKeys) {
  HWND w = make(0, 0, 100, 100);
  WindowMessageLog::clear();
  NullDisplay::pressKey(VK_MENU);
  NullDisplay::typeKey('F');
  NullDisplay::releaseKey(VK_MENU);
  std::vector<Logged> expected = {{w, WM_SYSKEYDOWN}, {w, WM_SYSKEYDOWN}, {w, WM_SYSKEYUP}, {w, WM_SYSKEYUP}};
  auto log = run({WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP});
  ASSERT_EQ(log, expected);
  EXPECT_EQ(log[1].wParam, static_cast<WPARAM>('F'));
  EXPECT_NE(log[1].lParam & (1L << 29), 0);
}

TEST_F(InjectedInput, TheDisplayIsChosenBeforeTheFirstWindow) {
  EXPECT_FALSE(nvhost::selectDisplay("no such display"));
  EXPECT_TRUE(nvhost::selectDisplay("null"));
  HWND w = make(0, 0, 10, 10);
  EXPECT_FALSE(nvhost::selectDisplay("null"));
  DestroyWindow(w);
  EXPECT_TRUE(NullDisplay::select());
}

TEST_F(InjectedInput, KeyAndButtonStatesFollowTheInput) {
  const BYTE keys[] = {VK_SHIFT, VK_CONTROL, 'Z', VK_LBUTTON, VK_RBUTTON, VK_MBUTTON};
  BYTE state[256];
  for (BYTE key : keys) {
    if (key == VK_LBUTTON || key == VK_RBUTTON || key == VK_MBUTTON) {
      NullDisplay::pressButton(key);
    } else {
      NullDisplay::pressKey(key);
    }
    GetKeyboardState(state);
    EXPECT_NE(state[key] & 0x80, 0) << int(key);
    EXPECT_LT(GetKeyState(key), 0) << int(key);
    EXPECT_NE(GetAsyncKeyState(key) & 0x8000, 0) << int(key);
    if (key == VK_LBUTTON || key == VK_RBUTTON || key == VK_MBUTTON) {
      NullDisplay::releaseButton(key);
    } else {
      NullDisplay::releaseKey(key);
    }
    GetKeyboardState(state);
    EXPECT_EQ(state[key] & 0x80, 0) << int(key);
    EXPECT_GE(GetKeyState(key), 0) << int(key);
  }
}

TEST_F(InjectedInput, CapsLockTogglesWithEveryPress) {
  bool on = GetKeyState(VK_CAPITAL) & 1;
  for (int press = 0; press < 3; ++press) {
    NullDisplay::typeKey(VK_CAPITAL);
    on = !on;
    EXPECT_EQ((GetKeyState(VK_CAPITAL) & 1) != 0, on);
    BYTE state[256];
    GetKeyboardState(state);
    EXPECT_EQ((state[VK_CAPITAL] & 1) != 0, on);
  }
  HWND w = make(0, 0, 100, 100);
  WindowMessageLog::clear();
  NullDisplay::typeKey('B');
  auto chars = run({WM_CHAR});
  ASSERT_EQ(chars.size(), 1u);
  EXPECT_EQ(chars[0].wParam, static_cast<WPARAM>(on ? 'B' : 'b'));
  if (on) NullDisplay::typeKey(VK_CAPITAL);
  (void)w;
}

TEST_F(InjectedInput, ClicksBecomeClientMessagesAndDoubleClicks) {
  HWND w = make(100, 100, 200, 200);
  WindowMessageLog::clear();
  const DWORD t = 100000;
  NullDisplay::click(150, 160, VK_LBUTTON, t);
  NullDisplay::click(151, 160, VK_LBUTTON, t + 100);
  NullDisplay::click(151, 160, VK_LBUTTON, t + 200);
  NullDisplay::click(151, 160, VK_LBUTTON, t + 2000);
  auto log = run(kMouse);
  std::vector<Logged> expected = {{w, WM_LBUTTONDOWN}, {w, WM_LBUTTONUP}, {w, WM_LBUTTONDBLCLK}, {w, WM_LBUTTONUP},
                                  {w, WM_LBUTTONDOWN}, {w, WM_LBUTTONUP}, {w, WM_LBUTTONDOWN},   {w, WM_LBUTTONUP}};
  ASSERT_EQ(log, expected);
  EXPECT_EQ(GET_X_LPARAM(log[0].lParam), 50);
  EXPECT_EQ(GET_Y_LPARAM(log[0].lParam), 60);
  EXPECT_NE(log[0].wParam & MK_LBUTTON, 0u);
}

// A button message keeps the pointer where it was made: a program that takes
// it late, after the pointer and the window have moved on, still learns where
// the button went down and up.
TEST_F(InjectedInput, ButtonMessagesKeepThePointerWhereTheyWereMade) {
  HWND w = make(100, 100, 200, 200);
  NullDisplay::click(150, 160, VK_LBUTTON, 100000);
  NullDisplay::movePointer(420, 330);
  MoveWindow(w, 300, 300, 200, 200, FALSE);
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP}) {
    MSG m{};
    ASSERT_TRUE(PeekMessageA(&m, w, message, message, PM_REMOVE)) << message;
    const DWORD pos = GetMessagePos();
    EXPECT_EQ(GET_X_LPARAM(pos), 150) << message;
    EXPECT_EQ(GET_Y_LPARAM(pos), 160) << message;
  }
  POINT now{};
  GetCursorPos(&now);
  EXPECT_EQ(now.x, 420);
  EXPECT_EQ(now.y, 330);
}

TEST_F(InjectedInput, CaptionPressesAreNonClientMessages) {
  HWND w = make(100, 100, 200, 200, nullptr, WS_CAPTION | WS_SYSMENU);
  RECT outer, client;
  GetWindowRect(w, &outer);
  POINT origin{0, 0};
  ClientToScreen(w, &origin);
  GetClientRect(w, &client);
  ASSERT_GT(origin.y, outer.top);
  int captionY = (outer.top + origin.y) / 2;
  WindowMessageLog::clear();
  const DWORD t = 200000;
  NullDisplay::click(150, captionY, VK_RBUTTON, t);
  NullDisplay::click(150, captionY, VK_RBUTTON, t + 50);
  NullDisplay::click(150, captionY, VK_LBUTTON, t + 1000);
  auto log = run(kMouse);
  std::vector<Logged> expected = {{w, WM_NCRBUTTONDOWN}, {w, WM_NCRBUTTONUP},   {w, WM_NCRBUTTONDBLCLK},
                                  {w, WM_NCRBUTTONUP},   {w, WM_NCLBUTTONDOWN}, {w, WM_NCLBUTTONUP}};
  ASSERT_EQ(log, expected);
  EXPECT_EQ(log[0].wParam, static_cast<WPARAM>(HTCAPTION));
  EXPECT_EQ(GET_X_LPARAM(log[0].lParam), 150);
  EXPECT_EQ(GET_Y_LPARAM(log[0].lParam), captionY);
}

TEST_F(InjectedInput, ACapturedPointerReportsToTheCaptureWindow) {
  HWND a = make(0, 0, 100, 100);
  HWND b = make(300, 0, 100, 100);
  SetCapture(a);
  WindowMessageLog::clear();
  NullDisplay::click(350, 50);
  auto log = run(kMouse);
  std::vector<Logged> expected = {{a, WM_LBUTTONDOWN}, {a, WM_LBUTTONUP}};
  ASSERT_EQ(log, expected);
  EXPECT_EQ(GET_X_LPARAM(log[0].lParam), 350);
  ReleaseCapture();
  NullDisplay::click(350, 50);
  expected = {{b, WM_LBUTTONDOWN}, {b, WM_LBUTTONUP}};
  EXPECT_EQ(run(kMouse), expected);
}

TEST_F(InjectedInput, APressActivatesTheWindowUnderThePointer) {
  HWND a = make(0, 0, 100, 100);
  HWND b = make(300, 0, 100, 100);
  ASSERT_EQ(GetActiveWindow(), b);
  WindowMessageLog::clear();
  NullDisplay::click(50, 50);
  auto log = run({WM_ACTIVATE, WM_SETFOCUS, WM_LBUTTONDOWN});
  std::vector<Logged> expected = {{b, WM_ACTIVATE}, {a, WM_ACTIVATE}, {a, WM_SETFOCUS}, {a, WM_LBUTTONDOWN}};
  ASSERT_EQ(log, expected);
  EXPECT_EQ(LOWORD(log[1].wParam), WA_CLICKACTIVE);
  EXPECT_EQ(GetActiveWindow(), a);
  EXPECT_EQ(WindowFromPoint(POINT{50, 50}), a);
}

TEST_F(InjectedInput, WheelNotchesGoToTheFocusAndUpToItsParent) {
  HWND parent = make(0, 0, 200, 200);
  HWND child = make(10, 10, 50, 50, parent);
  SetFocus(child);
  WindowMessageLog::clear();
  NullDisplay::turnWheel(2);
  NullDisplay::turnWheel(-1);
  auto log = run({WM_MOUSEWHEEL});
  std::vector<Logged> expected = {
      {child, WM_MOUSEWHEEL}, {parent, WM_MOUSEWHEEL}, {child, WM_MOUSEWHEEL}, {parent, WM_MOUSEWHEEL}};
  ASSERT_EQ(log, expected);
  EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(log[0].wParam), 2 * WHEEL_DELTA);
  EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(log[2].wParam), -WHEEL_DELTA);
}

TEST_F(InjectedInput, AnImeCommitArrivesAsACompositionWithItsResult) {
  HWND w = make(0, 0, 100, 100);
  const std::string text = "\x82\xa0\x82\xa2\x8a\xbf";  // あい漢
  std::string seen;
  WindowMessageLog::react(w, WM_IME_COMPOSITION, [&seen](HWND hwnd, WPARAM, LPARAM lp) -> LRESULT {
    if (!(lp & GCS_RESULTSTR)) return 0;
    HIMC context = ImmGetContext(hwnd);
    LONG size = ImmGetCompositionStringA(context, GCS_RESULTSTR, nullptr, 0);
    std::string buffer(static_cast<size_t>(size), '\0');
    ImmGetCompositionStringA(context, GCS_RESULTSTR, buffer.data(), static_cast<DWORD>(size));
    ImmReleaseContext(hwnd, context);
    seen = buffer;
    return 0;
  });
  WindowMessageLog::clear();
  NullDisplay::commitIme(text);
  std::vector<Logged> expected = {{w, WM_IME_STARTCOMPOSITION}, {w, WM_IME_COMPOSITION}, {w, WM_IME_ENDCOMPOSITION}};
  EXPECT_EQ(run({WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION, WM_IME_ENDCOMPOSITION}), expected);
  EXPECT_EQ(seen, text);
}

TEST_F(InjectedInput, AnImeCommitKeepsItsPlaceAmongTheKeys) {
  HWND w = make(0, 0, 100, 100);
  WindowMessageLog::clear();
  NullDisplay::pressKey('X');
  NullDisplay::commitIme("\x82\xa0");
  NullDisplay::releaseKey('X');
  std::vector<Logged> expected = {{w, WM_KEYDOWN},
                                  {w, WM_IME_STARTCOMPOSITION},
                                  {w, WM_IME_COMPOSITION},
                                  {w, WM_IME_ENDCOMPOSITION},
                                  {w, WM_KEYUP}};
  EXPECT_EQ(run({WM_KEYDOWN, WM_KEYUP, WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION, WM_IME_ENDCOMPOSITION}), expected);
}

TEST_F(InjectedInput, TheCompositionFontAndWindowAreKept) {
  HWND w = make(0, 0, 100, 100);
  HIMC context = ImmGetContext(w);
  ASSERT_NE(context, nullptr);
  LOGFONTA font{};
  font.lfHeight = 13;
  std::strcpy(font.lfFaceName, "\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e");
  EXPECT_TRUE(ImmSetCompositionFontA(context, &font));
  COMPOSITIONFORM form{CFS_POINT, {12, 34}, {}};
  EXPECT_TRUE(ImmSetCompositionWindow(context, &form));
  LOGFONTA readFont{};
  COMPOSITIONFORM readForm{};
  ASSERT_TRUE(ImmGetCompositionFontA(context, &readFont));
  ASSERT_TRUE(ImmGetCompositionWindow(context, &readForm));
  EXPECT_STREQ(readFont.lfFaceName, font.lfFaceName);
  EXPECT_EQ(readForm.ptCurrentPos.y, 34);
  EXPECT_FALSE(ImmGetOpenStatus(context));
  WindowMessageLog::clear();
  EXPECT_TRUE(ImmSetOpenStatus(context, TRUE));
  EXPECT_TRUE(ImmGetOpenStatus(context));
  EXPECT_EQ(WindowMessageLog::take({WM_IME_NOTIFY}).size(), 1u);
  ImmReleaseContext(w, context);
}

struct DropResult {
  UINT count = 0;
  std::vector<std::string> paths;
  POINT point{};
};

LRESULT readDrop(DropResult& out, WPARAM wp) {
  auto drop = reinterpret_cast<HDROP>(wp);
  out.count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < out.count; ++i) {
    UINT length = DragQueryFileA(drop, i, nullptr, 0);
    std::string path(length + 1, '\0');
    EXPECT_EQ(DragQueryFileA(drop, i, path.data(), length + 1), length);
    path.resize(length);
    out.paths.push_back(path);
  }
  DragQueryPoint(drop, &out.point);
  DragFinish(drop);
  return 0;
}

TEST_F(InjectedInput, ADropGoesToTheNearestWindowThatAcceptsFiles) {
  HWND parent = make(100, 100, 300, 300);
  HWND child = make(10, 10, 100, 100, parent);
  DragAcceptFiles(parent, TRUE);
  DropResult result;
  WindowMessageLog::react(parent, WM_DROPFILES, [&result](HWND, WPARAM wp, LPARAM) { return readDrop(result, wp); });
  const std::string longName = "/tmp/" + std::string(600, 'x') + ".mqo";
  const std::vector<std::string> paths = {"/tmp/a.mqo", "/tmp/\xe6\x97\xa5\xe6\x9c\xac.mqo", longName};
  WindowMessageLog::clear();
  ASSERT_TRUE(NullDisplay::dropFiles(130, 140, paths));
  std::vector<Logged> expected = {{parent, WM_DROPFILES}};
  EXPECT_EQ(run({WM_DROPFILES}), expected);
  ASSERT_EQ(result.count, 3u);
  EXPECT_EQ(result.paths[0], "/tmp/a.mqo");
  EXPECT_EQ(result.paths[1], "/tmp/\x93\xfa\x96\x7b.mqo");
  EXPECT_EQ(result.paths[2], longName);
  EXPECT_EQ(result.point.x, 30);
  EXPECT_EQ(result.point.y, 40);
  (void)child;
}

TEST_F(InjectedInput, ADropWithoutAnAcceptingWindowIsRefused) {
  HWND w = make(100, 100, 300, 300);
  EXPECT_FALSE(NullDisplay::dropFiles(130, 140, {"/tmp/a.mqo"}));
  EXPECT_FALSE(NullDisplay::dropFiles(1000, 1000, {"/tmp/a.mqo"}));
  DragAcceptFiles(w, TRUE);
  DragAcceptFiles(w, FALSE);
  EXPECT_FALSE(NullDisplay::dropFiles(130, 140, {"/tmp/a.mqo"}));
}

TEST_F(InjectedInput, APathIsCutToASmallBuffer) {
  HWND w = make(0, 0, 100, 100, nullptr, 0, WS_EX_ACCEPTFILES);
  std::string cut;
  UINT copied = 0;
  WindowMessageLog::react(w, WM_DROPFILES, [&](HWND, WPARAM wp, LPARAM) -> LRESULT {
    char buffer[8];
    copied = DragQueryFileA(reinterpret_cast<HDROP>(wp), 0, buffer, sizeof(buffer));
    cut = buffer;
    DragFinish(reinterpret_cast<HDROP>(wp));
    return 0;
  });
  ASSERT_TRUE(NullDisplay::dropFiles(10, 10, {"/tmp/abcdefgh.mqo"}));
  pumpMessages();
  EXPECT_EQ(copied, 7u);
  EXPECT_EQ(cut, "/tmp/ab");
  // A finished drop handle answers nothing.
  EXPECT_EQ(DragQueryFileA(reinterpret_cast<HDROP>(0x30010), 0xFFFFFFFF, nullptr, 0), 0u);
}

TEST_F(InjectedInput, ACloseRequestBecomesCloseAndTheProcedureDecides) {
  HWND kept = make(0, 0, 100, 100);
  WindowMessageLog::react(kept, WM_CLOSE, [](HWND, WPARAM, LPARAM) -> LRESULT { return 0; });
  WindowMessageLog::clear();
  NullDisplay::requestClose(kept);
  std::vector<Logged> expected = {{kept, WM_SYSCOMMAND}, {kept, WM_CLOSE}};
  EXPECT_EQ(run({WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY}), expected);
  EXPECT_TRUE(IsWindow(kept));
  HWND closed = make(200, 0, 100, 100);
  HWND child = make(0, 0, 10, 10, closed);
  NullDisplay::requestClose(child);
  pumpMessages();
  EXPECT_FALSE(IsWindow(closed));
}

TEST_F(InjectedInput, ARestoreRequestBringsAMinimizedWindowBack) {
  HWND w = make(10, 20, 100, 50);
  ShowWindow(w, SW_SHOWMINIMIZED);
  ASSERT_TRUE(IsIconic(w));
  NullDisplay::requestRestore(w);
  pumpMessages();
  EXPECT_FALSE(IsIconic(w));
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.bottom, 70);
}

TEST_F(InjectedInput, TheDesktopCanActivateAWindow) {
  HWND a = make(0, 0, 100, 100);
  HWND b = make(200, 0, 100, 100);
  ASSERT_EQ(GetActiveWindow(), b);
  NullDisplay::requestActivation(a);
  pumpMessages();
  EXPECT_EQ(GetActiveWindow(), a);
  EXPECT_EQ(GetFocus(), a);
}

TEST_F(InjectedInput, ClipboardTextTravelsBetweenTheHostAndTheDesktop) {
  const std::string text = "\x83\x65\x83\x4c\x83\x58\x83\x67 text";
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 2);
  std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(CF_TEXT, block);
  CloseClipboard();
  EXPECT_EQ(NullDisplay::clipboardText(), text);
  NullDisplay::offerClipboard("from the desktop");
  ASSERT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE data = GetClipboardData(CF_TEXT);
  EXPECT_STREQ(static_cast<const char*>(GlobalLock(data)), "from the desktop");
  GlobalUnlock(data);
  CloseClipboard();
}

// The desktop's text waits while a program has the clipboard open, so the
// block the program is reading is not freed under it.
TEST_F(InjectedInput, DesktopTextWaitsUntilTheClipboardCloses) {
  NullDisplay::offerClipboard("before");
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE data = GetClipboardData(CF_TEXT);
  const char* reading = static_cast<const char*>(GlobalLock(data));
  auto offer = std::async(std::launch::async, [] { NullDisplay::offerClipboard("after"); });
  EXPECT_EQ(offer.wait_for(std::chrono::milliseconds(100)), std::future_status::timeout);
  EXPECT_STREQ(reading, "before");
  EXPECT_EQ(GetClipboardData(CF_TEXT), data);
  GlobalUnlock(data);
  CloseClipboard();
  offer.get();
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_STREQ(static_cast<const char*>(GlobalLock(GetClipboardData(CF_TEXT))), "after");
  GlobalUnlock(GetClipboardData(CF_TEXT));
  CloseClipboard();
}

TEST_F(InjectedInput, TheDisplayFollowsShownWindows) {
  HWND w = make(10, 20, 100, 50);
  ASSERT_TRUE(NullDisplay::isShown(w));
  MoveWindow(w, 30, 40, 100, 50, TRUE);
  EXPECT_EQ(NullDisplay::shownRect(w).left, 30);
  SetWindowTextA(w, "Brisel");
  EXPECT_EQ(NullDisplay::title(w), "Brisel");
  ShowWindow(w, SW_HIDE);
  EXPECT_FALSE(NullDisplay::isShown(w));
}

// A cursor set over a window is that window's: the pointer shows it again
// whenever it comes back over the window, after visiting the other one.
TEST_F(InjectedInput, EachWindowKeepsItsCursor) {
  make(0, 0, 100, 100);
  make(200, 0, 100, 100);
  // Neither is a window's default, which is the arrow.
  HCURSOR sizingWE = LoadCursorA(nullptr, IDC_SIZEWE);
  HCURSOR sizingNS = LoadCursorA(nullptr, IDC_SIZENS);
  NullDisplay::movePointer(50, 50);
  SetCursor(sizingWE);
  NullDisplay::movePointer(250, 50);
  SetCursor(sizingNS);
  struct Visit {
    int x;
    HCURSOR shown;
  };
  for (const Visit& v : {Visit{60, sizingWE}, Visit{260, sizingNS}, Visit{40, sizingWE}, Visit{240, sizingNS}}) {
    NullDisplay::movePointer(v.x, 50);
    EXPECT_EQ(NullDisplay::cursor(), v.shown) << v.x;
    EXPECT_EQ(GetCursor(), v.shown) << v.x;
  }
}

TEST_F(InjectedInput, AWindowThreadReceivesInputThroughItsOwnLoop) {
  std::promise<HWND> created;
  std::promise<std::vector<UINT>> received;
  std::thread windowThread([&] {
    HWND w = CreateWindowExA(0, WindowMessageLog::className(), "", WS_POPUP | WS_VISIBLE, 500, 500, 100, 100, nullptr,
                             nullptr, nullptr, nullptr);
    created.set_value(w);
    std::vector<UINT> seen;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) {
      if (msg.message == WM_KEYDOWN || msg.message == WM_LBUTTONDOWN || msg.message == WM_DROPFILES) {
        seen.push_back(msg.message);
      }
      if (msg.message == WM_DROPFILES) DragFinish(reinterpret_cast<HDROP>(msg.wParam));
      if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) break;
      DispatchMessageA(&msg);
    }
    DestroyWindow(w);
    received.set_value(seen);
  });
  HWND w = created.get_future().get();
  DragAcceptFiles(w, TRUE);
  NullDisplay::click(550, 550);
  NullDisplay::dropFiles(550, 550, {"/tmp/x.mqo"});
  NullDisplay::typeKey(VK_ESCAPE);
  std::vector<UINT> expected = {WM_LBUTTONDOWN, WM_DROPFILES, WM_KEYDOWN};
  EXPECT_EQ(received.get_future().get(), expected);
  windowThread.join();
}

}  // namespace
}  // namespace hosttest
