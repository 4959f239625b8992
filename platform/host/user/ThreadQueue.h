// The message queue of one thread: posted messages, messages sent to it by
// other threads and waiting for their replies, and its quit request. Queues
// live in a table by thread id; everything here is guarded by hostMutex().
#pragma once

#include <array>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/host/user/WindowRegistry.h"

namespace nvhost {

class ThreadQueue;

// A message sent to a window of another thread. The sender waits until
// `done`; a notification has no sender and nobody waits for it.
struct SentMessage {
  HWND window = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  LRESULT result = 0;
  bool done = false;
  std::shared_ptr<ThreadQueue> sender;
  // Work of the host itself that must run on the window's thread (for
  // example following a move the desktop made); runs instead of the window
  // procedure.
  std::function<void()> action;
};

using KeyTable = std::array<BYTE, 256>;

struct PostedMessage {
  MSG msg{};
  // Set for an input-method commit, which becomes the composition messages
  // when it reaches the front of the queue.
  std::shared_ptr<const std::string> imeText;
  // The key state when a key message was made; TranslateMessage reads it.
  std::shared_ptr<const KeyTable> keys;
};

// A timer of SetTimer: WM_TIMER for its window (or thread) once `due` has
// passed and nothing else waits.
struct Timer {
  HWND window = nullptr;
  UINT_PTR id = 0;
  UINT elapse = 0;
  TIMERPROC proc = nullptr;
  DWORD due = 0;
};

class ThreadQueue {
 public:
  explicit ThreadQueue(DWORD threadId) : threadId_(threadId) {}

  DWORD threadId() const { return threadId_; }

  // The calling thread's queue, created on first use; the caller holds the
  // host lock. The queue goes away when the thread ends.
  static std::shared_ptr<ThreadQueue> current();
  // The queue of a thread, or null if it has none (yet or any more).
  static std::shared_ptr<ThreadQueue> forThread(DWORD threadId);

  void post(const PostedMessage& message);
  // Posts a mouse move, replacing a move for the same window that is still
  // waiting at the back of the queue, as Windows coalesces them.
  void postMouseMove(const MSG& msg);
  // Marks a sent message answered and wakes its sender.
  static void complete(SentMessage& sent, LRESULT result);
  // Answers (with 0) every message sent to the window and drops its posted
  // messages; drop handles among them are returned for release.
  std::vector<HDROP> forgetWindow(HWND window);
  // The thread ends: every waiting sender is answered, posted messages go.
  std::vector<HDROP> close();

  bool alive = true;
  std::deque<PostedMessage> posted;
  std::vector<Timer> timers;
  std::deque<std::shared_ptr<SentMessage>> incoming;
  bool quitPending = false;
  int quitCode = 0;
  DWORD lastMessageTime = 0;
  POINT lastMessagePos{0, 0};  // the pointer when the last message was made
  int sendDepth = 0;
  // The key state of the last key message this thread took from its queue.
  std::shared_ptr<const KeyTable> messageKeys;
  std::condition_variable_any wake;

 private:
  DWORD threadId_;
};

// Runs a message that another thread sent to a window of this thread and
// answers it. Called without the host lock.
void deliverSent(SentMessage& sent);

// Sends without waiting when the window belongs to another thread, and calls
// the procedure at once when it belongs to this one.
void notifyWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Runs host work on the thread that owns a window, inside its next
// GetMessageA/PeekMessageA, without waiting; at once on that thread itself.
void runOnWindowThread(HWND window, std::function<void()> action);

// Wakes the thread that owns a window, so that a waiting GetMessageA looks
// again (for example for WM_PAINT). The caller holds the host lock.
void wakeOwner(const WindowRecord& record);

}  // namespace nvhost
