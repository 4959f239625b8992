#include "framework/widgets/NVSelector.h"

#include "framework/compose/NV2DItem.h"
#include "framework/compose/NVImage.h"
#include "framework/core/NVEventConnector.h"
#include "framework/widgets/NVPainters.h"
#include "framework/widgets/NVSelectorGroup.h"
#include "framework/widgets/NVVisualDesigner.h"

namespace {
constexpr int kHoverAlpha = 174;
}

NVSelector::NVSelector(NVSelectorGroup* newGroup, int newX, int newY, int newWidth, int newHeight, NVString caption)
    : NVTransParentLabel(newX, newY, newWidth, newHeight, caption), group(newGroup) {
  typeName = "NVSelector";
  highlight = std::make_unique<NVImage>(newWidth, newHeight);
  designer = std::make_unique<NVVisualDesigner>();
  designer->setPainter(paintSelectorMark, 0);
  if (group) group->add(this);
}

NVSelector::~NVSelector() {
  if (group) group->remove(this);
  setImage(nullptr);
  connector.reset();
}

void NVSelector::paintHighlight() { designer->paint(highlight.get(), getWidth(), getHeight()); }

void NVSelector::onAttach() {
  if (!connector) {
    connector = std::make_unique<NVEventConnector>(this);
    connector->connect(NV_EV_LDOWN, [this](NVEventState) {
      if (group) group->select(this);
    });
    connector->connect(NV_EV_ENTER, [this](NVEventState) {
      if (chosen) return;
      setImage(highlight.get());
      redraw(true);
    });
    connector->connect(NV_EV_LEAVE, [this](NVEventState) {
      if (chosen) return;
      setImage(nullptr);
      redraw(true);
    });
  }
  paintHighlight();
  setImage(nullptr);
  redraw(true);
  // A transparent selector must still catch the pointer over its whole rectangle.
  if (hostKind == NVHostKind::Item2D && item2DHost) item2DHost->wholeRectHit = true;
}

void NVSelector::onResize(int, int) {
  paintHighlight();
  if (chosen) setHighlightAlpha(255);
  setImage(chosen ? highlight.get() : nullptr);
  redraw(true);
}

void NVSelector::setHighlightAlpha(int alpha) {
  if (!highlight->isValid()) return;
  std::uint32_t* pixels = highlight->getPixels();
  const std::size_t count = static_cast<std::size_t>(highlight->getWidth()) * highlight->getHeight();
  for (std::size_t i = 0; i < count; ++i)
    pixels[i] = (pixels[i] & 0x00FFFFFFu) | (static_cast<std::uint32_t>(alpha) << 24);
}

void NVSelector::setChosen(bool on) {
  chosen = on;
  setHighlightAlpha(on ? 255 : kHoverAlpha);
  setImage(on ? highlight.get() : nullptr);
  if (on) repaint();
  redraw(true);
}
