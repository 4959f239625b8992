// The list view as it is composed into its window: outline, selection band,
// dimmed add line and the scroll bar beside them, with the default theme.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "framework/widgets/NVListView.h"
#include "platform/host/display/null/NullDisplay.h"
#include "platform/host/text/TextEngine.h"
#include "platform/runtime/TextCodec.h"
#include "tests/framework/widgets/WidgetWindow.h"
#include "tests/support/ReferencePicture.h"

namespace {

using nvhost::NullDisplay;

class ListViewPicture : public WidgetWindow {
 protected:
  static constexpr int kX = 10, kY = 10;
  void SetUp() override {
    WidgetWindow::SetUp();
    list = new NVListView(kY, 200);
    attach(list);
    list->setEditable(true);
    list->addItem(NVString("cube.mqo"));
    list->addItem(NVString(nvrt::utf8ToCp932Text("テクスチャ")));
    list->addItem(NVString("Brisel"));
  }
  std::uint32_t at(int x, int y) { return clientPixel(kX + x, kY + y); }
  // The smallest red value in a band of list rows, left part only.
  int darkestRed(const nvhost::gdi::PixelImage& pixels, int top, int bottom) {
    int red = 255;
    for (int y = top; y <= bottom; ++y)
      for (int x = 2; x < 200; ++x) red = std::min(red, static_cast<int>(clientPixel(pixels, kX + x, kY + y) >> 16));
    return red;
  }
  NVListView* list = nullptr;
};

// The outline, the band and the scroll bar's up button have exact colours;
// glyph pixels depend on the rasteriser, so the add line is checked by its
// darkest pixel: its text colour lies two thirds of the way to the background.
TEST_F(ListViewPicture, OutlineBandAndAddLine) {
  list->selected = 1;
  list->refreshList();
  frames(3);
  nvhost::gdi::PixelImage pixels;
  ASSERT_TRUE(NullDisplay::windowPixels(window->frameStage->hwnd, pixels));
  const refpic::Picture picture{pixels.width, pixels.height, pixels.words};
  EXPECT_TRUE(refpic::matchesReference("framework/widgets/listview", picture,
                                       refpic::forText(picture, nvhost::text::rasterizerVersion())));
  struct Expect {
    int x, y;
    std::uint32_t colour;
    const char* what;
  };
  const Expect expects[] = {
      {200, 0, rgb(110, 117, 118), "top outline"},
      {200, 199, rgb(155, 162, 173), "bottom outline"},
      {0, 100, rgb(132, 139, 145), "left outline, half way"},
      {479, 150, rgb(143, 150, 159), "right outline, three quarters"},
      {200, 19, rgb(113, 177, 139), "band border, top"},
      {200, 20, rgb(250, 253, 233), "band, first inner row"},
      {200, 28, rgb(218, 239, 214), "band, middle row"},
      {200, 36, rgb(113, 177, 139), "band border, bottom"},
      {1, 25, rgb(113, 177, 139), "band border, left"},
      {462, 25, rgb(113, 177, 139), "band border, right"},
      {300, 150, rgb(247, 250, 255), "background"},
      {463 + 5, 1, rgb(110, 117, 118), "scroll bar up button, top row"},
  };
  for (const Expect& e : expects) EXPECT_EQ(clientPixel(pixels, kX + e.x, kY + e.y), e.colour) << e.what;
  const int addLineRed = darkestRed(pixels, 3 * 18 + 2, 3 * 18 + 17);
  EXPECT_GE(addLineRed, (5 + 2 * 247) / 3);
  EXPECT_LT(addLineRed, 240);
  EXPECT_LT(darkestRed(pixels, 2, 17), 100);  // an item's text is drawn in the text colour
}

TEST_F(ListViewPicture, TheBandCanSitOnTheAddLine) {
  struct Case {
    int selected;
    std::uint32_t border, inner;
  };
  const Case cases[] = {
      {3, rgb(113, 177, 139), rgb(250, 253, 233)},
      {0, rgb(247, 250, 255), rgb(247, 250, 255)},
  };
  for (const Case& c : cases) {
    list->selected = c.selected;
    list->refreshList();
    frames(2);
    EXPECT_EQ(at(300, 3 * 18 + 1), c.border) << c.selected;
    EXPECT_EQ(at(300, 3 * 18 + 2), c.inner) << c.selected;
  }
}

}  // namespace
