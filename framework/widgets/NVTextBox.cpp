#include "framework/widgets/NVTextBox.h"

#include <algorithm>
#include <cmath>

#include "framework/compose/NVImage.h"
#include "framework/compose/NVStringStyle.h"
#include "framework/core/NVEngine.h"
#include "framework/core/NVEventConnector.h"
#include "framework/widgets/NVAnimation.h"
#include "framework/widgets/NVPainters.h"
#include "framework/widgets/NVTextBoxText.h"
#include "framework/widgets/NVTheme.h"
#include "platform/win32.h"

namespace {
// The blink time the system had before any text box changed it.
UINT startBlinkTime() {
  static const UINT time = GetCaretBlinkTime();
  return time;
}
int channel(std::uint32_t colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }
}  // namespace

NVTextBox::NVTextBox(NVString initial) : NVWidget(0, 0, 463, 18) {
  typeName = "NVTextBox";
  startBlinkTime();
  const std::uint32_t main0 = getThemeColor("main0"), main1 = getThemeColor("main1");
  for (int i = 0; i < 3; ++i)
    caretColour[i] = static_cast<std::uint8_t>((channel(main0, 8 * i) + channel(main1, 8 * i)) / 2);
  caretImage = std::make_unique<NVImage>(3, 13);
  caretImage->fill(caretColour[2], caretColour[1], caretColour[0], 255);
  caret = new NVWidget(0, 0, 3, 13);
  caret->passEventsToParent = true;
  caret->setImage(caretImage.get());
  idleDesigner = std::make_unique<NVVisualDesigner>();
  focusedDesigner = std::make_unique<NVVisualDesigner>();
  idleDesigner->setPainter(paintTextBoxFrame, 0);
  focusedDesigner->setPainter(paintTextBoxFrameFocused, 0);
  idleFace = std::make_unique<NVImage>(getWidth(), getHeight());
  focusedFace = std::make_unique<NVImage>(getWidth(), getHeight());
  idleDesigner->paint(idleFace.get(), getWidth(), getHeight());
  focusedDesigner->paint(focusedFace.get(), getWidth(), getHeight());
  setText(initial);
}

NVTextBox::~NVTextBox() {
  // The blink time is system-wide: a box deleted while focused gives it back.
  if (ownsBlinkTime_) SetCaretBlinkTime(startBlinkTime());
  blinkAnimation.reset();
  scrollAnimation.reset();
  connector.reset();
  caretConnector.reset();
  setImage(nullptr);
  removeChild(caret);
  delete caret;
}

void NVTextBox::onAttach() {
  if (!connector) {
    connector = std::make_unique<NVEventConnector>(this);
    connector->connect(NV_EV_KEYDOWN, [this](NVEventState e) { onKey(e); });
    connector->connect(NV_EV_LDOWN, [this](NVEventState e) { onPress(e); });
    connector->connect(NV_EV_MOVE, [this](NVEventState e) { onDrag(e); });
    connector->connect(NV_EV_LUP, [this](NVEventState e) { onDragEnd(e); });
    connector->connect(NV_EV_FOCUS, [this](NVEventState e) { onFocusIn(e); });
    connector->connect(NV_EV_BLUR, [this](NVEventState e) { onFocusOut(e); });
    connector->connect(NV_EV_ENTER, [this](NVEventState) {
      setImage(focusedFace.get());
      redraw(true);
    });
    connector->connect(NV_EV_LEAVE, [this](NVEventState) {
      NVEngine* engine = getEngine();
      if (engine && engine->currentInput.focusWidget == this) return;
      setImage(idleFace.get());
      redraw(true);
    });
    caretConnector = std::make_unique<NVEventConnector>(caret);
    caretConnector->connect(NV_EV_FOCUS, [this](NVEventState) {
      hasSelection = false;
      selectionStart = selectionEnd = cursorPos;
      refresh();
    });
    blinkAnimation = std::make_unique<NVAnimation>();
    blinkAnimation->duration = 1500;
    blinkAnimation->setOnUpdate([this](NVAnimeData data) {
      const double phase = data.progress * 6.283184;
      if (hostKind == NVHostKind::StageItem) {
        if ((std::sin(phase) + 0.1) / 1.1 > 0)
          caret->show();
        else
          caret->hide();
      } else {
        caret->setAlpha(static_cast<int>((std::sin(phase) + 1) * 0.5 * 255));
      }
      // Ending the run here would restart it every frame and freeze the phase.
      return false;
    });
    scrollAnimation = std::make_unique<NVAnimation>();
    scrollAnimation->duration = 500;
    scrollAnimation->setOnUpdate([this](NVAnimeData) {
      cursorPos += autoScrollStep;
      selectionEnd = cursorPos;
      refresh();
      return true;
    });
  }
  addChild(caret, false);
  setImage(idleFace.get());
  setTextOffset(2, 2);
  refresh();
}

void NVTextBox::onEnableChanged(bool effective) {
  idleDesigner->paint(idleFace.get(), getWidth(), getHeight());
  if (!effective) dimToBackground(idleFace.get(), getWidth(), getHeight());
  setImage(idleFace.get());
  redraw(true);
}

void NVTextBox::onResize(int, int) {
  onEnableChanged(isEnabled());
  focusedDesigner->paint(focusedFace.get(), getWidth(), getHeight());
}

void NVTextBox::setIdlePainter(NVPainter painter, int param) {
  idleDesigner->setPainter(std::move(painter), param);
  onEnableChanged(isEnabled());
}

void NVTextBox::setFocusedPainter(NVPainter painter, int param) {
  focusedDesigner->setPainter(std::move(painter), param);
  focusedDesigner->paint(focusedFace.get(), getWidth(), getHeight());
}

void NVTextBox::setText(NVString newText) {
  const NVTextBoxSnapshot before{NVTextEditKind::Paste, cursorPos, selectionStart, selectionEnd, scrollStart, content};
  recordEdit(NVTextEditKind::Paste, before);
  content = newText;
  cursorPos = scrollStart = 0;
  refresh();
}

NVStringStyle* NVTextBox::style() const { return getTextStyle() ? getTextStyle() : NVStringStyle::sharedDefault(); }

int NVTextBox::textWidth(int from, int to) const {
  if (to <= from) return 0;
  return static_cast<int>(style()->measure(content.mid(from, to)).cx);
}

int NVTextBox::locate(double localX) const {
  const int px = static_cast<int>(localX);
  const int visible = content.length() - scrollStart;
  int n = 0;
  while (n < visible && textWidth(scrollStart, scrollStart + n + 1) <= px) ++n;
  int position = scrollStart + n;
  if (nvtextbox::characterStartsAt(content, position - 1)) --position;
  return position;
}

void NVTextBox::onFocusIn(NVEventState event) {
  if (event.widget == caret) return;
  if (NVEngine* engine = getEngine()) {
    engine->setImeFont(style()->getFaceName(), style()->height);
  }
  setImage(focusedFace.get());
  caret->show();
  if (blinkAnimation) {
    blinkAnimation->repeat = true;
    blinkAnimation->start();
  }
  SetCaretBlinkTime(750);
  ownsBlinkTime_ = true;
  redraw(true);
}

void NVTextBox::onFocusOut(NVEventState) {
  stopAutoScroll();
  if (blinkAnimation) blinkAnimation->stop();
  caret->hide();
  selectionStart = selectionEnd = cursorPos;
  hasSelection = false;
  SetCaretBlinkTime(startBlinkTime());
  ownsBlinkTime_ = false;
  setImage(idleFace.get());
  refresh();
  redraw(true);
}
