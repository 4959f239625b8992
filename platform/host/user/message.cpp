// Posted messages and the message loop.
//  [x] PostMessageA, PostThreadMessageA (fails before the thread's first
//      queue use), PostQuitMessage, WM_QUIT ends GetMessageA
//  [x] GetMessageA, PeekMessageA with window and range filters, PM_REMOVE
//  [x] sent messages run inside GetMessageA/PeekMessageA whatever the filter
//  [x] WM_PAINT when nothing is posted and a window has an update area
//  [x] TranslateMessage: WM_CHAR for letters, digits, space, enter, tab,
//      backspace and escape on a US layout, Shift, Caps Lock and Control
//  [x] WM_TIMER after everything else; DispatchMessageA calls timer procedures
//  [x] GetMessageTime, GetMessagePos: the time and pointer of the last message
//      taken from the queue
//  [ ] hooks, GetQueueStatus, MsgWaitForMultipleObjects
#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdint>

#include "platform/host/include/nvhost_winmm.h"
#include "platform/host/user/ThreadQueue.h"
#include "platform/host/user/UserInternal.h"

using nvhost::HostLock;
using nvhost::PostedMessage;
using nvhost::ThreadQueue;
using nvhost::WindowRegistry;

namespace {

MSG makeMsg(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MSG m{};
  m.hwnd = window;
  m.message = message;
  m.wParam = wParam;
  m.lParam = lParam;
  m.time = timeGetTime();
  m.pt = WindowRegistry::get().desktop().pointer;
  return m;
}

bool inRange(UINT message, UINT low, UINT high) {
  return (low == 0 && high == 0) || (message >= low && message <= high);
}

bool windowMatches(HWND window, HWND filter) {
  if (filter == nullptr) return true;
  if (filter == reinterpret_cast<HWND>(-1)) return window == nullptr;
  return window != nullptr && WindowRegistry::get().isAncestor(filter, window);
}

struct Filter {
  HWND window;
  UINT low;
  UINT high;
  bool matches(const MSG& m) const { return windowMatches(m.hwnd, window) && inRange(m.message, low, high); }
};

// Runs sent messages and input-method commits at the front of the queue.
// Returns true if it ran something (the lock was let go meanwhile).
bool runPending(HostLock& lock, ThreadQueue& q, const Filter& f) {
  if (!q.incoming.empty()) {
    auto sent = q.incoming.front();
    q.incoming.pop_front();
    lock.unlock();
    nvhost::deliverSent(*sent);
    lock.lock();
    return true;
  }
  if (!q.posted.empty() && q.posted.front().imeText && windowMatches(q.posted.front().msg.hwnd, f.window)) {
    PostedMessage commit = q.posted.front();
    q.posted.pop_front();
    lock.unlock();
    nvhost::deliverImeCommit(commit.msg.hwnd, *commit.imeText);
    lock.lock();
    return true;
  }
  return false;
}

bool takePosted(ThreadQueue& q, const Filter& f, MSG* out, bool remove) {
  for (auto it = q.posted.begin(); it != q.posted.end(); ++it) {
    if (it->imeText || !f.matches(it->msg)) continue;
    *out = it->msg;
    if (remove) {
      if (it->keys) q.messageKeys = it->keys;
      q.posted.erase(it);
    }
    return true;
  }
  return false;
}

// A timer of this thread whose time has come, restarted when taken.
bool takeTimer(ThreadQueue& q, const Filter& f, MSG* out, bool remove) {
  if (!inRange(WM_TIMER, f.low, f.high)) return false;
  DWORD now = timeGetTime();
  for (nvhost::Timer& t : q.timers) {
    if (static_cast<std::int32_t>(now - t.due) < 0 || !windowMatches(t.window, f.window)) continue;
    *out = makeMsg(t.window, WM_TIMER, t.id, reinterpret_cast<LPARAM>(t.proc));
    if (remove) t.due = now + t.elapse;
    return true;
  }
  return false;
}

// How long a waiting thread may sleep before a timer it waits for is due;
// INT32_MAX when it waits for none.
std::int32_t untilNextTimer(const ThreadQueue& q, const Filter& f) {
  std::int32_t soonest = INT32_MAX;
  if (!inRange(WM_TIMER, f.low, f.high)) return soonest;
  DWORD now = timeGetTime();
  for (const nvhost::Timer& t : q.timers) {
    if (!windowMatches(t.window, f.window)) continue;
    soonest = std::min(soonest, std::max<std::int32_t>(static_cast<std::int32_t>(t.due - now), 0));
  }
  return soonest;
}

bool retrieve(MSG* out, const Filter& f, bool remove, bool wait) {
  HostLock lock(nvhost::hostMutex());
  auto q = ThreadQueue::current();
  for (;;) {
    if (runPending(lock, *q, f)) continue;
    if (takePosted(*q, f, out, remove)) break;
    if (q->quitPending && f.window == nullptr && inRange(WM_QUIT, f.low, f.high)) {
      *out = makeMsg(nullptr, WM_QUIT, static_cast<WPARAM>(q->quitCode), 0);
      if (remove) q->quitPending = false;
      break;
    }
    HWND paint = nvhost::windowNeedingPaintLocked(q->threadId(), f.window);
    if (paint != nullptr && inRange(WM_PAINT, f.low, f.high)) {
      *out = makeMsg(paint, WM_PAINT, 0, 0);
      break;
    }
    if (takeTimer(*q, f, out, remove)) break;
    if (!wait) return false;
    std::int32_t sleep = untilNextTimer(*q, f);
    if (sleep == INT32_MAX) {
      q->wake.wait(lock);
    } else {
      q->wake.wait_for(lock, std::chrono::milliseconds(sleep));
    }
  }
  q->lastMessageTime = out->time;
  q->lastMessagePos = out->pt;
  return true;
}

}  // namespace

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  HostLock lock(nvhost::hostMutex());
  if (window == nullptr) {
    lock.unlock();
    return PostThreadMessageA(GetCurrentThreadId(), message, wParam, lParam);
  }
  nvhost::WindowRecord* r = WindowRegistry::get().find(window);
  auto q = r ? ThreadQueue::forThread(r->threadId) : nullptr;
  if (!q || !q->alive) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  q->post(PostedMessage{makeMsg(window, message, wParam, lParam), nullptr, nullptr});
  return TRUE;
}

BOOL PostThreadMessageA(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam) {
  HostLock lock(nvhost::hostMutex());
  auto q = ThreadQueue::forThread(threadId);
  if (!q || !q->alive) {
    SetLastError(ERROR_INVALID_THREAD_ID);
    return FALSE;
  }
  q->post(PostedMessage{makeMsg(nullptr, message, wParam, lParam), nullptr, nullptr});
  return TRUE;
}

void PostQuitMessage(int exitCode) {
  HostLock lock(nvhost::hostMutex());
  auto q = ThreadQueue::current();
  q->quitPending = true;
  q->quitCode = exitCode;
  q->wake.notify_all();
}

BOOL GetMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax) {
  if (msg == nullptr) return -1;
  retrieve(msg, Filter{window, filterMin, filterMax}, true, true);
  return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL PeekMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, UINT remove) {
  MSG scratch{};
  return retrieve(msg ? msg : &scratch, Filter{window, filterMin, filterMax}, (remove & PM_REMOVE) != 0, false);
}

LRESULT DispatchMessageA(const MSG* msg) {
  if (msg == nullptr) return 0;
  if (msg->message == WM_TIMER && msg->lParam != 0) {
    reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, timeGetTime());
    return 0;
  }
  if (msg->hwnd == nullptr) return 0;
  WNDPROC proc = nullptr;
  {
    HostLock lock(nvhost::hostMutex());
    nvhost::WindowRecord* r = WindowRegistry::get().find(msg->hwnd);
    if (r == nullptr || r->threadId != GetCurrentThreadId()) return 0;
    proc = r->proc;
  }
  return proc ? proc(msg->hwnd, msg->message, msg->wParam, msg->lParam) : 0;
}

DWORD GetMessageTime() {
  HostLock lock(nvhost::hostMutex());
  return ThreadQueue::current()->lastMessageTime;
}

DWORD GetMessagePos() {
  HostLock lock(nvhost::hostMutex());
  const POINT p = ThreadQueue::current()->lastMessagePos;
  return static_cast<DWORD>(static_cast<WORD>(p.x)) | static_cast<DWORD>(static_cast<WORD>(p.y)) << 16;
}
