// The built brisel on a real X server (Xvfb), with and without a window
// manager, met the way a desktop meets it: quick clicks (press and release
// back to back), the credit view opened and closed many times, drops made
// while a long batch is converted, its window moved by another program, and
// its name as the desktop reads it. Positions are read from the X server,
// since a window manager may place the window itself.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "ChildProcess.h"
#include "ModelDrops.h"
#include "TitleDrags.h"
#include "XvfbScreen.h"
#include "tests/support/TempDir.h"
#include "tests/support/Waiting.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

const std::string kBin = BRISEL_BIN_DIR;
// Frame pieces relative to the frame's top left corner.
constexpr int kClientDX = 6, kClientDY = 28;
constexpr int kCloseDX = 312 - 6 - 15, kCloseDY = 6 + 10;
constexpr int kCreditCloseDX = 512 - 6 - 15, kCreditCloseDY = 6 + 10;
const char* kCreditTitle = "クレジット情報";

class BriselDesktopTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    std::string why;
    if (!screen_.start(why)) GTEST_SKIP() << "real-window tests skipped: " << why;
    if (GetParam() && !screen_.startWindowManager(why)) GTEST_SKIP() << "no window manager: " << why;
    dir_ = fs::path(::testing::TempDir()) / ("brisel desktop " + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    ASSERT_NO_FATAL_FAILURE(startBrisel());
  }

  void TearDown() override {
    brisel_.reset();
    std::error_code ignored;
    if (!dir_.empty()) fs::remove_all(dir_, ignored);
  }

  // Starts brisel and waits until its window, found by its name, shows the
  // prompt.
  void startBrisel() {
    brisel_ = std::make_unique<ChildProcess>(std::vector<std::string>{kBin + "/brisel"},
                                             std::vector<std::string>{screen_.environment()});
    ASSERT_TRUE(waitFor([&] {
      frame_ = screen_.windowNamed("Brisel");
      return frame_ != 0 && screen_.originOf(frame_, x_, y_) && promptShown();
    })) << "no window named Brisel showed the prompt";
  }

  bool promptShown() {
    const int cx = x_ + kClientDX, cy = y_ + kClientDY;
    const unsigned background = screen_.pixel(cx + 299, cy + 299);
    return background != 0 && screen_.anyPixelOtherThan(cx, cy, 300, 20, background);
  }

  // Follows the window wherever the desktop has put it.
  bool locate() { return screen_.originOf(frame_, x_, y_); }

  void quickClickAt(int x, int y, int button = 1) {
    screen_.movePointer(x, y);
    screen_.quickClick(button);
  }

  bool ended(int& status, int limitMs = 20000) { return brisel_->wait(status, limitMs); }

  fs::path model(const std::string& name) { return writeModel(dir_, name); }

  std::vector<fs::path> models(const std::string& stem, int count) {
    std::vector<fs::path> paths;
    for (int i = 0; i < count; ++i) paths.push_back(model(stem + std::to_string(i) + ".mqo"));
    return paths;
  }

  int drop(int x, int y, const std::vector<fs::path>& files) { return dropFiles(screen_, x, y, files); }

  int dropOnClient(const std::vector<fs::path>& files) {
    return drop(x_ + kClientDX + 150, y_ + kClientDY + 150, files);
  }

  XvfbScreen screen_;
  fs::path dir_;
  std::unique_ptr<ChildProcess> brisel_;
  unsigned long frame_ = 0;
  int x_ = 0, y_ = 0;
};

TEST_P(BriselDesktopTest, TheFrameWindowIsNamedBrisel) {
  EXPECT_EQ(screen_.netWmName(frame_), "Brisel");
  EXPECT_EQ(screen_.wmName(frame_), "Brisel");
}

// A drag of the title moves the window by the pointer's way, there and back
// four times. The window follows each step of the drag (so the program saw
// the press), and each release leaves it where the pointer left it: a
// release placed inside the window as it was before the move would push it
// on by the move once more, and the next drag, made where the window should
// be, would find it elsewhere.
TEST_P(BriselDesktopTest, DragsOfTheTitleMoveTheWindowByThePointersWayAndNoFurther) {
  ASSERT_NO_FATAL_FAILURE(dragTitleThereAndBack(screen_, frame_, 8, 100, 12));
}

TEST_P(BriselDesktopTest, QuickClicksOnTheCloseButtonEndTheProgramFiveTimesOutOfFive) {
  for (int start = 0; start < 5; ++start) {
    SCOPED_TRACE("start " + std::to_string(start));
    if (start > 0) {
      ASSERT_NO_FATAL_FAILURE(startBrisel());
    }
    quickClickAt(x_ + kCloseDX, y_ + kCloseDY);
    int status = -1;
    ASSERT_TRUE(ended(status)) << "a quick click on the close button did not end brisel";
    EXPECT_EQ(status, 0);
  }
}

// A quick right double click on the title bar opens the credit view (its
// wash shows), its close button closes it; twenty times over, and the
// program is alive and well after them.
TEST_P(BriselDesktopTest, TheCreditViewOpensAndClosesTwentyTimes) {
  for (int cycle = 0; cycle < 20; ++cycle) {
    SCOPED_TRACE("cycle " + std::to_string(cycle));
    ASSERT_TRUE(locate());
    screen_.movePointer(x_ + 150, y_ + 14);
    screen_.quickClick(3);
    screen_.quickClick(3);
    unsigned long credit = 0;
    int cx = 0, cy = 0;
    ASSERT_TRUE(waitFor([&] {
      credit = screen_.windowNamed(kCreditTitle);
      return credit != 0 && screen_.originOf(credit, cx, cy) &&
             screen_.pixel(cx + kClientDX, cy + kClientDY) == 0xFFFFFF;
    })) << "the credit view did not show";
    EXPECT_EQ(screen_.netWmName(credit), kCreditTitle);
    quickClickAt(cx + kCreditCloseDX, cy + kCreditCloseDY);
    ASSERT_TRUE(waitFor([&] { return screen_.windowNamed(kCreditTitle) == 0; })) << "the credit view stayed";
    int status = 0;
    ASSERT_FALSE(ended(status, 0)) << "brisel ended with status " << status;
  }
  ASSERT_TRUE(locate());
  quickClickAt(x_ + kCloseDX, y_ + kCloseDY);
  int status = -1;
  ASSERT_TRUE(ended(status));
  EXPECT_EQ(status, 0);
}

// Two drops made while a long batch is converted are both converted.
TEST_P(BriselDesktopTest, TwoDropsDuringALongConversionAreBothConverted) {
  const std::vector<fs::path> batch = models("a", 500);
  const fs::path b = model("b.mqo"), c = model("c.mqo");
  EXPECT_EQ(dropOnClient(batch), 0);
  ASSERT_TRUE(waitFor([&] { return fs::exists(converted(batch.front())); }, {.limitMs = 60000}));
  EXPECT_EQ(dropOnClient({b}), 0);
  EXPECT_EQ(dropOnClient({c}), 0);
  ASSERT_FALSE(fs::exists(converted(batch.back()))) << "the batch ended before the drops were made";
  for (const fs::path& input : {b, c}) {
    ASSERT_TRUE(waitFor([&] { return convertedWhole(input); }, {.limitMs = 60000})) << converted(input);
  }
  EXPECT_TRUE(convertedWhole(batch.back()));
}

// While a batch of many files is converted, the label shows the first
// file's lines before the last file is done.
TEST_P(BriselDesktopTest, DuringALongDropTheLabelShowsProgress) {
  const std::vector<fs::path> batch = models("p", 500);
  const int cx = x_ + kClientDX, cy = y_ + kClientDY;
  const unsigned background = screen_.pixel(cx + 299, cy + 299);
  EXPECT_EQ(dropOnClient(batch), 0);
  bool grew = false, lastDone = false;
  ASSERT_TRUE(waitFor(
      [&] {
        lastDone = fs::exists(converted(batch.back()));
        grew = screen_.anyPixelOtherThan(cx, cy + 40, 300, 200, background);
        return grew || lastDone;
      },
      {.limitMs = 60000}));
  EXPECT_TRUE(grew && !lastDone) << "the log showed nothing until the last file was converted";
}

// Another program moves the window (XMoveWindow): drops on the client area
// at its new place are converted, and its close button works there.
TEST_P(BriselDesktopTest, AWindowMovedByAnotherProgramStillTakesADrop) {
  const int oldX = x_, oldY = y_;
  screen_.moveWindow(frame_, 100, 80);
  ASSERT_TRUE(waitFor([&] { return locate() && (x_ != oldX || y_ != oldY); })) << "the window did not move";
  ASSERT_TRUE(waitFor([&] { return promptShown(); }));
  const fs::path input = model("moved.mqo");
  EXPECT_EQ(dropOnClient({input}), 0);
  ASSERT_TRUE(waitFor([&] { return convertedWhole(input); })) << converted(input);
  quickClickAt(x_ + kCloseDX, y_ + kCloseDY);
  int status = -1;
  ASSERT_TRUE(ended(status)) << "the close button did not answer at the new place";
  EXPECT_EQ(status, 0);
}

INSTANTIATE_TEST_SUITE_P(Desktops, BriselDesktopTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? std::string("WithAWindowManager") : std::string("Bare");
                         });

}  // namespace
}  // namespace e2e
