#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "framework/compose/NV2DItem.h"
#include "framework/compose/NV2DStage.h"
#include "framework/compose/NVImage.h"
#include "framework/compose/NVStringStyle.h"
#include "framework/core/NVEngine.h"
#include "framework/core/NVGUICoreObject.h"
#include "framework/widgets/NVPainters.h"
#include "framework/widgets/NVSelector.h"
#include "framework/widgets/NVSelectorGroup.h"
#include "framework/window/NVExWindow.h"
#include "platform/host/display/null/NullDisplay.h"
#include "platform/host/text/TextEngine.h"
#include "tests/support/EngineHarness.h"
#include "tests/support/ReferencePicture.h"

namespace {

using nvhost::NullDisplay;

constexpr int kX = 100, kY = 100;

NVWindowMenuColumn column(const char* title, std::vector<std::pair<const char*, int>> entries) {
  NVWindowMenuColumn c;
  c.title = NVString(title);
  for (const auto& [text, id] : entries) {
    c.entries.push_back(NVString(text));
    if (id != 0) c.entryTable[NVString(text)] = id;
  }
  return c;
}

NVWindowMenu sampleMenu() {
  NVWindowMenu menu;
  menu.columns.push_back(column("File", {{"Open", 101}, {"Save as", 102}, {"Quit", 0}}));
  menu.columns.push_back(column("Edit", {{"Undo", 201}}));
  menu.columns.push_back(column("Help", {}));
  return menu;
}

int measured(const char* text) { return NVStringStyle().measure(NVString(text)).cx; }

class WindowMenuBarTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { useNullDisplay(); }

  void SetUp() override {
    NullDisplay::movePointer(1200, 1000);
    window = new NVExWindow(kX, kY, 300, 200, NVString("menu"));
    window->attach(true, nullptr, nullptr);
    engine = window->engine;
    recorder = new EventRecorder(window, {NV_EV_COMMAND});
    runFrames(engine, 3);
  }

  void TearDown() override {
    delete recorder;
    delete window;
    freeDeferred();
  }

  // Clicks the middle of a title of the bar, in screen coordinates.
  void clickTitle(int index) {
    NVSelector* title = window->menuTitles[index];
    clickAt(kX + 6 + title->getX() + title->getWidth() / 2, kY + 28 + title->getY() + 7);
  }

  void clickAt(int x, int y) {
    NullDisplay::movePointer(x, y);
    runFrames(engine, 3);
    NullDisplay::pressButton();
    runFrames(engine, 3);
    NullDisplay::releaseButton();
    runFrames(engine, 3);
  }

  bool dropDownShown() const { return NullDisplay::isShown(window->dropDown.stage->hwnd); }

  NVExWindow* window = nullptr;
  NVEngine* engine = nullptr;
  EventRecorder* recorder = nullptr;
};

TEST_F(WindowMenuBarTest, TitlesSitSideBySideFromFiveWithTwelvePixelsOfPadding) {
  window->setWindowMenu(sampleMenu());
  ASSERT_EQ(window->menuTitles.size(), 3u);
  int x = 5;
  const char* texts[] = {"File", "Edit", "Help"};
  for (int i = 0; i < 3; ++i) {
    NVSelector* title = window->menuTitles[i];
    EXPECT_EQ(title->getText(), texts[i]);
    EXPECT_EQ(title->getX(), x) << texts[i];
    EXPECT_EQ(title->getY(), 1);
    EXPECT_EQ(title->getWidth(), measured(texts[i]) + 12);
    EXPECT_EQ(title->getHeight(), 15);
    x += measured(texts[i]) + 12;
  }
  EXPECT_EQ(window->entryCounts, (std::vector<int>{3, 1, 0}));
  EXPECT_EQ(window->commandIds, (std::vector<int>{101, 102, 0, 201}));
}

TEST_F(WindowMenuBarTest, TheBarPushesTheClientAreaDownAndAnEmptyMenuRemovesEverything) {
  const int frameHeight = window->frameStage->height;
  window->setWindowMenu(sampleMenu());
  runFrames(engine, 3);
  EXPECT_EQ(window->y, 46);
  EXPECT_EQ(window->height, 200);
  EXPECT_EQ(window->frameStage->height, frameHeight + 18);
  EXPECT_EQ(window->edges[NVExWindow::Left].stage->height, 200 + 18);
  EXPECT_TRUE(NullDisplay::isShown(window->menuBar.stage->hwnd) || window->menuBar.stage->shown);
  EXPECT_EQ(window->menuBar.stage->width, 300);
  EXPECT_EQ(window->menuBar.stage->height, 18);

  window->setWindowMenu(NVWindowMenu());
  EXPECT_TRUE(window->menuTitles.empty());
  EXPECT_TRUE(window->menuEntries.empty());
  EXPECT_TRUE(window->columnGroups.empty());
  EXPECT_TRUE(window->dropDownSizes.empty());
  // Not laid out again: the client area stays where the bar left it.
  EXPECT_EQ(window->y, 46);
}

TEST_F(WindowMenuBarTest, EntriesAreTwentyHighAndTheDropDownFitsThemWithAMargin) {
  window->setWindowMenu(sampleMenu());
  const int widest = std::max({measured("Open"), measured("Save as"), measured("Quit")});
  for (int k = 0; k < 3; ++k) {
    NVSelector* entry = window->menuEntries[k];
    EXPECT_EQ(entry->getX(), 2);
    EXPECT_EQ(entry->getY(), 2 + 20 * k);
    EXPECT_EQ(entry->getWidth(), widest + 10);
    EXPECT_EQ(entry->getHeight(), 20);
  }
  clickTitle(0);
  ASSERT_TRUE(dropDownShown());
  NVSelector* file = window->menuTitles[0];
  EXPECT_EQ(window->dropDown.stage->x, kX + 6 + file->getX());
  EXPECT_EQ(window->dropDown.stage->y, kY + 28 + file->getY() + 18);
  EXPECT_EQ(window->dropDown.stage->width, widest + 15);
  EXPECT_EQ(window->dropDown.stage->height, 64);
  // Only the pressed column's entries are shown.
  EXPECT_TRUE(window->menuEntries[0]->item2D()->visible);
  EXPECT_FALSE(window->menuEntries[3]->item2D()->visible);
}

TEST_F(WindowMenuBarTest, ATitleWithoutEntriesOpensNothing) {
  window->setWindowMenu(sampleMenu());
  clickTitle(2);
  EXPECT_FALSE(dropDownShown());
  EXPECT_EQ(window->menuGroup->current, nullptr);
}

TEST_F(WindowMenuBarTest, ChoosingAnEntryQueuesExactlyOneCommand) {
  window->setWindowMenu(sampleMenu());
  clickTitle(0);
  ASSERT_TRUE(dropDownShown());
  const int dx = window->dropDown.stage->x, dy = window->dropDown.stage->y;
  clickAt(dx + 10, dy + 2 + 20 + 10);  // "Save as"
  clickAt(kX + 150, kY + 150);         // the client area
  ASSERT_EQ(recorder->events.size(), 1u);
  EXPECT_EQ(recorder->events[0].value, 102);
  EXPECT_EQ(recorder->events[0].stage, window);
  EXPECT_FALSE(dropDownShown());
}

TEST_F(WindowMenuBarTest, ClickingOutsideWithoutChoosingQueuesNothing) {
  window->setWindowMenu(sampleMenu());
  clickTitle(0);
  ASSERT_TRUE(dropDownShown());
  clickAt(kX + 150, kY + 150);
  EXPECT_TRUE(recorder->events.empty());
  EXPECT_FALSE(dropDownShown());
  EXPECT_EQ(window->menuGroup->current, nullptr);
}

TEST_F(WindowMenuBarTest, PressingAnotherTitleMovesTheDropDownWithoutACommand) {
  window->setWindowMenu(sampleMenu());
  clickTitle(0);
  const int dx = window->dropDown.stage->x, dy = window->dropDown.stage->y;
  clickAt(dx + 10, dy + 12);  // "Open": sent at once, the drop-down closes
  ASSERT_EQ(recorder->events.size(), 1u);
  EXPECT_EQ(recorder->events[0].value, 101);
  clickTitle(1);
  ASSERT_TRUE(dropDownShown());
  EXPECT_EQ(window->dropDown.stage->x, kX + 6 + window->menuTitles[1]->getX());
  clickTitle(0);
  ASSERT_TRUE(dropDownShown());
  // The earlier choice in "File" was sent once and is not sent again.
  clickAt(kX + 150, kY + 150);
  EXPECT_EQ(recorder->events.size(), 1u);
}

// Every entry sends its own identifier, 0 for an entry without one, once.
TEST_F(WindowMenuBarTest, EachEntrySendsItsOwnCommand) {
  window->setWindowMenu(sampleMenu());
  struct Case {
    int title, entry, command;
  };
  const Case cases[] = {{0, 0, 101}, {0, 1, 102}, {0, 2, 0}, {1, 0, 201}};
  for (const Case& c : cases) {
    recorder->events.clear();
    clickTitle(c.title);
    ASSERT_TRUE(dropDownShown()) << c.title << " " << c.entry;
    const int dx = window->dropDown.stage->x, dy = window->dropDown.stage->y;
    clickAt(dx + 10, dy + 2 + 20 * c.entry + 10);
    clickAt(kX + 150, kY + 150);
    ASSERT_EQ(recorder->events.size(), 1u) << c.title << " " << c.entry;
    EXPECT_EQ(recorder->events[0].kind, NV_EV_COMMAND);
    EXPECT_EQ(recorder->events[0].value, c.command) << c.title << " " << c.entry;
    EXPECT_FALSE(dropDownShown());
  }
}

// Two titles with the same text both open the drop-down of the first; a new
// menu replaces the old one whole.
TEST_F(WindowMenuBarTest, TitlesWithTheSameTextOpenTheFirstsColumn) {
  window->setWindowMenu(sampleMenu());
  NVWindowMenu twins;
  twins.columns.push_back(column("File", {{"Open", 101}}));
  twins.columns.push_back(column("File", {{"Print", 301}, {"Close", 302}}));
  window->setWindowMenu(twins);
  ASSERT_EQ(window->menuTitles.size(), 2u);
  ASSERT_EQ(window->menuEntries.size(), 3u);
  EXPECT_EQ(window->entryCounts, (std::vector<int>{1, 2}));
  EXPECT_EQ(window->commandIds, (std::vector<int>{101, 301, 302}));
  clickTitle(1);
  ASSERT_TRUE(dropDownShown());
  EXPECT_TRUE(window->menuEntries[0]->item2D()->visible);
  EXPECT_FALSE(window->menuEntries[1]->item2D()->visible);
  EXPECT_FALSE(window->menuEntries[2]->item2D()->visible);
  EXPECT_EQ(window->dropDown.stage->height, 20 + 4);
  const int dx = window->dropDown.stage->x, dy = window->dropDown.stage->y;
  clickAt(dx + 10, dy + 12);
  clickAt(kX + 150, kY + 150);
  ASSERT_EQ(recorder->events.size(), 1u);
  EXPECT_EQ(recorder->events[0].value, 101);
}

TEST_F(WindowMenuBarTest, PictureOfAnOpenDropDown) {
  window->setWindowMenu(sampleMenu());
  clickTitle(0);
  ASSERT_TRUE(dropDownShown());
  runFrames(engine, 3);
  const nvhost::gdi::PixelImage desktop = NullDisplay::desktopPixels();
  const refpic::Picture picture{desktop.width, desktop.height, desktop.words};
  EXPECT_TRUE(refpic::matchesReference("framework/widgets/window_menu", picture,
                                       refpic::forText(picture, nvhost::text::rasterizerVersion())));
  // The drop-down's border, as its painter draws it, lies over the client
  // area right under the title.
  const int dx = window->dropDown.stage->x, dy = window->dropDown.stage->y;
  const int w = window->dropDown.stage->width, h = window->dropDown.stage->height;
  NVImage face;
  paintDropDown(&face, w, h, 0);
  ASSERT_TRUE(face.isValid());
  for (int y : {0, h - 1}) {
    for (int x : {0, w / 2, w - 1}) {
      EXPECT_EQ(desktop.words[(dy + y) * desktop.width + dx + x] & 0xFFFFFF, face.getPixels()[y * w + x] & 0xFFFFFF)
          << x << "," << y;
    }
  }
}

}  // namespace
