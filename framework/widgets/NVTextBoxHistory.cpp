// The text box's undo history: runs of typing or deleting are one step,
// moving around after an undo keeps the redo entries, 30 entries at most.
// An undo brings back the text, cursor, selection and scroll start exactly as
// they were before the step.
#include "framework/widgets/NVTextBox.h"

namespace {
constexpr std::size_t kHistoryLimit = 30;
}

void NVTextBox::recordEdit(NVTextEditKind kind, const NVTextBoxSnapshot& snapshot) {
  using K = NVTextEditKind;
  if (kind == K::Typing || kind == K::Deleting || kind == K::NoChange) {
    if (kind == K::NoChange && lastEditKind == K::UndoPoint) return;
    if (kind == lastEditKind) return;
    if (lastEditKind == K::UndoPoint) {
      history.resize(history.size() - std::min<std::size_t>(history.size(), historyPosition));
      historyPosition = 0;
    }
  } else if (kind == K::UndoPoint && lastEditKind == K::UndoPoint) {
    return;
  }
  lastEditKind = kind;
  NVTextBoxSnapshot entry = snapshot;
  entry.kind = kind;
  history.push_back(entry);
  const std::size_t count = history.size();
  if (count >= 2 && history[count - 1].text == history[count - 2].text) {
    // Two steps with the same text would make an undo that changes nothing
    // visible; one is enough. The newer one stays, in the older one's place:
    // it holds the cursor and selection from just before the edit (a
    // selection made with Shift and the arrows, or by select all), which an
    // undo brings back.
    history[count - 2] = history[count - 1];
    history.pop_back();
  }
  if (history.size() > kHistoryLimit) history.erase(history.begin());
}

void NVTextBox::restore(const NVTextBoxSnapshot& entry) {
  content = entry.text;
  cursorPos = entry.cursor;
  selectionStart = entry.selectionStart;
  selectionEnd = entry.selectionEnd;
  scrollStart = entry.scrollStart;
  refresh();
}

void NVTextBox::undo() {
  const int entries = static_cast<int>(history.size());
  if (historyPosition >= entries - 1) return;
  ++historyPosition;
  restore(history[entries - 1 - historyPosition]);
}

void NVTextBox::redo() {
  if (historyPosition < 1) return;
  --historyPosition;
  restore(history[history.size() - 1 - historyPosition]);
}
