// A one-line text field: a blinking caret, a selection made with the keyboard
// or by dragging, clipboard operations, an undo history, typing through a
// fixed keyboard map and input-method text. Positions are byte offsets into
// Shift-JIS text and never fall inside a double-byte character.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/core/NVEventState.h"
#include "framework/widgets/NVVisualDesigner.h"
#include "framework/widgets/NVWidget.h"

class NVAnimation;
class NVEventConnector;

// What an edit did, as the undo history groups edits.
enum class NVTextEditKind : int {
  Typing = 0,    // a character or committed input-method text
  Deleting = 1,  // Backspace or Delete
  NoChange = 2,  // cursor moves, select all, copy
  Cut = 3,
  Paste = 4,      // also a whole new text
  UndoPoint = 5,  // the state before an undo or a redo
};

struct NVTextBoxSnapshot {
  NVTextEditKind kind = NVTextEditKind::Typing;
  int cursor = 0, selectionStart = 0, selectionEnd = 0, scrollStart = 0;
  NVString text;
};

class NVTextBox : public NVWidget {
 public:
  explicit NVTextBox(NVString text);
  ~NVTextBox() override;

  void onAttach() override;
  void onResize(int width, int height) override;
  void onEnableChanged(bool effective) override;

  // Replaces the whole text as one undoable step; the cursor goes to the
  // start. Hides the widget's setText, which only shows text in the host:
  // the host is given the visible part of the text without touching the
  // history.
  void setText(NVString text);
  NVString getText() const { return content; }
  void setIdlePainter(NVPainter painter, int param);
  void setFocusedPainter(NVPainter painter, int param);

  void onKey(NVEventState event);
  void onPress(NVEventState event);
  void onDrag(NVEventState event);
  void onDragEnd(NVEventState event);
  void onFocusIn(NVEventState event);
  void onFocusOut(NVEventState event);
  void recordEdit(NVTextEditKind kind, const NVTextBoxSnapshot& snapshot);
  void undo();
  void redo();
  void refresh();
  // The text position under a pointer at box-local x.
  int locate(double localX) const;

  NVString content;
  std::unique_ptr<NVEventConnector> connector;
  int cursorPos = 0;
  int scrollStart = 0;
  int maxLength = 1024;
  bool hasSelection = false;
  bool dragging = false;
  NVTextEditKind lastEditKind = NVTextEditKind::NoChange;
  std::vector<NVTextBoxSnapshot> history;
  int historyPosition = 0;
  std::unique_ptr<NVImage> caretImage;
  NVWidget* caret = nullptr;
  std::unique_ptr<NVEventConnector> caretConnector;
  std::uint8_t caretColour[3] = {};
  std::unique_ptr<NVAnimation> blinkAnimation;
  std::unique_ptr<NVAnimation> scrollAnimation;
  int autoScrollStep = 0;
  int selectionStart = 0, selectionEnd = 0;
  std::unique_ptr<NVVisualDesigner> idleDesigner;
  std::unique_ptr<NVVisualDesigner> focusedDesigner;
  std::unique_ptr<NVImage> idleFace;
  std::unique_ptr<NVImage> focusedFace;

 private:
  struct Edit;
  bool controlKey(Edit& edit);
  bool plainKey(Edit& edit, std::uint8_t keyCode);
  bool typeText(Edit& edit, std::uint8_t keyCode);
  void restore(const NVTextBoxSnapshot& entry);
  NVStringStyle* style() const;
  int textWidth(int from, int to) const;
  void placeCaret();
  void stopAutoScroll();
  bool keyDown(int key) const;

  // Whether this box changed the system's caret blink time and owes it back.
  bool ownsBlinkTime_ = false;
};
