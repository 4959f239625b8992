#include <gtest/gtest.h>

#include <png.h>
#include <zlib.h>

#include <cstdlib>
#include <string>

#include "framework/compose/NV2DItem.h"
#include "framework/compose/NV2DStage.h"
#include "framework/compose/NVImage.h"
#include "framework/core/NVApplicationInfo.h"
#include "framework/core/NVEngine.h"
#include "framework/core/NVGUICoreObject.h"
#include "framework/widgets/NVCreditBackground.h"
#include "framework/widgets/NVLibraryCredits.h"
#include "framework/window/NVCreditView.h"
#include "framework/widgets/NVListView.h"
#include "framework/widgets/NVPushButton.h"
#include "framework/widgets/NVTransParentLabel.h"
#include "framework/window/NVExWindow.h"
#include "platform/host/display/null/NullDisplay.h"
#include "platform/host/text/TextEngine.h"
#include "tests/support/EngineHarness.h"
#include "tests/support/ReferencePicture.h"

namespace {

using nvhost::NullDisplay;

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Rgb& c) {
  return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

Rgb rgbAt(const NVImage& image, int x, int y) {
  const std::uint32_t p = image.getPixels()[y * image.getWidth() + x];
  return {static_cast<int>(p >> 16 & 0xFF), static_cast<int>(p >> 8 & 0xFF), static_cast<int>(p & 0xFF)};
}

Rgb rgbAt(const nvhost::gdi::PixelImage& image, int x, int y) {
  const std::uint32_t p = image.words[y * image.width + x];
  return {static_cast<int>(p >> 16 & 0xFF), static_cast<int>(p >> 8 & 0xFF), static_cast<int>(p & 0xFF)};
}

TEST(CreditBackground, TheWashRunsFromWhiteTowardTheMainColour) {
  NVImage image(500, 400);
  paintCreditBackground(&image);
  struct Case {
    int x, y;
    Rgb expected;
  };
  // Corners and the middle of the wash, away from the strokes.
  for (const Case& c : {Case{0, 0, {255, 255, 255}}, Case{100, 100, {245, 249, 247}}, Case{499, 399, {210, 228, 218}}})
    EXPECT_EQ(rgbAt(image, c.x, c.y), c.expected) << c.x << "," << c.y;
  EXPECT_EQ(image.getAlpha(250, 200), 255);
}

TEST(CreditBackground, StrokesDarkenTheWashAlongTheirLines) {
  NVImage washOnly(500, 400), painted(500, 400);
  paintCreditBackground(&painted);
  // The last stroke runs from (505, 355) to (95, 405): its middle, (300, 380).
  const NVPaintColour main0 = themeRgb("main0");
  for (int y = 0; y < 400; ++y)
    for (int x = 0; x < 500; ++x) {
      const int t = 220 * (x + y) / 900;
      washOnly.setRGBA(x, y, (main0.r * t + 255 * (1024 - t)) >> 10, (main0.g * t + 255 * (1024 - t)) >> 10,
                       (main0.b * t + 255 * (1024 - t)) >> 10, 255);
    }
  const Rgb before = rgbAt(washOnly, 300, 380), after = rgbAt(painted, 300, 380);
  EXPECT_LT(after.r, before.r);
  EXPECT_LT(after.g, before.g);
  // Well clear of every stroke nothing changes.
  EXPECT_EQ(rgbAt(painted, 200, 150), rgbAt(washOnly, 200, 150));
}

TEST(ThickLine, CoversItsRectangleWithSoftEdgesAndKeepsAlpha) {
  NVImage image(40, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) image.setRGBA(x, y, 0, 0, 0, 77);
  // Full strength, 4 wide, along y = 10 from x = 10 to x = 30.
  drawThickLine(&image, NVPaintColour{200, 100, 50}, 256, 10, 10, 30, 10, 4);
  struct Case {
    int x, y;
    Rgb expected;
  };
  const Case cases[] = {
      {20, 10, {200, 100, 50}},  // inside
      {20, 12, {200, 100, 50}},  // on the edge of the width
      {20, 14, {0, 0, 0}},       // two pixels beyond it
      {10, 10, {200, 100, 50}},  // the first end
      {5, 10, {0, 0, 0}},        // beyond the end
      {30, 8, {200, 100, 50}},
  };
  for (const Case& c : cases) EXPECT_EQ(rgbAt(image, c.x, c.y), c.expected) << c.x << "," << c.y;
  EXPECT_EQ(image.getAlpha(20, 10), 77);
  // Half a pixel beyond the width gets half the weight.
  drawThickLine(&image, NVPaintColour{200, 100, 50}, 256, 10, 3.0, 30, 3.0, 1);
  const Rgb half = rgbAt(image, 20, 4);
  EXPECT_GT(half.r, 0);
  EXPECT_LT(half.r, 200);
}

TEST(ThickLine, ADegenerateOrDistantStrokeIsHarmless) {
  NVImage image(10, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) image.setRGBA(x, y, 0, 0, 0, 255);
  drawThickLine(&image, NVPaintColour{255, 255, 255}, 256, 5, 5, 5, 5, 2);
  EXPECT_EQ(rgbAt(image, 5, 5), (Rgb{255, 255, 255}));
  drawThickLine(&image, NVPaintColour{255, 0, 0}, 256, -500, -500, -400, -400, 10);
  drawThickLine(nullptr, NVPaintColour{255, 0, 0}, 256, 0, 0, 5, 5, 1);
  EXPECT_EQ(rgbAt(image, 0, 0), (Rgb{0, 0, 0}));
}

// A modal that quits its own loop after a few frames.
class CountingModal : public NVModal {
 public:
  void open() override { ++opened; }
  void onModalFrame() override {
    if (++frames == 3) modalEngine->quit();
  }
  int opened = 0, frames = 0;
};

TEST(Modal, RunsFramesUntilItsEngineIsAskedToStop) {
  useNullDisplay();
  CountingModal modal;
  modal.modalEngine = std::make_unique<NVEngine>();
  modal.run();
  EXPECT_EQ(modal.opened, 1);
  EXPECT_EQ(modal.frames, 3);
  // The destructor stops and deletes an engine that is still set.
}

class CreditViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    useNullDisplay();
    NullDisplay::setDesktop(1024, 768, RECT{0, 0, 1024, 768});
    NullDisplay::movePointer(1000, 700);
    view.modalEngine = std::make_unique<NVEngine>();
    view.open();
    // Frames until the view is composed: the wash shows left of the OK
    // button and the button's face covers the wash.
    ASSERT_TRUE(runFramesUntil(view.modalEngine.get(), [&] {
      nvhost::gdi::PixelImage pixels;
      if (!NullDisplay::windowPixels(view.window->frameStage->hwnd, pixels)) return false;
      return rgbAt(pixels, 6 + 5, 28 + 380) == rgbAt(*view.backgroundImage, 5, 380) &&
             !(rgbAt(pixels, 6 + 391, 28 + 371) == rgbAt(*view.backgroundImage, 391, 371));
    }));
  }
  void TearDown() override {
    view.close();
    freeDeferred();
  }
  NVCreditView view;
};

TEST_F(CreditViewTest, TheWindowIsCentredOnTheWorkAreaWithOnlyItsCloseButton) {
  ASSERT_NE(view.window, nullptr);
  EXPECT_EQ(view.window->frameStage->x, 262);
  EXPECT_EQ(view.window->frameStage->y, 184);
  EXPECT_EQ(view.window->width, 500);
  EXPECT_EQ(view.window->height, 400);
  EXPECT_EQ(view.window->y, 28);  // no menu bar
  EXPECT_FALSE(view.window->minimizeButton->item2D()->visible);
  EXPECT_FALSE(view.window->maximizeButton->item2D()->visible);
  EXPECT_TRUE(view.window->closeButton->item2D()->visible);
  char title[64] = {};
  GetWindowTextA(view.window->frameStage->hwnd, title, sizeof title);
  EXPECT_STREQ(title, "\x83\x4e\x83\x8c\x83\x57\x83\x62\x83\x67\x8f\xee\x95\xf1");
  // The wash shows in the client area at its top left corner and its bottom
  // right one.
  nvhost::gdi::PixelImage pixels;
  ASSERT_TRUE(NullDisplay::windowPixels(view.window->frameStage->hwnd, pixels));
  EXPECT_EQ(rgbAt(pixels, 6, 28), (Rgb{255, 255, 255}));
  EXPECT_EQ(rgbAt(pixels, 6 + 499, 28 + 399), (Rgb{210, 228, 218}));
}

TEST_F(CreditViewTest, LabelsListsAndButtonSitWhereTheyBelong) {
  struct Case {
    NVWidget* widget;
    int x, y, width, height;
  };
  const Case cases[] = {
      {view.nameLabel, 10, 20, 480, 35},    {view.versionLabel, 10, 55, 480, 20},
      {view.rightsLabel, 10, 85, 480, 40},  {view.creditHeading, 10, 130, 480, 16},
      {view.creditList, 10, 146, 480, 90},  {view.libraryHeading, 10, 246, 480, 16},
      {view.libraryList, 10, 262, 480, 98}, {view.okButton, 390, 370, 100, 20},
  };
  for (const Case& c : cases) {
    ASSERT_NE(c.widget, nullptr);
    EXPECT_EQ(c.widget->getX(), c.x);
    EXPECT_EQ(c.widget->getY(), c.y);
    EXPECT_EQ(c.widget->getWidth(), c.width);
    EXPECT_EQ(c.widget->getHeight(), c.height);
  }
  EXPECT_EQ(view.versionLabel->getText(), NVString("version : ") + getApplicationVersion());
  EXPECT_EQ(view.creditHeading->getText(), "\x83\x4e\x83\x8c\x83\x57\x83\x62\x83\x67");
  EXPECT_EQ(view.creditList->getItemCount(), static_cast<int>(getCreditLines().size()));
  EXPECT_FALSE(view.creditList->editable);
  EXPECT_EQ(view.nameStyle.height, 23);
  EXPECT_TRUE(view.nameStyle.bold);
}

// The library lines name what this build links, with the versions its
// headers gave, and nothing it does not use.
TEST_F(CreditViewTest, TheLibraryListNamesTheLibrariesThisBuildLinks) {
  std::vector<std::string> lines;
  for (int i = 0; i < view.libraryList->getItemCount(); ++i) lines.push_back(view.libraryList->getItem(i).bytes());
  auto has = [&](const std::string& prefix) {
    for (const std::string& line : lines)
      if (line.rfind(prefix, 0) == 0) return true;
    return false;
  };
  EXPECT_TRUE(has("Nolva GUI framework"));
  EXPECT_TRUE(has("Dovan 3D toolkit"));
  EXPECT_TRUE(has(std::string("libpng ") + PNG_LIBPNG_VER_STRING + " "));
  EXPECT_TRUE(has(std::string("zlib ") + ZLIB_VERSION + " "));
  EXPECT_TRUE(has("libjpeg"));
  EXPECT_TRUE(has("SDL2 2."));
  EXPECT_TRUE(has("FreeType 2."));
  for (const char* absent : {"Boost", "WinTab", "libpng 1.2.18"}) EXPECT_FALSE(has(absent)) << absent;
  int png = 0;
  for (const std::string& line : lines) png += line.rfind("libpng ", 0) == 0;
  EXPECT_EQ(png, 1);
}

// The view against its reference picture; the OK button and the lists cover
// the wash where they stand.
TEST_F(CreditViewTest, PictureOfTheView) {
  nvhost::gdi::PixelImage pixels;
  ASSERT_TRUE(NullDisplay::windowPixels(view.window->frameStage->hwnd, pixels));
  const refpic::Picture picture{pixels.width, pixels.height, pixels.words};
  EXPECT_TRUE(refpic::matchesReference("framework/widgets/credit_view", picture,
                                       refpic::forText(picture, nvhost::text::rasterizerVersion())));
  // Client coordinates to window coordinates.
  auto at = [&](int x, int y) { return rgbAt(pixels, 6 + x, 28 + y); };
  auto wash = [&](int x, int y) { return rgbAt(*view.backgroundImage, x, y); };
  EXPECT_NE(at(391, 371), wash(391, 371));  // the OK button's face
  EXPECT_NE(at(10, 146), wash(10, 146));    // the credit list's outline
  EXPECT_NE(at(10, 262), wash(10, 262));    // the library list's outline
  EXPECT_EQ(at(5, 380), wash(5, 380));      // left of everything
}

// Without credit lines the credit list is empty but shown; the two lists and
// the button are translucent as laid out; opening again makes nothing twice.
TEST_F(CreditViewTest, AnEmptyCreditListIsShownAndOpenMakesNothingTwice) {
  ASSERT_TRUE(getCreditLines().empty());  // this program adds none
  EXPECT_EQ(view.creditList->getItemCount(), 0);
  ASSERT_NE(view.creditList->item2DHost, nullptr);
  EXPECT_TRUE(view.creditList->item2DHost->visible);
  EXPECT_EQ(view.creditList->item2DHost->alpha, 200);
  EXPECT_EQ(view.okButton->item2DHost->alpha, 220);
  EXPECT_EQ(view.okButton->getText(), "OK");
  EXPECT_EQ(view.libraryList->getItemCount(), static_cast<int>(libraryCreditLines().size()));
  NVExWindow* window = view.window;
  NVListView* credits = view.creditList;
  NVPushButton* ok = view.okButton;
  view.open();
  EXPECT_EQ(view.window, window);
  EXPECT_EQ(view.creditList, credits);
  EXPECT_EQ(view.okButton, ok);
}

TEST_F(CreditViewTest, CloseDeletesEverythingItMade) {
  view.close();
  EXPECT_EQ(view.window, nullptr);
  EXPECT_EQ(view.stage, nullptr);
  EXPECT_EQ(view.scene, nullptr);
  EXPECT_EQ(view.backgroundItem, nullptr);
  EXPECT_EQ(view.backgroundImage, nullptr);
  EXPECT_EQ(view.creditList, nullptr);
  EXPECT_EQ(view.okButton, nullptr);
  EXPECT_EQ(view.windowConnector, nullptr);
  EXPECT_EQ(view.okConnector, nullptr);
}

}  // namespace
