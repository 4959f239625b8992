// kernel32, winmm, the clipboard and the caret blink time. Win32 calls only.
#include <gtest/gtest.h>

#include <cstring>
#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32.h"

namespace {

TEST(SystemServices, TheVersionIsNt61) {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof(info);
  ASSERT_TRUE(GetVersionExA(&info));
  EXPECT_EQ(info.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
  EXPECT_EQ(info.dwMajorVersion, 6u);
  EXPECT_EQ(info.dwMinorVersion, 1u);
  OSVERSIONINFOA tooSmall{};
  tooSmall.dwOSVersionInfoSize = 4;
  EXPECT_FALSE(GetVersionExA(&tooSmall));
}

TEST(SystemServices, TimerCapsAllowOneMillisecond) {
  TIMECAPS caps{};
  ASSERT_EQ(timeGetDevCaps(&caps, sizeof(caps)), static_cast<MMRESULT>(TIMERR_NOERROR));
  EXPECT_GE(caps.wPeriodMin, 1u);
  EXPECT_GE(caps.wPeriodMax, caps.wPeriodMin);
  EXPECT_EQ(timeBeginPeriod(caps.wPeriodMin), static_cast<MMRESULT>(TIMERR_NOERROR));
  EXPECT_EQ(timeEndPeriod(caps.wPeriodMin), static_cast<MMRESULT>(TIMERR_NOERROR));
  EXPECT_NE(timeBeginPeriod(0), static_cast<MMRESULT>(TIMERR_NOERROR));
}

TEST(SystemServices, TheClockDoesNotGoBackAcrossASleep) {
  DWORD before = timeGetTime();
  Sleep(2);
  // Differences stay right across the wrap at 2^32.
  EXPECT_GE(timeGetTime() - before, 1u);
}

TEST(SystemServices, ThreadIdsDifferBetweenThreads) {
  DWORD mine = GetCurrentThreadId();
  EXPECT_EQ(GetCurrentThreadId(), mine);
  DWORD other = 0;
  std::thread([&other] { other = GetCurrentThreadId(); }).join();
  EXPECT_NE(other, mine);
  EXPECT_NE(other, 0u);
}

TEST(SystemServices, GlobalBlocksKeepTheirBytes) {
  const UINT flags[] = {GMEM_FIXED, GMEM_MOVEABLE, GHND, GMEM_MOVEABLE | GMEM_DDESHARE};
  for (UINT f : flags) {
    HGLOBAL block = GlobalAlloc(f, 6);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalSize(block), 6u);
    auto* bytes = static_cast<char*>(GlobalLock(block));
    ASSERT_NE(bytes, nullptr);
    if (f & GMEM_ZEROINIT) {
      EXPECT_EQ(std::memcmp(bytes, "\0\0\0\0\0\0", 6), 0);
    }
    std::memcpy(bytes, "hello", 6);
    GlobalUnlock(block);
    EXPECT_STREQ(static_cast<char*>(GlobalLock(block)), "hello");
    GlobalUnlock(block);
    EXPECT_EQ(GlobalFree(block), nullptr);
  }
}

std::string clipboardText() {
  if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(nullptr)) return "";
  std::string text;
  HANDLE data = GetClipboardData(CF_TEXT);
  if (auto* bytes = static_cast<const char*>(GlobalLock(data))) {
    text = bytes;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

void setClipboardText(const std::string& text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 2);
  std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(CF_TEXT, block);
  CloseClipboard();
}

TEST(SystemServices, ClipboardTextRoundTrips) {
  const std::string texts[] = {"plain", "\x83\x65\x83\x4c\x83\x58\x83\x67", ""};
  for (const std::string& text : texts) {
    setClipboardText(text);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_EQ(clipboardText(), text);
  }
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_EQ(clipboardText(), "");
}

TEST(SystemServices, TheClipboardNeedsOpening) {
  EXPECT_FALSE(EmptyClipboard());
  EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
  EXPECT_FALSE(CloseClipboard());
}

TEST(SystemServices, CaretBlinkTimeIsKept) {
  UINT original = GetCaretBlinkTime();
  ASSERT_TRUE(SetCaretBlinkTime(750));
  EXPECT_EQ(GetCaretBlinkTime(), 750u);
  SetCaretBlinkTime(original);
  EXPECT_EQ(GetCaretBlinkTime(), original);
}

TEST(SystemServices, StandardCursorsLoadAndDiffer) {
  LPCSTR names[] = {IDC_ARROW, IDC_IBEAM, IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZEWE, IDC_SIZENS};
  std::vector<HCURSOR> seen;
  for (LPCSTR name : names) {
    HCURSOR c = LoadCursorA(nullptr, name);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(LoadCursorA(nullptr, name), c);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), c), 0);
    seen.push_back(c);
  }
  HCURSOR old = SetCursor(seen[1]);
  EXPECT_EQ(SetCursor(old), seen[1]);
}

TEST(SystemServices, TheWorkAreaLiesInsideTheScreen) {
  RECT work{};
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
  EXPECT_GT(work.right - work.left, 0);
  EXPECT_LE(work.right - work.left, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_LE(work.bottom - work.top, GetSystemMetrics(SM_CYSCREEN));
}

}  // namespace
