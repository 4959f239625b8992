// The text box's view: refreshing the visible text and the caret, and the
// pointer (press, drag with auto-scroll, release).
#include <algorithm>

#include "framework/compose/NVImage.h"
#include "framework/compose/NVStringStyle.h"
#include "framework/core/NVEngine.h"
#include "framework/widgets/NVAnimation.h"
#include "framework/widgets/NVTextBox.h"
#include "framework/widgets/NVTextBoxText.h"

void NVTextBox::refresh() {
  if (content.length() > maxLength) {
    // Never keep the lead byte of a character whose second byte is cut off.
    const int keep = nvtextbox::isInsideCharacter(content, maxLength) ? maxLength - 1 : maxLength;
    content = content.mid(0, keep);
  }
  const int length = content.length();
  cursorPos = std::clamp(cursorPos, 0, length);
  selectionStart = std::clamp(selectionStart, 0, length);
  selectionEnd = std::clamp(selectionEnd, 0, length);
  // Auto-scroll moves by bytes; a position between the two bytes of a
  // character would split it on the next edit.
  if (nvtextbox::isInsideCharacter(content, cursorPos)) --cursorPos;
  if (nvtextbox::isInsideCharacter(content, selectionStart)) --selectionStart;
  if (nvtextbox::isInsideCharacter(content, selectionEnd)) --selectionEnd;
  if (length == 0) {
    scrollStart = 0;
  } else {
    scrollStart = std::clamp(scrollStart, 0, length);
    if (cursorPos < scrollStart) scrollStart = cursorPos;
    while (scrollStart < cursorPos && textWidth(scrollStart, cursorPos) >= getWidth() - 1) ++scrollStart;
    if (nvtextbox::isInsideCharacter(content, scrollStart)) ++scrollStart;
  }
  NVWidget::setText(content.mid(scrollStart, length));
  hasSelection = selectionStart != selectionEnd;
  placeCaret();
}

void NVTextBox::placeCaret() {
  int fontHeight = static_cast<int>(style()->measure(NVString("A")).cy);
  if (fontHeight <= 0) fontHeight = 13;
  int x = textWidth(scrollStart, cursorPos) + 2;
  int caretWidth = 3;
  if (hasSelection) {
    const int low = std::max(std::min(selectionStart, selectionEnd), scrollStart);
    const int high = std::max(selectionStart, selectionEnd);
    x = textWidth(scrollStart, low) + 2;
    caretWidth = std::clamp(textWidth(low, high), 1, std::max(1, getWidth() - x));
  }
  caretImage->resize(caretWidth, fontHeight);
  caretImage->fill(caretColour[2], caretColour[1], caretColour[0], 255);
  if (hasSelection) {
    // An opaque band (a child window when the box is a stage item) would
    // hide the selected text, so the band carries that text itself.
    const int low = std::max(std::min(selectionStart, selectionEnd), scrollStart);
    style()->drawText(caretImage.get(), 0, 0, -1, -1, -1, -1, false,
                      content.mid(low, std::max(selectionStart, selectionEnd)));
  }
  x = std::max(0, std::min(x, getWidth() - caretWidth));
  caret->setRect(x, 2, caretWidth, fontHeight);
  caret->setImage(caretImage.get());
  caret->repaint();
  if (NVEngine* engine = getEngine()) {
    engine->setImePosition(caret->getStageX(), caret->getStageY());
  }
}

void NVTextBox::stopAutoScroll() {
  autoScrollStep = 0;
  if (scrollAnimation) scrollAnimation->stop();
}

void NVTextBox::onPress(NVEventState event) {
  if (event.widget == caret) return;
  cursorPos = selectionStart = selectionEnd = locate(event.localX);
  dragging = true;
  refresh();
}

void NVTextBox::onDrag(NVEventState event) {
  if (event.widget == caret || !dragging) return;
  const int x = static_cast<int>(event.localX);
  if (event.localX >= getWidth() || event.localX < 0) {
    autoScrollStep = event.localX >= getWidth() ? (x - getWidth()) / 10 + 2 : x / 10 - 2;
    if (scrollAnimation) {
      scrollAnimation->repeat = true;
      scrollAnimation->start();
    }
    return;
  }
  stopAutoScroll();
  cursorPos = selectionEnd = locate(event.localX);
  refresh();
}

void NVTextBox::onDragEnd(NVEventState event) {
  if (event.widget == caret || !dragging) return;
  stopAutoScroll();
  cursorPos = selectionEnd = locate(event.localX);
  refresh();
  dragging = false;
}
