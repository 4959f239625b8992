// The sdl driver in a real X window (Xvfb): a host window made with plain
// Win32 calls appears where it was placed, files dropped on it by the
// project's own drag source arrive as WM_DROPFILES, and XTest's pointer and
// keys arrive as messages.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "ChildProcess.h"
#include "XvfbScreen.h"

namespace e2e {
namespace {

const std::string kBin = BRISEL_BIN_DIR;
constexpr unsigned kWindowColour = 0x2878DC;  // RGB(40, 120, 220), the class brush
constexpr int kLeft = 120, kTop = 90, kWidth = 240, kHeight = 160;

// One X server for the suite.
XvfbScreen* screen = nullptr;
std::string whyNoScreen;

class SdlRealWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    screen = new XvfbScreen;
    if (!screen->start(whyNoScreen)) {
      delete screen;
      screen = nullptr;
    }
  }
  static void TearDownTestSuite() {
    delete screen;
    screen = nullptr;
  }

  void SetUp() override {
    if (screen == nullptr) GTEST_SKIP() << "real-window tests skipped: " << whyNoScreen;
    window_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{kBin + "/sdl_drop_window", std::to_string(kLeft), std::to_string(kTop),
                                 std::to_string(kWidth), std::to_string(kHeight)},
        std::vector<std::string>{screen->environment()});
    std::string line;
    ASSERT_TRUE(window_->readLine(line, 20000)) << "the window program did not start";
    ASSERT_EQ(line, "ready");
    ASSERT_TRUE(waitForPixel(kLeft + 5, kTop + 5, kWindowColour)) << "the window never showed its colour";
  }

  void TearDown() override { window_.reset(); }

  static bool waitFor(const std::function<bool()>& done) {
    for (int attempt = 0; attempt < 400; ++attempt) {
      if (done()) return true;
      usleep(25000);
    }
    return false;
  }

  static bool waitForPixel(int x, int y, unsigned colour) {
    for (int attempt = 0; attempt < 400; ++attempt) {
      if (screen->pixel(x, y) == colour) return true;
      usleep(25000);
    }
    return false;
  }

  // The next reported line that starts with `prefix`.
  std::string next(const std::string& prefix) {
    std::string line;
    while (window_->readLine(line)) {
      if (line.rfind(prefix, 0) == 0) return line;
    }
    return "(nothing)";
  }

  std::unique_ptr<ChildProcess> window_;
};

TEST_F(SdlRealWindowTest, TheWindowIsShownExactlyWhereItWasPlaced) {
  struct Probe {
    int x, y;
    bool inside;
  };
  const Probe probes[] = {{kLeft, kTop, true},
                          {kLeft + kWidth - 1, kTop + kHeight - 1, true},
                          {kLeft - 1, kTop, false},
                          {kLeft, kTop - 1, false},
                          {kLeft + kWidth, kTop + kHeight - 1, false},
                          {kLeft + kWidth - 1, kTop + kHeight, false}};
  for (const Probe& p : probes) {
    EXPECT_EQ(screen->pixel(p.x, p.y), p.inside ? kWindowColour : 0u) << p.x << "," << p.y;
  }
  const std::string shot = ::testing::TempDir() + "sdl_real_window.png";
  if (screen->screenshot(shot)) {
    EXPECT_GT(std::filesystem::file_size(shot), 0u);
  }
}

TEST_F(SdlRealWindowTest, FilesDroppedFromTheDragSourceArriveWithTheirNamesAndPoint) {
  const std::filesystem::path dir =
      std::filesystem::path(::testing::TempDir()) / ("ドロップ先 " + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::vector<std::string> names = {(dir / "立方体.mqo").string(), (dir / "😀 smile.mqo").string(),
                                          (dir / "plain.mqo").string()};
  for (const std::string& n : names) std::ofstream(n) << "Metasequoia Document\n";
  std::vector<std::string> argv = {kBin + "/brisel_xdnd_source", std::to_string(kLeft + 80), std::to_string(kTop + 60)};
  argv.insert(argv.end(), names.begin(), names.end());
  ChildProcess source(argv, {screen->environment()});
  int status = -1;
  ASSERT_TRUE(source.wait(status, 20000));
  EXPECT_EQ(status, 0) << "the drop was not finished by the window";
  EXPECT_EQ(next("drop"), "drop 80 60 " + names[0] + "|" + names[1] + "|" + names[2]);
  std::error_code ignored;
  std::filesystem::remove_all(dir, ignored);
}

TEST_F(SdlRealWindowTest, PointerClicksArriveAsButtonMessages) {
  struct Click {
    int x, y;
  };
  const Click clicks[] = {{10, 10}, {kWidth - 1, kHeight - 1}, {100, 42}};
  for (const Click& c : clicks) {
    screen->movePointer(kLeft + c.x, kTop + c.y);
    screen->click(1);
    const std::string where = std::to_string(c.x) + " " + std::to_string(c.y);
    EXPECT_EQ(next("down"), "down " + where);
    EXPECT_EQ(next("up"), "up " + where);
  }
}

TEST_F(SdlRealWindowTest, TheCursorFollowsWhatTheWindowSetsUnderThePointer) {
  // Outside the window the server's own pointer shows.
  screen->movePointer(kLeft + kWidth + 50, kTop + kHeight + 50);
  const unsigned long long outside = screen->cursorPicture();
  screen->movePointer(kLeft + 150, kTop + 50);
  unsigned long long arrow = 0;
  ASSERT_TRUE(waitFor([&] { return (arrow = screen->cursorPicture()) != outside; })) << "no arrow";
  screen->movePointer(kLeft + 20, kTop + 50);
  ASSERT_TRUE(waitFor([&] { return screen->cursorPicture() != arrow; })) << "no I-beam over the left part";
  screen->movePointer(kLeft + 160, kTop + 60);
  EXPECT_TRUE(waitFor([&] { return screen->cursorPicture() == arrow; })) << "no arrow back";
}

TEST_F(SdlRealWindowTest, EscapeFromTheKeyboardEndsTheProgram) {
  // Without a window manager the keyboard follows the pointer.
  screen->movePointer(kLeft + 20, kTop + 20);
  screen->pressKey("Escape");
  EXPECT_EQ(next("key"), "key 27");
  int status = -1;
  ASSERT_TRUE(window_->wait(status, 20000));
  EXPECT_EQ(status, 0);
}

// Without a desktop the program must say so and end, never wait for a
// window that nobody can see.
TEST(SdlNoDisplayTest, WithoutADesktopTheDriverRefusesAtOnce) {
  const std::vector<std::vector<std::string>> environments = {
      {"DISPLAY=", "WAYLAND_DISPLAY=", "SDL_VIDEODRIVER="},
      {"DISPLAY=:4242", "WAYLAND_DISPLAY=no-such-wayland-display", "SDL_VIDEODRIVER="}};
  for (const auto& environment : environments) {
    ChildProcess window({kBin + "/sdl_drop_window"}, environment);
    int status = -1;
    ASSERT_TRUE(window.wait(status, 30000)) << environment[0] << ": still running";
    EXPECT_EQ(status, 2) << environment[0];
  }
}

}  // namespace
}  // namespace e2e
