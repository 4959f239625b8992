// The list's pointer and keyboard input and its in-place editor.
#include <algorithm>
#include <cstdint>
#include <mutex>
#include <utility>

#include "framework/compose/NV2DItem.h"
#include "framework/compose/NVStageItem.h"
#include "framework/core/NVEngine.h"
#include "framework/core/NVEngineLock.h"
#include "framework/widgets/NVListView.h"
#include "framework/widgets/NVTextBox.h"
#include "framework/widgets/NVVScroll.h"

namespace {

constexpr int kLine = NVListView::kLineHeight;
constexpr std::uint8_t kReturn = 0x0D, kEscape = 0x1B, kUp = 0x26, kDown = 0x28, kDelete = 0x2E;
// The input method hands over the keys it takes while it composes as this key.
constexpr std::uint8_t kImeProcessKey = 0xE5;

// Whether a key event belongs to the input method: a key it takes while
// composing, or the delivery of its committed text, whose record carries no
// key of its own (the key code is then left over from an earlier key).
bool fromInputMethod(const NVWidget* widget, const NVEventState& event) {
  if (event.keyCode == kImeProcessKey) return true;
  NVEngine* engine = widget->getEngine();
  if (!engine) return false;
  std::lock_guard lock(engineLock);
  return engine->currentInput.imeResult && !engine->currentInput.keyDown;
}

// Asks the engine to move the keyboard focus to a widget's host.
void focusOn(NVWidget* widget) {
  if (widget->stageItemHost) {
    widget->stageItemHost->setFocus();
  } else if (widget->item2DHost) {
    if (NVEngine* engine = widget->getEngine())
      engine->requestFocus({widget->item2DHost->getStage(), widget->item2DHost, widget, nullptr});
  }
}

}  // namespace

bool NVListView::controlHeld() const {
  NVEngine* engine = getEngine();
  if (!engine) return false;
  // The window thread refreshes the key states under the lock.
  std::lock_guard lock(engineLock);
  return (engine->systemState.keyState[0x11] & 0x80) != 0;
}

void NVListView::onPress(NVEventState event) {
  const int line = (static_cast<int>(event.localY) + scrollBar->getPosition() - 2) / kLine;
  if (isItem(line) || isAddLine(line)) {
    if (line != selected) {
      if (editing) leaveEditorFor(line);
      selected = line;
      repaint();
    } else if (editable) {
      openEditor(line);
    }
  } else {
    // Below the lines nothing is selected; an open editor stays as it is.
    selected = -1;
  }
  refreshList();
}

void NVListView::moveSelectionUp(bool reorder) {
  if (reorder && selected > 0 && selected <= getItemCount() - 1) std::swap(items[selected], items[selected - 1]);
  if (selected > 0) --selected;
  if (selected * kLine < scrollBar->getPosition()) scrollBar->setPosition(selected * kLine);
}

void NVListView::moveSelectionDown(bool reorder) {
  const int count = getItemCount();
  if (reorder && selected >= 0 && selected < count - 1) std::swap(items[selected], items[selected + 1]);
  selected = std::min(selected + 1, editable ? count : count - 1);
  const int h = getHeight();
  if (h + scrollBar->getPosition() - 2 < selected * kLine) scrollBar->setPosition(selected * kLine - h + 19);
}

void NVListView::onKey(NVEventState event) {
  if (fromInputMethod(this, event)) {
    // The list has no use for committed text; left in the engine it would
    // turn up in the next text box that takes a key.
    if (NVEngine* engine = getEngine()) {
      std::lock_guard lock(engineLock);
      engine->imeResultText = NVString("");
    }
    return;
  }
  switch (event.keyCode) {
    case kDelete:
      if (editable && isItem(selected)) removeItem(selected);
      return;
    case kUp: moveSelectionUp(editable && controlHeld()); break;
    case kDown: moveSelectionDown(editable && controlHeld()); break;
    case kReturn:
      if (!editable || (!isItem(selected) && !isAddLine(selected))) return;
      openEditor(selected);
      break;
    default: return;
  }
  refreshList();
}

void NVListView::openEditor(int line) {
  editor->setRect(1, line * kLine - scrollBar->getPosition() + 2, getWidth() - 18, kLine);
  // Reopening over the line being edited keeps what was typed.
  if (!editing) editor->setText(getItem(line));
  editing = true;
  editor->show();
  repaint();
  focusOn(editor.get());
}

// Moving to another line keeps what was typed over an item; text typed on
// the add line is dropped (only Return or leaving the editor appends it).
void NVListView::leaveEditorFor(int line) {
  setItem(editor->getText(), selected);
  editor->setText(getItem(line));
  editor->hide();
  editing = false;
}

void NVListView::commitEdit() {
  if (!editing) return;
  editing = false;
  const NVString text = editor->getText();
  if (isItem(selected)) {
    if (text != items[selected]) items[selected] = text;
  } else if (isAddLine(selected) && !text.isEmpty()) {
    items.push_back(text);
  }
  editor->hide();
  refreshList();
}

void NVListView::onEditorKey(NVEventState event) {
  if (fromInputMethod(editor.get(), event)) return;
  if (event.keyCode == kEscape)
    editor->setText(getItem(selected));
  else if (event.keyCode != kReturn)
    return;
  commitEdit();
  repaint();
  // The list takes the keyboard back, so that navigation goes on at once.
  focusOn(this);
}
