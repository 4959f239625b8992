// Character translation of key messages.
//  [x] TranslateMessage posts WM_CHAR (WM_SYSCHAR with Alt) for letters,
//      digits, space, enter, tab, backspace and escape on a US layout, with
//      Shift, Caps Lock and Control letters
//  [ ] other layouts, dead keys, punctuation, the numeric keypad
#include "platform/host/user/ThreadQueue.h"

using nvhost::HostLock;
using nvhost::WindowRegistry;

namespace {

int characterFor(WPARAM vk, const BYTE* keys) {
  bool shift = keys[VK_SHIFT] & 0x80;
  bool control = keys[VK_CONTROL] & 0x80;
  bool caps = keys[VK_CAPITAL] & 0x01;
  if (vk >= 'A' && vk <= 'Z') {
    if (control) return static_cast<int>(vk - 'A' + 1);
    bool upper = shift != caps;
    return static_cast<int>(upper ? vk : vk - 'A' + 'a');
  }
  if (control) return -1;
  if (vk >= '0' && vk <= '9') {
    static const char shifted[] = ")!@#$%^&*(";
    return shift ? shifted[vk - '0'] : static_cast<int>(vk);
  }
  switch (vk) {
    case VK_SPACE: return ' ';
    case VK_RETURN: return '\r';
    case VK_TAB: return '\t';
    case VK_BACK: return '\b';
    case VK_ESCAPE: return 0x1B;
    default: return -1;
  }
}

}  // namespace

BOOL TranslateMessage(const MSG* msg) {
  if (msg == nullptr) return FALSE;
  bool down = msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN;
  bool up = msg->message == WM_KEYUP || msg->message == WM_SYSKEYUP;
  if (!down && !up) return FALSE;
  if (up) return TRUE;
  HostLock lock(nvhost::hostMutex());
  auto q = nvhost::ThreadQueue::current();
  const BYTE* keys = q->messageKeys ? q->messageKeys->data() : WindowRegistry::get().desktop().keys;
  int c = characterFor(msg->wParam, keys);
  if (c < 0) return TRUE;
  MSG m = *msg;
  m.message = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
  m.wParam = static_cast<WPARAM>(c);
  // The character comes next, before anything posted meanwhile.
  q->posted.push_front(nvhost::PostedMessage{m, nullptr, nullptr});
  return TRUE;
}
