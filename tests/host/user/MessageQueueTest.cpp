// Posted messages, filters, WM_QUIT and thread queues. Win32 calls only.
#include <gtest/gtest.h>

#include <future>
#include <thread>

#include "tests/host/user/WindowMessageLog.h"

namespace hosttest {
namespace {

class MessageQueue : public ::testing::Test {
 protected:
  void SetUp() override { pumpMessages(); }
};

TEST_F(MessageQueue, QuitComesAfterThePostedMessages) {
  PostThreadMessageA(GetCurrentThreadId(), WM_USER, 1, 0);
  PostQuitMessage(7);
  PostThreadMessageA(GetCurrentThreadId(), WM_USER + 1, 2, 0);
  const UINT expected[] = {WM_USER, WM_USER + 1};
  MSG msg;
  for (UINT message : expected) {
    ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, message);
    EXPECT_EQ(msg.hwnd, nullptr);
  }
  EXPECT_FALSE(GetMessageA(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 7u);
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueue, PeekWithoutRemovingLeavesTheMessage) {
  PostThreadMessageA(GetCurrentThreadId(), WM_USER, 5, 6);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 5u);
  EXPECT_EQ(msg.lParam, 6);
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueue, FiltersPickMessagesOutOfOrder) {
  HWND a = WindowMessageLog::create(0, 0, 10, 10);
  HWND b = WindowMessageLog::create(0, 0, 10, 10);
  PostMessageA(a, WM_USER + 1, 0, 0);
  PostMessageA(b, WM_USER + 2, 0, 0);
  PostThreadMessageA(GetCurrentThreadId(), WM_USER + 3, 0, 0);
  struct Case {
    HWND window;
    UINT low, high;
    UINT expected;  // 0: nothing matches
  };
  const Case cases[] = {
      {nullptr, WM_USER + 3, WM_USER + 3, WM_USER + 3},
      {b, 0, 0, WM_USER + 2},
      {reinterpret_cast<HWND>(-1), 0, 0, 0},
      {a, WM_USER + 2, WM_USER + 9, 0},
      {a, WM_USER, WM_USER + 9, WM_USER + 1},
  };
  for (const Case& c : cases) {
    MSG msg{};
    BOOL found = PeekMessageA(&msg, c.window, c.low, c.high, PM_REMOVE);
    EXPECT_EQ(found != FALSE, c.expected != 0);
    if (found) {
      EXPECT_EQ(msg.message, c.expected);
    }
  }
  DestroyWindow(a);
  DestroyWindow(b);
}

TEST_F(MessageQueue, PostingToADestroyedWindowFails) {
  HWND w = WindowMessageLog::create(0, 0, 10, 10);
  PostMessageA(w, WM_USER, 0, 0);
  DestroyWindow(w);
  EXPECT_FALSE(PostMessageA(w, WM_USER, 0, 0));
  MSG msg;
  // What was posted before the destruction went with the window.
  EXPECT_FALSE(PeekMessageA(&msg, w, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueue, ThreadMessagesNeedTheThreadsFirstPeek) {
  std::promise<DWORD> idKnown;
  std::promise<void> mayPeek;
  std::promise<void> peeked;
  std::thread worker([&] {
    idKnown.set_value(GetCurrentThreadId());
    mayPeek.get_future().wait();
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    peeked.set_value();
    while (GetMessageA(&msg, nullptr, 0, 0)) {
      if (msg.message == WM_USER) PostQuitMessage(static_cast<int>(msg.wParam));
    }
  });
  DWORD id = idKnown.get_future().get();
  SetLastError(0);
  EXPECT_FALSE(PostThreadMessageA(id, WM_USER, 3, 0));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_THREAD_ID));
  mayPeek.set_value();
  peeked.get_future().wait();
  EXPECT_TRUE(PostThreadMessageA(id, WM_USER, 3, 0));
  worker.join();
  // Once the thread is gone its queue is too.
  EXPECT_FALSE(PostThreadMessageA(id, WM_USER, 3, 0));
}

TEST_F(MessageQueue, GetMessageWaitsForAPostFromAnotherThread) {
  DWORD me = GetCurrentThreadId();
  MSG msg;
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
  std::thread poster([me] { PostThreadMessageA(me, WM_USER + 7, 42, 0); });
  ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 7));
  EXPECT_EQ(msg.wParam, 42u);
  poster.join();
}

int timerProcCalls = 0;

TEST_F(MessageQueue, TimersComeAfterPostedMessagesUntilKilled) {
  HWND w = WindowMessageLog::create(0, 0, 10, 10);
  ASSERT_NE(SetTimer(w, 7, 1, nullptr), 0u);
  PostMessageA(w, WM_USER, 0, 0);
  MSG msg;
  ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
  // The timer arrives once its time has come; GetMessageA waits for it.
  for (;;) {
    ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
    if (msg.message != WM_PAINT) break;
    DispatchMessageA(&msg);
  }
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
  EXPECT_EQ(msg.hwnd, w);
  EXPECT_EQ(msg.wParam, 7u);
  EXPECT_TRUE(KillTimer(w, 7));
  EXPECT_FALSE(KillTimer(w, 7));
  Sleep(20);
  EXPECT_FALSE(PeekMessageA(&msg, w, WM_TIMER, WM_TIMER, PM_REMOVE));
  DestroyWindow(w);
}

// Timer procedures are stdcall on 32-bit Windows, which lambdas cannot be.
VOID CALLBACK countTimerCall(HWND, UINT, UINT_PTR, DWORD) { ++timerProcCalls; }

TEST_F(MessageQueue, AThreadTimerCallsItsProcedure) {
  timerProcCalls = 0;
  UINT_PTR id = SetTimer(nullptr, 0, 1, countTimerCall);
  ASSERT_NE(id, 0u);
  MSG msg;
  do {
    ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
    DispatchMessageA(&msg);
  } while (msg.message != WM_TIMER);
  EXPECT_EQ(timerProcCalls, 1);
  EXPECT_TRUE(KillTimer(nullptr, id));
}

TEST_F(MessageQueue, TranslateMessageAddsCharactersForKeys) {
  HWND w = WindowMessageLog::create(0, 0, 10, 10);
  // Space, whose character does not depend on Shift or Caps Lock.
  MSG key{w, WM_KEYDOWN, VK_SPACE, 1, 0, {0, 0}};
  EXPECT_TRUE(TranslateMessage(&key));
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, w, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_CHAR));
  EXPECT_EQ(msg.wParam, static_cast<WPARAM>(' '));
  MSG up{w, WM_KEYUP, VK_SPACE, 1, 0, {0, 0}};
  EXPECT_TRUE(TranslateMessage(&up));
  EXPECT_FALSE(PeekMessageA(&msg, w, WM_CHAR, WM_CHAR, PM_REMOVE));
  MSG other{w, WM_USER, 0, 0, 0, {0, 0}};
  EXPECT_FALSE(TranslateMessage(&other));
  DestroyWindow(w);
}

}  // namespace
}  // namespace hosttest
