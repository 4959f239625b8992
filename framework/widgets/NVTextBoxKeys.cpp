// The text box's keyboard: Control shortcuts, editing keys, typing through
// the keyboard map and input-method text, and the undo history.
#include <algorithm>
#include <optional>

#include "framework/core/NVEngine.h"
#include "framework/core/NVEngineLock.h"
#include "framework/core/NVStageBase.h"
#include "framework/widgets/NVTextBox.h"
#include "framework/widgets/NVTextBoxClipboard.h"
#include "framework/widgets/NVTextBoxText.h"

using nvtextbox::characterStartsAt;

struct NVTextBox::Edit {
  NVString text;
  int cursor, start, end;
  std::optional<NVTextEditKind> kind = std::nullopt;  // none: the key changed nothing
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
  static const int kLetters[] = {'Z', 'Y', 'A', 'X', 'C', 'V'};
  const int* letter = std::find_if(std::begin(kLetters), std::end(kLetters), [this](int k) { return keyDown(k); });
  if (letter == std::end(kLetters)) return false;
  switch (*letter) {
    case 'Z':
    case 'Y': edit.kind = NVTextEditKind::UndoPoint; return true;
    case 'A':
      edit.start = 0;
      edit.end = edit.text.length();
      edit.kind = NVTextEditKind::NoChange;
      return true;
    case 'X':
    case 'C':
      if (!edit.selected()) return false;
      setClipboardText(edit.text.mid(edit.low(), edit.high()));
      if (*letter == 'X') edit.eraseSelection();
      edit.kind = *letter == 'X' ? NVTextEditKind::Cut : NVTextEditKind::NoChange;
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
      edit.kind = NVTextEditKind::Paste;
      return true;
    }
  }
}

bool NVTextBox::plainKey(Edit& edit, std::uint8_t keyCode) {
  const bool shift = keyDown(VK_SHIFT);
  switch (keyCode) {
    case VK_BACK:
      if (edit.selected()) {
        edit.eraseSelection();
      } else {
        if (edit.cursor == 0) return true;
        const int from = edit.cursor - (characterStartsAt(edit.text, edit.cursor - 2) ? 2 : 1);
        edit.text = edit.text.mid(0, from) + edit.text.mid(edit.cursor, edit.text.length());
        edit.cursor = edit.start = edit.end = from;
      }
      edit.kind = NVTextEditKind::Deleting;
      return true;
    case VK_DELETE:
      if (edit.selected()) {
        edit.eraseSelection();
      } else {
        if (edit.cursor >= edit.text.length()) return true;
        const int until = edit.cursor + (characterStartsAt(edit.text, edit.cursor) ? 2 : 1);
        edit.text = edit.text.mid(0, edit.cursor) + edit.text.mid(until, edit.text.length());
      }
      edit.kind = NVTextEditKind::Deleting;
      return true;
    case VK_LEFT:
    case VK_RIGHT: {
      const bool left = keyCode == VK_LEFT;
      const int step = left ? (characterStartsAt(edit.text, edit.cursor - 2) ? 2 : 1)
                            : (characterStartsAt(edit.text, edit.cursor) ? 2 : 1);
      edit.cursor = std::clamp(edit.cursor + (left ? -step : step), 0, edit.text.length());
      if (shift) {
        edit.end = edit.cursor;
      } else {
        edit.start = edit.end = edit.cursor;
      }
      edit.kind = NVTextEditKind::NoChange;
      return true;
    }
    default: return typeText(edit, keyCode);
  }
}

bool NVTextBox::typeText(Edit& edit, std::uint8_t keyCode) {
  NVEngine* engine = getEngine();
  const NVString committed = engine->takeImeResult();
  if (!committed.isEmpty()) {
    edit.replaceSelection(committed);
    edit.kind = NVTextEditKind::Typing;
    return true;
  }
  NVStageBase* stage = hostStage();
  if (stage && stage->imeOpen) return false;
  const bool shifted = keyDown(VK_SHIFT) != (keyStateOf(engine, VK_CAPITAL) == 1);
  const char typed = nvtextbox::mapKey(keyCode, shifted);
  if (!typed) return false;
  edit.replaceSelection(NVString(&typed, 1));
  edit.kind = NVTextEditKind::Typing;
  return true;
}

void NVTextBox::onKey(NVEventState event) {
  if (!getEngine()) return;
  const NVTextBoxSnapshot before{NVTextEditKind::Typing, cursorPos, selectionStart, selectionEnd, scrollStart, content};
  Edit edit{content, cursorPos, selectionStart, selectionEnd};
  if (!(keyDown(VK_CONTROL) && controlKey(edit))) plainKey(edit, event.keyCode);
  if (!edit.kind) return;
  if (*edit.kind == NVTextEditKind::UndoPoint) {
    recordEdit(NVTextEditKind::UndoPoint, before);
    if (keyDown('Z'))
      undo();
    else
      redo();
    redraw(true);
    return;
  }
  recordEdit(*edit.kind, before);
  content = edit.text;
  cursorPos = edit.cursor;
  selectionStart = edit.start;
  selectionEnd = edit.end;
  refresh();
  redraw(true);
}
