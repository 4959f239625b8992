// The built brisel in a real X window (Xvfb): its window appears where the
// tool puts it, files dropped on the client area by the project's own drag
// source are converted, a drop on the title bar converts nothing, and the
// frame's close button ends the program with status 0.
//
// With BRISEL_E2E_WINDOWS_BIN set (scripts/wine-test) the same tests run
// brisel.exe of the Windows build under Wine, on the display that
// BRISEL_E2E_DISPLAY names, with the Wine loader that WINELOADER names (the
// 64-bit loader for a 64-bit build) or else `wine`.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>

#include "ChildProcess.h"
#include "ModelDrops.h"
#include "XvfbScreen.h"
#include "tests/support/TempDir.h"
#include "tests/support/Waiting.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

const std::string kBin = BRISEL_BIN_DIR;

// The Windows build's programs, when the tests run under Wine.
const char* windowsBin() {
  const char* bin = std::getenv("BRISEL_E2E_WINDOWS_BIN");
  return bin != nullptr && *bin != '\0' ? bin : nullptr;
}

std::string wineLoader() {
  const char* loader = std::getenv("WINELOADER");
  return loader != nullptr && *loader != '\0' ? std::string(loader) : findProgram("wine");
}

std::vector<std::string> briselCommand() {
  if (windowsBin()) return {wineLoader(), std::string(windowsBin()) + "/brisel.exe"};
  return {kBin + "/brisel"};
}

// Whether the drag source's status says the window took the drop: 0 when the
// target answered that it finished. Wine may never answer (its versions
// differ), and the source then gives up waiting with 1.
bool tookTheDrop(int status) { return status == 0 || (windowsBin() && status == 1); }

// Screenshots of the two builds side by side, for a person to compare.
std::string screenshotPath(const std::string& name) {
  return ::testing::TempDir() + name + (windowsBin() ? "_wine.png" : ".png");
}
// The frame window: 300 x 300 client at (300, 300) gives a 312 x 338 frame
// there, the client area at (6, 28) inside it and the 30 x 20 close button
// at the right end of the title bar.
// Reads of the X screen are slow; the waits that make them ask less often.
constexpr WaitLimits kScreenPoll{.periodMs = 25};

constexpr int kFrameX = 300, kFrameY = 300, kFrameW = 312, kFrameH = 338;
constexpr int kClientX = kFrameX + 6, kClientY = kFrameY + 28;
constexpr int kCloseX = kFrameX + kFrameW - 6 - 15, kCloseY = kFrameY + 6 + 10;

class BriselRealWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string why;
    if (!screen_.start(why)) GTEST_SKIP() << "real-window tests skipped: " << why;
    // One folder per test process: ctest runs the tests side by side.
    dir_ = fs::path(::testing::TempDir()) / ("brisel モデル " + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    brisel_ = std::make_unique<ChildProcess>(briselCommand(), std::vector<std::string>{screen_.environment()});
    const bool shown = waitFor(
        [&] {
          int status = 0;
          return screen_.anyPixelOtherThan(kFrameX, kFrameY, 8, 8, 0) || brisel_->wait(status, 0);
        },
        kScreenPoll);
    int status = 0;
    if (brisel_->wait(status, 0)) {
      // A build whose brisel has no window yet ends at once and well; any
      // other early end is a failure.
      if (status == 0) GTEST_SKIP() << "brisel ended at once without a window: it has no window in this build";
      FAIL() << "brisel ended at once with status " << status;
    }
    ASSERT_TRUE(shown) << "brisel's window never appeared";
    // Ready once the prompt is drawn: its band is not one plain colour.
    if (!waitFor([&] { return promptShown(); }, kScreenPoll)) {
      const std::string shot = screenshotPath("brisel_no_prompt");
      screen_.screenshot(shot);
      FAIL() << "brisel never showed its prompt; the screen is in " << shot;
    }
  }

  bool promptShown() {
    const unsigned background = screen_.pixel(kClientX + 299, kClientY + 299);
    return background != 0 && screen_.anyPixelOtherThan(kClientX, kClientY, 300, 20, background);
  }

  void TearDown() override {
    brisel_.reset();
    std::error_code ignored;
    if (!dir_.empty()) fs::remove_all(dir_, ignored);
  }

  fs::path model(const std::string& name) { return writeModel(dir_, name); }

  int drop(int x, int y, const std::vector<fs::path>& files) { return dropFiles(screen_, x, y, files); }

  XvfbScreen screen_;
  fs::path dir_;
  std::unique_ptr<ChildProcess> brisel_;
};

TEST_F(BriselRealWindowTest, TheWindowSitsWhereTheToolPutsItAndShowsThePrompt) {
  EXPECT_FALSE(screen_.anyPixelOtherThan(kFrameX - 1, kFrameY - 1, kFrameW + 2, 1, 0)) << "above the frame";
  EXPECT_FALSE(screen_.anyPixelOtherThan(kFrameX - 1, kFrameY, 1, kFrameH, 0)) << "left of the frame";
  EXPECT_FALSE(screen_.anyPixelOtherThan(kFrameX + kFrameW, kFrameY, 1, kFrameH, 0)) << "right of the frame";
  EXPECT_FALSE(screen_.anyPixelOtherThan(kFrameX, kFrameY + kFrameH, kFrameW, 1, 0)) << "below the frame";
  EXPECT_TRUE(promptShown());
  screen_.screenshot(screenshotPath("brisel_start"));
}

TEST_F(BriselRealWindowTest, FilesDroppedOnTheClientAreaAreConvertedAndATitleBarDropIsNot) {
  const fs::path onTitle = model("タイトル.mqo");
  const fs::path first = model("立方体.mqo");
  const fs::path second = model("😀 球.mqo");
  const unsigned background = screen_.pixel(kClientX + 299, kClientY + 299);
  EXPECT_GE(drop(kFrameX + 150, kFrameY + 14, {onTitle}), 0);
  const int status = drop(kClientX + 150, kClientY + 150, {first, second});
  EXPECT_TRUE(tookTheDrop(status)) << "drag source status " << status;
  for (const fs::path& input : {first, second}) {
    ASSERT_TRUE(waitFor([&] { return fs::exists(converted(input)); })) << converted(input);
    ASSERT_TRUE(waitFor([&] { return readFileBytes(converted(input)).find("Eof") != std::string::npos; }));
    const std::string out = readFileBytes(converted(input));
    EXPECT_EQ(out.find("UV("), std::string::npos);
    EXPECT_NE(out.find("V(0 1 2)"), std::string::npos);
  }
  // The title-bar drop came first; by now it would have been converted.
  EXPECT_FALSE(fs::exists(converted(onTitle)));
  // The log grew below the prompt.
  EXPECT_TRUE(
      waitFor([&] { return screen_.anyPixelOtherThan(kClientX, kClientY + 40, 300, 100, background); }, kScreenPoll));
  screen_.screenshot(screenshotPath("brisel_log"));
}

TEST_F(BriselRealWindowTest, TheCloseButtonEndsTheProgramWithStatusZero) {
  screen_.movePointer(kCloseX, kCloseY);
  screen_.click(1);
  int status = -1;
  ASSERT_TRUE(brisel_->wait(status, 20000)) << "brisel did not end";
  EXPECT_EQ(status, 0);
}

}  // namespace
}  // namespace e2e
