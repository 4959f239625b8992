// The whole tool in-process on the null display, meeting the desktop the way
// real ones behave: clicks whose press and release arrive between two
// frames, drops made while a batch is being converted, a window moved by the
// desktop itself, a close in the middle of a batch, and the window's name.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/BriselApp.h"
#include "framework/core/NVEngine.h"
#include "platform/host/display/null/NullDisplay.h"
#include "platform/runtime/TextCodec.h"
#include "tests/app/BriselProgram.h"
#include "tests/support/TempDir.h"

namespace {

using nvhost::NullDisplay;
namespace fs = std::filesystem;

const std::string kModel =
    "Object \"a\" {\n vertex 1 {\n  0 0 0\n }\n face 1 {\n  3 V(0 0 0) UV(0 0 1 0 1 1)\n }\n}\nEof\n";
const std::string kConverted = "Object \"a\" {\n vertex 1 {\n  0 0 0\n }\n face 1 {\n  3 V(0 0 0) \n }\n}\nEof\n\n";

// The close button of a frame whose top left corner is at (x, y).
POINT closeButtonOf(int x, int y) { return POINT{x + 312 - 6 - 15, y + 14}; }

// Press and release back to back, with no frame between them.
void quickClick(POINT at, int button = VK_LBUTTON) {
  NullDisplay::movePointer(at.x, at.y);
  NullDisplay::pressButton(button);
  NullDisplay::releaseButton(button);
}

std::vector<std::string> makeModels(const TempDir& dir, const std::string& stem, int count) {
  std::vector<std::string> paths;
  for (int i = 0; i < count; ++i) {
    const std::string name = stem + std::to_string(i) + ".mqo";
    writeFileBytes(dir.path() / name, kModel);
    paths.push_back(dir.file(name));
  }
  return paths;
}

fs::path outputOf(const TempDir& dir, const std::string& stem, int i) {
  return dir.path() / (stem + std::to_string(i) + "_noUV.mqo");
}

TEST_F(BriselWindow, AQuickClickOnTheCloseButtonEndsTheProgram) {
  quickClick(closeButtonOf(300, 300));
  ASSERT_TRUE(waitFor([] { return NVEngine::instance->isStopRequested(); }));
  program.join();
  EXPECT_EQ(status, 0);
}

TEST_F(BriselWindow, TheFrameWindowIsNamedBrisel) { EXPECT_EQ(NullDisplay::title(frame), "Brisel"); }

// Drops made while a long batch is converted wait behind it, each with its
// own files: converted in order, each once.
TEST_F(BriselWindow, DropsMadeDuringABatchAreEachConvertedOnceInOrder) {
  // Long enough to be under way while two drops are made (each file redraws
  // the label four times, which the ThreadSanitizer build makes slow).
  constexpr int kBatch = 60;
  TempDir dir;
  const std::vector<std::string> batch = makeModels(dir, "a", kBatch);
  writeFileBytes(dir.path() / "b.mqo", kModel);
  writeFileBytes(dir.path() / "c.mqo", kModel);
  ASSERT_TRUE(NullDisplay::dropFiles(450, 450, batch));
  ASSERT_TRUE(waitFor([&] { return fs::exists(outputOf(dir, "a", 0)); }, {.periodMs = 1}));
  ASSERT_TRUE(NullDisplay::dropFiles(450, 450, {dir.file("b.mqo")}));
  ASSERT_TRUE(NullDisplay::dropFiles(450, 450, {dir.file("c.mqo")}));
  // Both came while the batch was still under way.
  ASSERT_FALSE(fs::exists(outputOf(dir, "a", kBatch - 1)));
  ASSERT_TRUE(waitFor([&] { return fs::exists(dir.path() / "c_noUV.mqo"); }));
  closeByButton();
  program.join();
  const std::string prompt = "MQOファイルをここにD&Dしてください。";
  auto linesFor = [](const std::string& name) {
    return std::vector<std::string>{"「" + name + ".mqo」を処理中です。", "UVデータ削除完了。",
                                    "「" + name + "_noUV.mqo」を作成します。", "正しく終了しました。"};
  };
  std::vector<std::string> tail = {"", prompt};
  for (const char* name : {"b", "c"}) {
    for (const std::string& line : linesFor(name)) tail.push_back(line);
    tail.push_back("");
    tail.push_back(prompt);
  }
  const std::vector<std::string> log = logLines();
  ASSERT_GE(log.size(), tail.size());
  EXPECT_EQ(std::vector<std::string>(log.end() - tail.size(), log.end()), tail);
  EXPECT_EQ(readFileBytes(dir.path() / "b_noUV.mqo"), kConverted);
}

// The close button answers during a batch: the program ends after the file
// under way, whose output is complete; the files not reached are untouched.
TEST_F(BriselWindow, ACloseDuringABatchEndsAfterTheFileUnderWay) {
  TempDir dir;
  const std::vector<std::string> batch = makeModels(dir, "m", 200);
  ASSERT_TRUE(NullDisplay::dropFiles(450, 450, batch));
  ASSERT_TRUE(waitFor([&] { return fs::exists(outputOf(dir, "m", 0)); }, {.periodMs = 1}));
  quickClick(closeButtonOf(300, 300));
  program.join();
  EXPECT_EQ(status, 0);
  int converted = 0;
  for (int i = 0; i < 200; ++i) {
    if (!fs::exists(outputOf(dir, "m", i))) continue;
    ++converted;
    EXPECT_EQ(readFileBytes(outputOf(dir, "m", i)), kConverted) << i;
  }
  EXPECT_GT(converted, 0);
  EXPECT_LT(converted, 200);
  // Nothing half written is left beside the models.
  int files = 0;
  for (const auto& entry : fs::directory_iterator(dir.path())) {
    ++files;
    EXPECT_EQ(entry.path().extension(), ".mqo") << entry.path();
  }
  EXPECT_EQ(files, 200 + converted);
}

// The desktop moves the window (a window manager placing it, another program
// moving it): the tool follows, and drops and clicks work at the new place.
TEST_F(BriselWindow, AWindowMovedByTheDesktopTakesDropsAndClicksAtItsNewPlace) {
  const RECT moved{520, 120, 520 + 312, 120 + 338};
  NullDisplay::placeWindow(frame, moved);
  ASSERT_TRUE(waitFor([&] {
    RECT r{};
    GetWindowRect(frame, &r);
    return r.left == moved.left && r.top == moved.top;
  }));
  TempDir dir;
  writeFileBytes(dir.path() / "moved.mqo", kModel);
  // The old place of the client area is empty desktop now.
  EXPECT_FALSE(NullDisplay::dropFiles(300 + 150, 300 + 250, {dir.file("moved.mqo")}));
  ASSERT_TRUE(NullDisplay::dropFiles(moved.left + 6 + 150, moved.top + 28 + 150, {dir.file("moved.mqo")}));
  ASSERT_TRUE(waitFor([&] { return fs::exists(dir.path() / "moved_noUV.mqo"); }));
  // A click where the close button was does nothing; where it is, it closes.
  quickClick(closeButtonOf(300, 300));
  // The press and the release reach the window thread's queue together; once
  // it has turned twice and the frame loop has sampled both, in two frames,
  // and acted on them in a third, a click would have closed the program.
  waitForKeyStates(NVEngine::instance);
  ASSERT_TRUE(waitForFrames(3));
  EXPECT_FALSE(NVEngine::instance->isStopRequested());
  quickClick(closeButtonOf(moved.left, moved.top));
  ASSERT_TRUE(waitFor([] { return NVEngine::instance->isStopRequested(); }));
  program.join();
  EXPECT_EQ(status, 0);
}

}  // namespace
