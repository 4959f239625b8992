// Window and thread timers.
//  [x] SetTimer for a window (its thread's queue) or for the calling thread,
//      with or without a timer procedure; the same id replaces a timer
//  [x] WM_TIMER when nothing else waits; KillTimer; a window's timers go with it
//  [ ] coalescing tolerances, SetCoalescableTimer
#include <algorithm>

#include "platform/host/include/nvhost_winmm.h"
#include "platform/host/user/ThreadQueue.h"

using nvhost::HostLock;
using nvhost::ThreadQueue;
using nvhost::Timer;
using nvhost::WindowRegistry;

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  static UINT_PTR nextThreadTimer = 0x7FF0;
  HostLock lock(nvhost::hostMutex());
  std::shared_ptr<ThreadQueue> q;
  if (window != nullptr) {
    nvhost::WindowRecord* r = WindowRegistry::get().find(window);
    if (r == nullptr || r->threadId != GetCurrentThreadId()) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return 0;
    }
  } else {
    bool known = std::any_of(ThreadQueue::current()->timers.begin(), ThreadQueue::current()->timers.end(),
                             [id](const Timer& t) { return t.window == nullptr && t.id == id; });
    if (!known) id = ++nextThreadTimer;
  }
  q = ThreadQueue::current();
  elapse = std::clamp<UINT>(elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
  Timer timer{window, id, elapse, proc, timeGetTime() + elapse};
  auto same = [&](const Timer& t) { return t.window == window && t.id == id; };
  auto it = std::find_if(q->timers.begin(), q->timers.end(), same);
  if (it != q->timers.end()) {
    *it = timer;
  } else {
    q->timers.push_back(timer);
  }
  q->wake.notify_all();
  return window != nullptr && id == 0 ? 1 : id;
}

BOOL KillTimer(HWND window, UINT_PTR id) {
  HostLock lock(nvhost::hostMutex());
  auto q = ThreadQueue::current();
  auto removed = std::erase_if(q->timers, [&](const Timer& t) { return t.window == window && t.id == id; });
  return removed > 0;
}
