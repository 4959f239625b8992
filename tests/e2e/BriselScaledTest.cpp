// The built brisel at the desktop's scale on a real X server (Xvfb of
// 2048 x 1536, a high-density screen of a 1024 x 768 desktop at scale 2):
// the window is its scale-1 self with every pixel doubled, and clicks,
// double clicks, drags and drops made where a person sees things land
// there. The scale's sources are taken in their order.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
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
constexpr int kScreenW = 2048, kScreenH = 1536;
// In the program's own pixels: the frame window of a 300 x 300 client at
// (300, 300) is 312 x 338 there, the client area at (6, 28) inside it, the
// close buttons 30 x 20 at the right end of the title bars.
constexpr int kFrameX = 300, kFrameY = 300, kFrameW = 312, kFrameH = 338;
constexpr int kClientDX = 6, kClientDY = 28;
constexpr int kCloseDX = kFrameW - 6 - 15, kCloseDY = 6 + 10;
constexpr int kCreditW = 512;
constexpr int kCreditCloseDX = kCreditW - 6 - 15, kCreditCloseDY = 6 + 10;
const char* kCreditTitle = "クレジット情報";

class BriselScaledTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Windows scales a program by itself; the Windows build has nothing of
    // this.
    if (const char* windows = std::getenv("BRISEL_E2E_WINDOWS_BIN"); windows != nullptr && *windows != '\0')
      GTEST_SKIP() << "the desktop's scale belongs to the Linux display";
    std::string why;
    if (!screen_.start(why, kScreenW, kScreenH)) GTEST_SKIP() << "real-window tests skipped: " << why;
    dir_ = fs::path(::testing::TempDir()) / ("brisel scaled " + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }

  void TearDown() override {
    brisel_.reset();
    std::error_code ignored;
    if (!dir_.empty()) fs::remove_all(dir_, ignored);
  }

  // Starts brisel with the scale's settings in its environment ("" for
  // unset) and waits for its window, found by its name.
  void launch(const std::string& briselScale, const std::string& gdkScale = "") {
    // Away from where the window will be: a pointer over it changes nothing
    // in its picture, but a test should not depend on that.
    screen_.movePointer(5, 5);
    brisel_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{kBin + "/brisel"},
        std::vector<std::string>{screen_.environment(), "BRISEL_SCALE=" + briselScale, "GDK_SCALE=" + gdkScale});
    ASSERT_TRUE(waitFor([&] {
      frame_ = screen_.windowNamed("Brisel");
      return frame_ != 0 && screen_.originOf(frame_, x_, y_);
    })) << "no window named Brisel appeared";
  }

  // Starts brisel at a scale and waits until it shows its prompt.
  void start(int scale) {
    scale_ = scale;
    ASSERT_NO_FATAL_FAILURE(launch(std::to_string(scale)));
    ASSERT_TRUE(waitFor([&] { return locate() && promptShown(); })) << "brisel never showed its prompt";
  }

  bool locate() { return screen_.originOf(frame_, x_, y_); }

  // A point of the window in the program's pixels, as the desktop shows it:
  // the middle of its block.
  int atX(int dx) const { return x_ + dx * scale_ + scale_ / 2; }
  int atY(int dy) const { return y_ + dy * scale_ + scale_ / 2; }

  bool promptShown() {
    const unsigned background = screen_.pixel(atX(kClientDX + 299), atY(kClientDY + 299));
    return background != 0 && screen_.anyPixelOtherThan(x_ + kClientDX * scale_, y_ + kClientDY * scale_, 300 * scale_,
                                                        20 * scale_, background);
  }

  bool ended(int& status, int limitMs = 20000) { return brisel_->wait(status, limitMs); }

  void clickAt(int x, int y, int button = 1) {
    screen_.movePointer(x, y);
    screen_.click(button);
  }

  void closeAndExpectStatusZero() {
    clickAt(atX(kCloseDX), atY(kCloseDY));
    int status = -1;
    ASSERT_TRUE(ended(status)) << "the close button did not end brisel";
    EXPECT_EQ(status, 0);
  }

  fs::path model(const std::string& name) { return writeModel(dir_, name); }

  int drop(int x, int y, const std::vector<fs::path>& files) { return dropFiles(screen_, x, y, files); }

  XvfbScreen screen_;
  fs::path dir_;
  std::unique_ptr<ChildProcess> brisel_;
  unsigned long frame_ = 0;
  int x_ = 0, y_ = 0;
  int scale_ = 1;
};

// How many pixels of the scaled picture differ from the picture at scale 1
// with every pixel doubled; the first difference in `first`.
int differences(const std::vector<unsigned>& single, const std::vector<unsigned>& doubled, std::string& first) {
  int count = 0;
  for (int y = 0; y < kFrameH * 2; ++y) {
    for (int x = 0; x < kFrameW * 2; ++x) {
      const unsigned want = single[static_cast<size_t>(y / 2) * kFrameW + x / 2];
      const unsigned got = doubled[static_cast<size_t>(y) * kFrameW * 2 + x];
      if (want == got) continue;
      if (count++ == 0) {
        std::ostringstream s;
        s << "at " << x << "," << y << ": " << std::hex << got << " instead of " << want;
        first = s.str();
      }
    }
  }
  return count;
}

TEST_F(BriselScaledTest, AtScaleTwoTheWindowIsItsScaleOneSelfWithEveryPixelDoubled) {
  ASSERT_NO_FATAL_FAILURE(start(1));
  ASSERT_EQ(x_, kFrameX);
  ASSERT_EQ(y_, kFrameY);
  const std::vector<unsigned> single = screen_.pixels(kFrameX, kFrameY, kFrameW, kFrameH);
  ASSERT_EQ(single.size(), static_cast<size_t>(kFrameW) * kFrameH);
  ASSERT_NO_FATAL_FAILURE(closeAndExpectStatusZero());
  ASSERT_TRUE(waitFor([&] { return screen_.windowNamed("Brisel") == 0; }));

  ASSERT_NO_FATAL_FAILURE(start(2));
  EXPECT_EQ(x_, kFrameX * 2);
  EXPECT_EQ(y_, kFrameY * 2);
  int width = 0, height = 0;
  ASSERT_TRUE(screen_.sizeOf(frame_, width, height));
  EXPECT_EQ(width, kFrameW * 2);
  EXPECT_EQ(height, kFrameH * 2);
  // Nothing of the window outside its doubled place.
  EXPECT_FALSE(screen_.anyPixelOtherThan(x_ - 1, y_ - 1, width + 2, 1, 0)) << "above the window";
  EXPECT_FALSE(screen_.anyPixelOtherThan(x_ + width, y_, 1, height, 0)) << "right of the window";
  // The picture may still be drawing its last lines when the prompt shows.
  std::string first;
  int count = -1;
  const bool same = waitFor(
      [&] {
        count = differences(single, screen_.pixels(x_, y_, kFrameW * 2, kFrameH * 2), first);
        return count == 0;
      },
      {.limitMs = 5000});
  if (!same) screen_.screenshot(::testing::TempDir() + "brisel_scale2.png");
  EXPECT_TRUE(same) << count << " pixels differ, first " << first << "; the screen is in " << ::testing::TempDir()
                    << "brisel_scale2.png";
}

TEST_F(BriselScaledTest, AClickOnTheDoubledCloseButtonEndsTheProgram) {
  ASSERT_NO_FATAL_FAILURE(start(2));
  // Where the button would be at scale 1 is outside the window now.
  clickAt(kFrameX + kCloseDX, kFrameY + kCloseDY);
  int status = -1;
  ASSERT_FALSE(ended(status, 300)) << "a click outside the window ended brisel";
  ASSERT_NO_FATAL_FAILURE(closeAndExpectStatusZero());
}

TEST_F(BriselScaledTest, ARightDoubleClickOnTheDoubledTitleOpensTheDoubledCreditView) {
  ASSERT_NO_FATAL_FAILURE(start(2));
  screen_.movePointer(atX(150), atY(14));
  screen_.quickClick(3);
  screen_.quickClick(3);
  unsigned long credit = 0;
  int cx = 0, cy = 0;
  ASSERT_TRUE(waitFor([&] {
    credit = screen_.windowNamed(kCreditTitle);
    return credit != 0 && screen_.originOf(credit, cx, cy) &&
           screen_.pixel(cx + kClientDX * 2, cy + kClientDY * 2) == 0xFFFFFF;
  })) << "the credit view did not show";
  int width = 0, height = 0;
  ASSERT_TRUE(screen_.sizeOf(credit, width, height));
  EXPECT_EQ(width, kCreditW * 2);
  EXPECT_EQ(height % 2, 0);
  // Its own close button, doubled too, closes it.
  clickAt(cx + kCreditCloseDX * 2 + 1, cy + kCreditCloseDY * 2 + 1);
  ASSERT_TRUE(waitFor([&] { return screen_.windowNamed(kCreditTitle) == 0; })) << "the credit view stayed";
  ASSERT_TRUE(locate());
  ASSERT_NO_FATAL_FAILURE(closeAndExpectStatusZero());
}

TEST_F(BriselScaledTest, ADropOnTheDoubledClientAreaIsConvertedAndOneOnTheDoubledTitleIsNot) {
  ASSERT_NO_FATAL_FAILURE(start(2));
  const fs::path onTitle = model("タイトル.mqo");
  const fs::path onClient = model("立方体.mqo");
  // At scale 1 the title's point is inside the client area; doubled it is
  // on the title bar.
  EXPECT_GE(drop(atX(150), atY(14), {onTitle}), 0);
  const int status = drop(atX(kClientDX + 150), atY(kClientDY + 150), {onClient});
  EXPECT_EQ(status, 0) << "drag source status " << status;
  ASSERT_TRUE(waitFor([&] { return convertedWhole(onClient); })) << converted(onClient);
  // The title drop came first; by now it would have been converted.
  EXPECT_FALSE(fs::exists(converted(onTitle)));
}

// The scale's sources, first that is set: BRISEL_SCALE, GDK_SCALE, the X
// resource Xft.dpi in multiples of 96; invalid settings are passed over.
TEST_F(BriselScaledTest, TheScaleComesFromItsSourcesInTheirOrder) {
  struct Case {
    const char* brisel;
    const char* gdk;
    const char* resources;
    int scale;
  };
  const Case cases[] = {
      {"", "", "", 1},
      {"", "", "Xft.dpi:\t192\n", 2},
      {"", "", "Xft.antialias:\t1\nXft.dpi:\t96\n", 1},
      {"", "3", "Xft.dpi:\t192\n", 3},
      {"2", "3", "Xft.dpi:\t288\n", 2},
      {"1", "2", "Xft.dpi:\t192\n", 1},
      {"many", "", "Xft.dpi:\t192\n", 2},
      {"0", "9", "Xft.dpi:\t144\n", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("BRISEL_SCALE \"") + c.brisel + "\", GDK_SCALE \"" + c.gdk + "\", resources \"" +
                 c.resources + "\"");
    screen_.setResources(c.resources);
    ASSERT_NO_FATAL_FAILURE(launch(c.brisel, c.gdk));
    int width = 0, height = 0;
    EXPECT_TRUE(waitFor([&] {
      return screen_.sizeOf(frame_, width, height) && width == kFrameW * c.scale && height == kFrameH * c.scale;
    })) << width
        << " x " << height;
    EXPECT_EQ(x_, kFrameX * c.scale);
    brisel_.reset();
    ASSERT_TRUE(waitFor([&] { return screen_.windowNamed("Brisel") == 0; }));
  }
}

// Moves by other programs and drags of the title, with and without a
// window manager: after another program has put the window at an odd place
// (between two of the program's pixels) a drop and a click still land where
// they are seen, and drags from there move the window by the pointer's way.
// The drop is made first, at the new place, by every test.
class BriselScaledDesktopTest : public BriselScaledTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    BriselScaledTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    std::string why;
    if (GetParam() && !screen_.startWindowManager(why)) GTEST_SKIP() << "no window manager: " << why;
    ASSERT_NO_FATAL_FAILURE(start(2));
    const int oldX = x_, oldY = y_;
    screen_.moveWindow(frame_, 201, 163);
    ASSERT_TRUE(waitFor([&] { return locate() && (x_ != oldX || y_ != oldY); })) << "the window did not move";
    ASSERT_TRUE(waitFor([&] { return promptShown(); }));
    // A drop on the client area at the new place, converted, also shows
    // that the program has taken the place: the host follows the desktop's
    // move on the window's own thread, and input that comes before is still
    // placed by the old one.
    const fs::path input = model("moved.mqo");
    EXPECT_EQ(drop(atX(kClientDX + 150), atY(kClientDY + 150), {input}), 0);
    ASSERT_TRUE(waitFor([&] { return convertedWhole(input); })) << converted(input);
  }
};

TEST_P(BriselScaledDesktopTest, AtAnOddPlaceTheCloseButtonLandsWhereItIsSeen) {
  ASSERT_NO_FATAL_FAILURE(closeAndExpectStatusZero());
}

TEST_P(BriselScaledDesktopTest, DragsOfTheTitleFromAnOddPlaceMoveTheWindowByThePointersWay) {
  // 100 and 12 pixels in, in the program's own pixels, at their middle.
  ASSERT_NO_FATAL_FAILURE(dragTitleThereAndBack(screen_, frame_, 4, atX(100) - x_, atY(12) - y_));
}

INSTANTIATE_TEST_SUITE_P(Desktops, BriselScaledDesktopTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? std::string("WithAWindowManager") : std::string("Bare");
                         });

}  // namespace
}  // namespace e2e
