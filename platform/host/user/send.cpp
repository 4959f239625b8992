// Sent messages.
//  [x] SendMessageA to this thread calls the procedure at once
//  [x] SendMessageA to another thread waits for its GetMessageA/PeekMessageA,
//      and runs messages sent to this thread meanwhile (no deadlock when two
//      threads send to each other)
//  [x] the wait ends when the window is destroyed or its thread ends
//  [x] SendNotifyMessageA
//  [ ] SendMessageTimeoutA, ReplyMessage, broadcasts
#include "platform/host/user/ThreadQueue.h"

using nvhost::HostLock;
using nvhost::SentMessage;
using nvhost::ThreadQueue;
using nvhost::WindowRegistry;

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  HostLock lock(nvhost::hostMutex());
  nvhost::WindowRecord* r = WindowRegistry::get().find(window);
  if (r == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  auto me = ThreadQueue::current();
  if (r->threadId == me->threadId()) {
    WNDPROC proc = r->proc;
    lock.unlock();
    return proc ? proc(window, message, wParam, lParam) : 0;
  }
  auto target = ThreadQueue::forThread(r->threadId);
  if (!target || !target->alive) return 0;
  auto sent = std::make_shared<SentMessage>();
  *sent = SentMessage{window, message, wParam, lParam, 0, false, me, {}};
  target->incoming.push_back(sent);
  target->wake.notify_all();
  while (!sent->done) {
    if (!me->incoming.empty()) {
      auto in = me->incoming.front();
      me->incoming.pop_front();
      lock.unlock();
      nvhost::deliverSent(*in);
      lock.lock();
      continue;
    }
    me->wake.wait(lock);
  }
  return sent->result;
}

BOOL SendNotifyMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  {
    HostLock lock(nvhost::hostMutex());
    if (WindowRegistry::get().find(window) == nullptr) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
  }
  nvhost::notifyWindow(window, message, wParam, lParam);
  return TRUE;
}

BOOL InSendMessage() {
  HostLock lock(nvhost::hostMutex());
  return ThreadQueue::current()->sendDepth > 0;
}
