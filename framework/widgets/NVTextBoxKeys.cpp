// The text box's keyboard: Control shortcuts, editing keys, typing through
// the keyboard map and input-method text, and the undo history.
#include <algorithm>

#include "framework/core/NVEngine.h"
#include "framework/core/NVEngineLock.h"
#include "framework/window/NVStageBase.h"
#include "framework/widgets/NVTextBox.h"
#include "framework/widgets/NVTextBoxClipboard.h"
#include "framework/widgets/NVTextBoxText.h"

using nvtextbox::characterStartsAt;

struct NVTextBox::Edit {
  NVString text;
  int cursor, start, end;
  int kind = -1;  // -1: the key changed nothing
  int low() const { return std::min(start, end); }
  int high() const { return std::max(start, end); }
  bool selected() const { return start != end; }
  void replaceSelection(const NVString& inserted) {
    const int at = selected() ? low() : cursor;
    const int until = selected() ? high() : cursor;
    text = text.mid(0, at) + inserted + text.mid(until, text.length());
    cursor = start = end = at + inserted.length();
  }
  void eraseSelection() {
    text = text.mid(0, low()) + text.mid(high(), text.length());
    cursor = start = end = low();
  }
};

namespace {

// The window thread refreshes the key states under the lock.
std::uint8_t keyStateOf(const NVEngine* engine, int key) {
  if (!engine) return 0;
  std::lock_guard lock(engineLock);
  return engine->systemState.keyState[key];
}

}  // namespace

bool NVTextBox::keyDown(int key) const { return (keyStateOf(getEngine(), key) & 0x80) != 0; }

bool NVTextBox::controlKey(Edit& edit) {
  static const int kLetters[] = {0x5A, 0x59, 0x41, 0x58, 0x43, 0x56};
  const int* letter = std::find_if(std::begin(kLetters), std::end(kLetters), [this](int k) { return keyDown(k); });
  if (letter == std::end(kLetters)) return false;
  switch (*letter) {
    case 0x5A:
    case 0x59:
      edit.kind = 5;
      return true;
    case 0x41:
      edit.start = 0;
      edit.end = edit.text.length();
      edit.kind = 2;
      return true;
    case 0x58:
    case 0x43:
      if (!edit.selected()) return false;
      setClipboardText(edit.text.mid(edit.low(), edit.high()));
      if (*letter == 0x58) edit.eraseSelection();
      edit.kind = *letter == 0x58 ? 3 : 2;
      return true;
    default: {
      const NVString pasted = getClipboardText();
      if (pasted.isEmpty()) return false;
      if (edit.selected()) {
        edit.replaceSelection(pasted);
      } else {
        edit.text = edit.text.mid(0, edit.cursor) + pasted + edit.text.mid(edit.cursor, edit.text.length());
        edit.cursor += pasted.length();
      }
      edit.kind = 4;
      return true;
    }
  }
}

bool NVTextBox::plainKey(Edit& edit, std::uint8_t keyCode) {
  const bool shift = keyDown(0x10);
  switch (keyCode) {
    case 0x08:
      if (edit.selected()) {
        edit.eraseSelection();
      } else {
        if (edit.cursor == 0) return true;
        const int from = edit.cursor - (characterStartsAt(edit.text, edit.cursor - 2) ? 2 : 1);
        edit.text = edit.text.mid(0, from) + edit.text.mid(edit.cursor, edit.text.length());
        edit.cursor = edit.start = edit.end = from;
      }
      edit.kind = 1;
      return true;
    case 0x2E:
      if (edit.selected()) {
        edit.eraseSelection();
      } else {
        if (edit.cursor >= edit.text.length()) return true;
        const int until = edit.cursor + (characterStartsAt(edit.text, edit.cursor) ? 2 : 1);
        edit.text = edit.text.mid(0, edit.cursor) + edit.text.mid(until, edit.text.length());
      }
      edit.kind = 1;
      return true;
    case 0x25:
    case 0x27: {
      const bool left = keyCode == 0x25;
      const int step = left ? (characterStartsAt(edit.text, edit.cursor - 2) ? 2 : 1)
                            : (characterStartsAt(edit.text, edit.cursor) ? 2 : 1);
      edit.cursor = std::clamp(edit.cursor + (left ? -step : step), 0, edit.text.length());
      if (shift) {
        edit.end = edit.cursor;
      } else {
        edit.start = edit.end = edit.cursor;
      }
      edit.kind = 2;
      return true;
    }
    default:
      return typeText(edit, keyCode);
  }
}

bool NVTextBox::typeText(Edit& edit, std::uint8_t keyCode) {
  NVEngine* engine = getEngine();
  const NVString committed = engine->takeImeResult();
  if (!committed.isEmpty()) {
    edit.replaceSelection(committed);
    edit.kind = 0;
    return true;
  }
  NVStageBase* stage = hostStage();
  if (stage && stage->imeOpen) return false;
  const bool shifted = keyDown(0x10) != (keyStateOf(engine, 0x14) == 1);
  const char typed = nvtextbox::mapKey(keyCode, shifted);
  if (!typed) return false;
  edit.replaceSelection(NVString(&typed, 1));
  edit.kind = 0;
  return true;
}

void NVTextBox::onKey(NVEventState event) {
  if (!getEngine()) return;
  const NVTextBoxSnapshot before{0, cursorPos, selectionStart, selectionEnd, scrollStart, content};
  Edit edit{content, cursorPos, selectionStart, selectionEnd};
  if (!(keyDown(0x11) && controlKey(edit))) plainKey(edit, event.keyCode);
  if (edit.kind < 0) return;
  if (edit.kind == 5) {
    recordEdit(5, before);
    if (keyDown(0x5A)) undo(); else redo();
    redraw(true);
    return;
  }
  recordEdit(edit.kind, before);
  content = edit.text;
  cursorPos = edit.cursor;
  selectionStart = edit.start;
  selectionEnd = edit.end;
  refresh();
  redraw(true);
}
