// Drawing the list: the background, the selection band, the visible lines,
// the add line of an editable list and the outline, all into one image.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "framework/compose/NVImage.h"
#include "framework/compose/NVStringStyle.h"
#include "framework/widgets/NVListView.h"
#include "framework/widgets/NVPaintColour.h"
#include "framework/widgets/NVVScroll.h"

namespace {
constexpr int kLine = NVListView::kLineHeight;

void put(NVImage* image, int x, int y, NVPaintColour c) { putRGBA(image, x, y, c, 255); }
}  // namespace

NVStringStyle* NVListView::addLineStyle() {
  if (!addLineStyle_) {
    // The default style's colour moved two thirds of the way to the background.
    const NVStringStyle* base = NVStringStyle::sharedDefault();
    const NVPaintColour bg = themeRgb("background");
    addLineStyle_ = std::make_unique<NVStringStyle>();
    addLineStyle_->copyFrom(*base);
    addLineStyle_->setColor((base->red + 2 * bg.r) / 3, (base->green + 2 * bg.g) / 3, (base->blue + 2 * bg.b) / 3);
  }
  return addLineStyle_.get();
}

// The band over the selected line, lightest at the top, with a border.
void NVListView::drawBand(int top) {
  const int right = getWidth() - 18;
  const NVPaintColour main0 = themeRgb("main0"), main1 = themeRgb("main1"), main2 = themeRgb("main2");
  const NVPaintColour border = (main0 + main1) / 2;
  for (int j = 0; j < kLine; ++j) {
    const NVPaintColour inner = ((kLine - j) * main2 + j * main1) / kLine;
    const bool edgeRow = j == 0 || j == kLine - 1;
    for (int x = 1; x <= right; ++x) put(image.get(), x, top + j, edgeRow || x == 1 || x == right ? border : inner);
  }
}

// A dark top row and side columns that lighten toward the lighter bottom row.
void NVListView::drawOutline() {
  const int w = getWidth(), h = getHeight();
  const NVPaintColour base0 = themeRgb("base0");
  for (int x = 0; x < w; ++x) {
    put(image.get(), x, 0, base0);
    put(image.get(), x, h - 1, base0 + NVPaintColour{45, 45, 55});
  }
  for (int y = 0; y < h; ++y) {
    const NVPaintColour side = base0 + NVPaintColour{45 * y / h, 45 * y / h, 55 * y / h};
    put(image.get(), 0, y, side);
    put(image.get(), w - 1, y, side);
  }
}

void NVListView::refreshList() {
  const int count = getItemCount();
  const std::int64_t range = std::int64_t{rowCount()} * kLine - scrollBar->getHeight();
  const std::int64_t limited = std::min<std::int64_t>(range, std::numeric_limits<int>::max());
  scrollBar->setMaximum(count == 0 ? 0 : static_cast<int>(limited));
  const int s = scrollBar->getPosition();
  const int w = getWidth(), h = getHeight();
  // The image follows the list's size, so that no pixel is written outside it.
  image->resize(w, h);
  const NVPaintColour bg = themeRgb("background");
  image->fill(bg.r, bg.g, bg.b, 255);
  const int first = (s - 2) / kLine;
  const int end = static_cast<int>(std::min<std::int64_t>((std::int64_t{h} + s - 2) / kLine + 1, count));
  if (first <= selected && selected <= end) drawBand(selected * kLine - s + 1);
  NVStringStyle* style = NVStringStyle::sharedDefault();
  for (int i = std::max(first, 0); i < end; ++i)
    style->drawText(image.get(), 2, i * kLine - s + 3, -1, -1, -1, -1, false, items[i]);
  if (editable) addLineStyle()->drawText(image.get(), 2, end * kLine - s + 3, -1, -1, -1, -1, false, addLineText());
  drawOutline();
  setImage(image.get());
  redraw(true);
  onEnableChanged(isEnabled());
}
