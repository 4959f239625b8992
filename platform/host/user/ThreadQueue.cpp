// Thread message queues and the end of a thread.
//  [x] one queue per thread, created on first use
//  [x] windows of an ending thread are destroyed, its waiting senders answered
#include "platform/host/user/ThreadQueue.h"

#include <map>

namespace nvhost {

namespace {

std::map<DWORD, std::shared_ptr<ThreadQueue>>& queues() {
  static auto* table = new std::map<DWORD, std::shared_ptr<ThreadQueue>>;
  return *table;
}

HDROP dropOf(const PostedMessage& m) {
  return m.msg.message == WM_DROPFILES ? reinterpret_cast<HDROP>(m.msg.wParam) : nullptr;
}

// Destroys what is left of a thread's windows and closes its queue when the
// thread ends, as Windows does.
struct ThreadEnd {
  DWORD threadId = 0;
  ~ThreadEnd() {
    if (threadId == 0) return;
    std::vector<HWND> windows;
    {
      HostLock lock(hostMutex());
      for (HWND h : WindowRegistry::get().windowsOfThread(threadId)) {
        WindowRecord* r = WindowRegistry::get().find(h);
        WindowRecord* parent = WindowRegistry::get().find(r->parent);
        if (parent == nullptr || parent->threadId != threadId) windows.push_back(h);
      }
    }
    for (HWND h : windows) DestroyWindow(h);
    std::vector<HDROP> drops;
    {
      HostLock lock(hostMutex());
      auto it = queues().find(threadId);
      if (it != queues().end()) {
        drops = it->second->close();
        queues().erase(it);
      }
    }
    for (HDROP d : drops) DragFinish(d);
  }
};

thread_local ThreadEnd threadEnd;

}  // namespace

std::shared_ptr<ThreadQueue> ThreadQueue::current() {
  DWORD id = GetCurrentThreadId();
  auto& slot = queues()[id];
  if (!slot) {
    slot = std::make_shared<ThreadQueue>(id);
    threadEnd.threadId = id;
  }
  return slot;
}

std::shared_ptr<ThreadQueue> ThreadQueue::forThread(DWORD threadId) {
  auto it = queues().find(threadId);
  return it == queues().end() ? nullptr : it->second;
}

void ThreadQueue::post(const PostedMessage& message) {
  posted.push_back(message);
  wake.notify_all();
}

void ThreadQueue::postMouseMove(const MSG& msg) {
  if (!posted.empty()) {
    PostedMessage& last = posted.back();
    if (!last.imeText && last.msg.message == WM_MOUSEMOVE && last.msg.hwnd == msg.hwnd) {
      last.msg = msg;
      wake.notify_all();
      return;
    }
  }
  post(PostedMessage{msg, nullptr, nullptr});
}

void ThreadQueue::complete(SentMessage& sent, LRESULT result) {
  sent.result = result;
  sent.done = true;
  if (sent.sender) sent.sender->wake.notify_all();
}

std::vector<HDROP> ThreadQueue::forgetWindow(HWND window) {
  std::vector<HDROP> drops;
  for (auto it = incoming.begin(); it != incoming.end();) {
    if ((*it)->window == window) {
      complete(**it, 0);
      it = incoming.erase(it);
    } else {
      ++it;
    }
  }
  std::erase_if(timers, [window](const Timer& t) { return t.window == window; });
  for (auto it = posted.begin(); it != posted.end();) {
    if (it->msg.hwnd == window) {
      if (HDROP d = dropOf(*it)) drops.push_back(d);
      it = posted.erase(it);
    } else {
      ++it;
    }
  }
  return drops;
}

std::vector<HDROP> ThreadQueue::close() {
  alive = false;
  for (auto& sent : incoming) complete(*sent, 0);
  incoming.clear();
  std::vector<HDROP> drops;
  for (auto& m : posted) {
    if (HDROP d = dropOf(m)) drops.push_back(d);
  }
  posted.clear();
  return drops;
}

void deliverSent(SentMessage& sent) {
  WNDPROC proc = nullptr;
  std::shared_ptr<ThreadQueue> me;
  {
    HostLock lock(hostMutex());
    WindowRecord* r = WindowRegistry::get().find(sent.window);
    if (r != nullptr && r->threadId == GetCurrentThreadId()) proc = r->proc;
    me = ThreadQueue::current();
    ++me->sendDepth;
  }
  LRESULT result = 0;
  if (sent.action) {
    if (proc != nullptr) sent.action();
  } else if (proc != nullptr) {
    result = proc(sent.window, sent.message, sent.wParam, sent.lParam);
  }
  HostLock lock(hostMutex());
  --me->sendDepth;
  ThreadQueue::complete(sent, result);
}

void notifyWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  {
    HostLock lock(hostMutex());
    WindowRecord* r = WindowRegistry::get().find(window);
    if (r == nullptr) return;
    if (r->threadId != GetCurrentThreadId()) {
      auto target = ThreadQueue::forThread(r->threadId);
      if (!target || !target->alive) return;
      auto sent = std::make_shared<SentMessage>();
      *sent = SentMessage{window, message, wParam, lParam, 0, false, nullptr, {}};
      target->incoming.push_back(sent);
      target->wake.notify_all();
      return;
    }
  }
  SendMessageA(window, message, wParam, lParam);
}

void runOnWindowThread(HWND window, std::function<void()> action) {
  {
    HostLock lock(hostMutex());
    WindowRecord* r = WindowRegistry::get().find(window);
    if (r == nullptr) return;
    if (r->threadId != GetCurrentThreadId()) {
      auto target = ThreadQueue::forThread(r->threadId);
      if (!target || !target->alive) return;
      auto sent = std::make_shared<SentMessage>();
      sent->window = window;
      sent->action = std::move(action);
      target->incoming.push_back(sent);
      target->wake.notify_all();
      return;
    }
  }
  action();
}

void wakeOwner(const WindowRecord& record) {
  if (auto q = ThreadQueue::forThread(record.threadId)) q->wake.notify_all();
}

}  // namespace nvhost
