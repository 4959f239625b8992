// The text box's undo history: runs of typing or deleting are one step,
// moving around after an undo keeps the redo entries, 30 entries at most.
#include "framework/widgets/NVTextBox.h"

namespace {
constexpr std::size_t kHistoryLimit = 30;
}

void NVTextBox::recordEdit(int kind, const NVTextBoxSnapshot& snapshot) {
  if (kind <= 2) {
    if (kind == 2 && lastEditKind == 5) return;
    if (kind == lastEditKind) return;
    if (lastEditKind == 5) {
      history.resize(history.size() - std::min<std::size_t>(history.size(), historyPosition));
      historyPosition = 0;
    }
  } else if (kind == 5 && lastEditKind == 5) {
    return;
  }
  lastEditKind = kind;
  NVTextBoxSnapshot entry = snapshot;
  entry.kind = kind;
  history.push_back(entry);
  const std::size_t count = history.size();
  if (count >= 2 && history[count - 1].text == history[count - 2].text) history.pop_back();
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
