// SendMessageA between threads: the reply, nested sends in both directions,
// and the ways out when the receiver goes away. Win32 calls only.
#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

#include "tests/host/user/WindowMessageLog.h"

namespace hosttest {
namespace {

constexpr UINT kAsk = WM_USER + 10;
constexpr UINT kAskBack = WM_USER + 11;
constexpr UINT kStop = WM_USER + 12;

// A thread with one window of the recording class and a message loop that
// runs until kStop arrives as a thread message.
class WindowThread {
 public:
  WindowThread() {
    std::promise<HWND> created;
    auto window = created.get_future();
    thread_ = std::thread([this, &created] {
      threadId_ = GetCurrentThreadId();
      HWND w = CreateWindowExA(0, WindowMessageLog::className(), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                               nullptr);
      created.set_value(w);
      MSG msg;
      while (GetMessageA(&msg, nullptr, 0, 0)) {
        if (msg.hwnd == nullptr && msg.message == kStop) break;
        DispatchMessageA(&msg);
      }
      DestroyWindow(w);
    });
    window_ = window.get();
  }
  ~WindowThread() { stop(); }
  void stop() {
    if (!thread_.joinable()) return;
    PostThreadMessageA(threadId_, kStop, 0, 0);
    thread_.join();
    WindowMessageLog::forget(window_);
  }
  HWND window() const { return window_; }
  DWORD threadId() const { return threadId_; }

 private:
  std::thread thread_;
  std::atomic<DWORD> threadId_{0};
  HWND window_ = nullptr;
};

class CrossThreadSend : public ::testing::Test {
 protected:
  void SetUp() override {
    pumpMessages();
    WindowMessageLog::clear();
  }
  void TearDown() override { WindowMessageLog::clear(); }
};

TEST_F(CrossThreadSend, TheReceivingThreadRunsTheProcedureAndAnswers) {
  WindowThread other;
  std::atomic<DWORD> ranOn{0};
  WindowMessageLog::react(other.window(), kAsk, [&ranOn](HWND, WPARAM wp, LPARAM) -> LRESULT {
    ranOn = GetCurrentThreadId();
    return static_cast<LRESULT>(wp * 2);
  });
  EXPECT_EQ(SendMessageA(other.window(), kAsk, 21, 0), 42);
  EXPECT_EQ(ranOn.load(), other.threadId());
}

TEST_F(CrossThreadSend, AThreadWaitingForAReplyAnswersSendsToItself) {
  WindowThread other;
  HWND mine = WindowMessageLog::create(0, 0, 10, 10);
  WindowMessageLog::react(mine, kAskBack,
                          [](HWND, WPARAM wp, LPARAM) -> LRESULT { return static_cast<LRESULT>(wp + 1); });
  WindowMessageLog::react(other.window(), kAsk, [mine](HWND, WPARAM wp, LPARAM) -> LRESULT {
    // Sends back to the thread that is waiting for this very reply.
    return SendMessageA(mine, kAskBack, wp, 0) * 10;
  });
  EXPECT_EQ(SendMessageA(other.window(), kAsk, 4, 0), 50);
  WindowMessageLog::forget(mine);
  DestroyWindow(mine);
}

TEST_F(CrossThreadSend, TwoThreadsSendingToEachOtherAtOnceBothGetAnswers) {
  WindowThread first;
  WindowThread second;
  for (HWND w : {first.window(), second.window()}) {
    WindowMessageLog::react(w, kAskBack,
                            [](HWND, WPARAM wp, LPARAM) -> LRESULT { return static_cast<LRESULT>(wp + 100); });
  }
  WindowMessageLog::react(first.window(), kAsk, [&second](HWND, WPARAM wp, LPARAM) -> LRESULT {
    return SendMessageA(second.window(), kAskBack, wp, 0);
  });
  WindowMessageLog::react(second.window(), kAsk, [&first](HWND, WPARAM wp, LPARAM) -> LRESULT {
    return SendMessageA(first.window(), kAskBack, wp, 0);
  });
  for (int round = 0; round < 50; ++round) {
    auto a = std::async(std::launch::async, [&] { return SendMessageA(first.window(), kAsk, round, 0); });
    auto b = std::async(std::launch::async, [&] { return SendMessageA(second.window(), kAsk, round, 0); });
    EXPECT_EQ(a.get(), round + 100);
    EXPECT_EQ(b.get(), round + 100);
  }
}

TEST_F(CrossThreadSend, ASendAroundACycleOfThreeThreadsComesBack) {
  WindowThread second;
  WindowThread third;
  HWND mine = WindowMessageLog::create(0, 0, 10, 10);
  WindowMessageLog::react(mine, kAskBack,
                          [](HWND, WPARAM wp, LPARAM) -> LRESULT { return static_cast<LRESULT>(wp + 1); });
  WindowMessageLog::react(third.window(), kAsk, [mine](HWND, WPARAM wp, LPARAM) -> LRESULT {
    return SendMessageA(mine, kAskBack, wp, 0) + 10;
  });
  WindowMessageLog::react(second.window(), kAsk, [&third](HWND, WPARAM wp, LPARAM) -> LRESULT {
    return SendMessageA(third.window(), kAsk, wp, 0) + 100;
  });
  for (int round = 0; round < 20; ++round) {
    EXPECT_EQ(SendMessageA(second.window(), kAsk, round, 0), round + 111);
  }
  WindowMessageLog::forget(mine);
  DestroyWindow(mine);
}

TEST_F(CrossThreadSend, ManySendersAndPostersShareOneReceiver) {
  WindowThread receiver;
  std::atomic<int> posted{0};
  WindowMessageLog::react(receiver.window(), kAsk,
                          [](HWND, WPARAM wp, LPARAM) -> LRESULT { return static_cast<LRESULT>(wp); });
  WindowMessageLog::react(receiver.window(), kAskBack, [&posted](HWND, WPARAM, LPARAM) -> LRESULT {
    ++posted;
    return 0;
  });
  constexpr int kThreads = 4;
  constexpr int kRounds = 200;
  std::vector<std::thread> senders;
  for (int t = 0; t < kThreads; ++t) {
    senders.emplace_back([&receiver, t] {
      for (int i = 0; i < kRounds; ++i) {
        EXPECT_EQ(SendMessageA(receiver.window(), kAsk, t * 1000 + i, 0), t * 1000 + i);
        PostMessageA(receiver.window(), kAskBack, 0, 0);
      }
    });
  }
  for (auto& s : senders) s.join();
  // The stop request is posted after every message above, so the loop has
  // run them all when it ends.
  receiver.stop();
  EXPECT_EQ(posted.load(), kThreads * kRounds);
}

TEST_F(CrossThreadSend, ASendEndsWhenTheReceivingThreadEnds) {
  std::promise<HWND> created;
  std::promise<void> mayEnd;
  std::thread silent([&] {
    HWND w = CreateWindowExA(0, WindowMessageLog::className(), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                             nullptr);
    created.set_value(w);
    // Never looks at its queue; its window dies with the thread.
    mayEnd.get_future().wait();
  });
  HWND w = created.get_future().get();
  auto reply = std::async(std::launch::async, [w] { return SendMessageA(w, kAsk, 1, 0); });
  mayEnd.set_value();
  silent.join();
  EXPECT_EQ(reply.get(), 0);
  EXPECT_FALSE(IsWindow(w));
}

TEST_F(CrossThreadSend, ASendEndsWhenItsWindowIsDestroyed) {
  std::promise<HWND> created;
  std::promise<void> mayDestroy;
  std::thread owner([&] {
    HWND w = CreateWindowExA(0, WindowMessageLog::className(), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                             nullptr);
    created.set_value(w);
    mayDestroy.get_future().wait();
    // Destroys the window without looking at the message sent to it.
    DestroyWindow(w);
    pumpMessages();
  });
  HWND w = created.get_future().get();
  auto reply = std::async(std::launch::async, [w] { return SendMessageA(w, kAsk, 1, 0); });
  mayDestroy.set_value();
  EXPECT_EQ(reply.get(), 0);
  owner.join();
}

TEST_F(CrossThreadSend, AnInvalidationWakesAThreadWaitingForMessages) {
  std::promise<HWND> created;
  std::promise<void> painted;
  std::thread painter([&] {
    HWND w = CreateWindowExA(0, WindowMessageLog::className(), "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr,
                             nullptr, nullptr, nullptr);
    pumpMessages();
    created.set_value(w);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) {
      DispatchMessageA(&msg);
      if (msg.message == WM_PAINT) break;
    }
    painted.set_value();
    DestroyWindow(w);
  });
  HWND w = created.get_future().get();
  InvalidateRect(w, nullptr, FALSE);
  painted.get_future().wait();
  painter.join();
}

TEST_F(CrossThreadSend, ShowingAnotherThreadsWindowWaitsForItsMessages) {
  WindowThread other;
  WindowMessageLog::clear();
  ShowWindow(other.window(), SW_SHOWNA);
  EXPECT_TRUE(IsWindowVisible(other.window()));
  auto log = WindowMessageLog::take({WM_SHOWWINDOW});
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].window, other.window());
}

TEST_F(CrossThreadSend, PostedMessagesReachTheOwningThread) {
  WindowThread other;
  std::promise<DWORD> ranOn;
  WindowMessageLog::react(other.window(), kAsk, [&ranOn](HWND, WPARAM, LPARAM) -> LRESULT {
    ranOn.set_value(GetCurrentThreadId());
    return 0;
  });
  PostMessageA(other.window(), kAsk, 0, 0);
  EXPECT_EQ(ranOn.get_future().get(), other.threadId());
}

}  // namespace
}  // namespace hosttest
