// The whole tool in-process on the host's null display: its window where it
// belongs, the prompt in its label, dropped files converted and logged, drops
// outside the client area refused, and the close button ending the program.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "app/BriselApp.h"
#include "app/MessageLog.h"
#include "framework/core/NVEngine.h"
#include "framework/core/NVMessageDisplay.h"
#include "framework/widgets/NVWidget.h"
#include "framework/window/NVStageBase.h"
#include "platform/host/display/null/NullDisplay.h"
#include "platform/host/gdi/Surfaces.h"
#include "platform/runtime/TextCodec.h"
#include "tests/app/BriselProgram.h"
#include "tests/support/TempDir.h"

namespace {

using nvhost::NullDisplay;

const std::string kModel = "Object \"a\" {\n vertex 1 {\n  0 0 0\n }\n face 1 {\n  3 V(0 0 0) UV(0 0 1 0 1 1)\n }\n}\nEof\n";

TEST_F(BriselWindow, OpensWhereItBelongsAndShowsThePrompt) {
  const RECT r = NullDisplay::shownRect(frame);
  EXPECT_EQ(r.left, 300);
  EXPECT_EQ(r.top, 300);
  EXPECT_EQ(r.right - r.left, 312);
  EXPECT_EQ(r.bottom - r.top, 338);
  // The label's first line holds dark text on the light background.
  ASSERT_TRUE(waitFor([&] {
    nvhost::gdi::PixelImage pixels;
    if (!NullDisplay::windowPixels(frame, pixels)) return false;
    int dark = 0;
    for (int y = 28; y < 28 + 14; ++y)
      for (int x = 6; x < 6 + 190; ++x) dark += (pixels.words[y * pixels.width + x] & 0xFF) < 100;
    return dark > 100;
  }, 20));
  closeByButton();
  program.join();
  EXPECT_EQ(status, 0);
  EXPECT_EQ(logLines(), (std::vector<std::string>{"MQOファイルをここにD&Dしてください。"}));
}

TEST_F(BriselWindow, DroppedFilesAreConvertedInOrderAndLogged) {
  TempDir dir;
  writeFileBytes(dir.path() / "cube.mqo", kModel);
  writeFileBytes(dir.path() / "表示.mqo", kModel);
  EXPECT_FALSE(NullDisplay::dropFiles(400, 310, {dir.file("cube.mqo")}));  // the title bar takes no files
  ASSERT_TRUE(NullDisplay::dropFiles(450, 450, {dir.file("cube.mqo"), dir.file("表示.mqo")}));
  ASSERT_TRUE(waitFor([&] { return std::filesystem::exists(dir.path() / "表示_noUV.mqo"); }));
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  closeByButton();
  program.join();
  EXPECT_EQ(status, 0);
  EXPECT_EQ(readFileBytes(dir.path() / "cube_noUV.mqo"),
            "Object \"a\" {\n vertex 1 {\n  0 0 0\n }\n face 1 {\n  3 V(0 0 0) \n }\n}\nEof\n\n");
  EXPECT_EQ(logLines(), (std::vector<std::string>{
                            "MQOファイルをここにD&Dしてください。", "「cube.mqo」を処理中です。", "UVデータ削除完了。",
                            "「cube_noUV.mqo」を作成します。", "正しく終了しました。", "「表示.mqo」を処理中です。",
                            "UVデータ削除完了。", "「表示_noUV.mqo」を作成します。", "正しく終了しました。", "",
                            "MQOファイルをここにD&Dしてください。"}));
}

// The label's text as the message widget holds it (read once the program
// has ended, so no other thread writes it meanwhile).
std::vector<std::string> labelLines() {
  std::vector<std::string> lines;
  const std::string text = nvrt::cp932ToUtf8Display(messageWidget->getText().bytes());
  size_t start = 0;
  for (size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
    lines.push_back(text.substr(start, nl - start));
  return lines;
}

TEST_F(BriselWindow, LongPathsConvertAndTheLabelKeepsTheLastTwentyLines) {
  TempDir dir;
  std::filesystem::path deep = dir.path();
  for (int i = 0; i < 3; ++i) deep /= std::string(100, 'a' + i);
  std::filesystem::create_directories(deep);
  const std::string base(120, 'm');
  writeFileBytes(deep / (base + ".mqo"), kModel);
  ASSERT_GT((deep / (base + ".mqo")).string().size(), 255u);
  std::vector<std::string> many;
  for (int i = 0; i < 5; ++i) {
    // Appended piece by piece: a literal put in front of a temporary string
    // makes GCC 12 at -O3 warn about an overlapping copy that cannot happen.
    std::string name = "m";
    name += std::to_string(i);
    name += ".mqo";
    writeFileBytes(dir.path() / name, kModel);
    many.push_back(dir.file(name));
  }
  ASSERT_TRUE(NullDisplay::dropFiles(450, 450, {(deep / (base + ".mqo")).string()}));
  ASSERT_TRUE(waitFor([&] { return std::filesystem::exists(deep / (base + "_noUV.mqo")); }));
  ASSERT_TRUE(NullDisplay::dropFiles(450, 450, many));
  ASSERT_TRUE(waitFor([&] { return std::filesystem::exists(dir.path() / "m4_noUV.mqo"); }));
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  closeByButton();
  program.join();
  const std::vector<std::string> log = logLines();
  ASSERT_EQ(log.size(), 20u);
  EXPECT_EQ(labelLines(), log);
  EXPECT_EQ(log.back(), "MQOファイルをここにD&Dしてください。");
  EXPECT_EQ(log[log.size() - 3], "正しく終了しました。");
}

// A picture of the window after a drop, for a person to look at: written to
// the test's working folder every run; BRISEL_WRITE_REFS=1 also keeps it as
// tests/ref/app/brisel_after_drop.png. The glyph pixels depend on the
// rasteriser's version, so the test itself checks the rows of text.
TEST_F(BriselWindow, APictureOfTheWindowAfterADrop) {
  TempDir dir;
  writeFileBytes(dir.path() / "cube.mqo", kModel);
  ASSERT_TRUE(NullDisplay::dropFiles(450, 450, {dir.file("cube.mqo")}));
  ASSERT_TRUE(waitFor([&] { return std::filesystem::exists(dir.path() / "cube_noUV.mqo"); }));
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  nvhost::gdi::PixelImage pixels;
  ASSERT_TRUE(NullDisplay::windowPixels(frame, pixels));
  ASSERT_TRUE(NullDisplay::savePng(pixels, "brisel_after_drop.png"));
  const std::string ref = std::string(BRISEL_SOURCE_DIR) + "/tests/ref/app/brisel_after_drop.png";
  if (std::getenv("BRISEL_WRITE_REFS")) {
    std::filesystem::create_directories(std::filesystem::path(ref).parent_path());
    ASSERT_TRUE(NullDisplay::savePng(pixels, ref));
  }
  // The label's lines are dark text on the background, one per message.
  int darkRows = 0;
  for (int y = 28; y < 28 + 300; ++y) {
    bool dark = false;
    for (int x = 6; x < 306 && !dark; ++x) dark = (pixels.words[y * pixels.width + x] & 0xFF) < 80;
    darkRows += dark;
  }
  EXPECT_GT(darkRows, 6 * 6);  // seven lines of text, several rows each
}

class BriselOpenWith : public BriselWindow {
 protected:
  std::vector<std::string> startFiles() override {
    writeFileBytes(dir.path() / "given.mqo", kModel);
    return {nvrt::utf8ToCp932Name(dir.file("given.mqo"))};
  }
  TempDir dir;
};

TEST_F(BriselOpenWith, FilesGivenAtStartAreConvertedLikeADrop) {
  ASSERT_TRUE(waitFor([&] { return std::filesystem::exists(dir.path() / "given_noUV.mqo"); }));
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  closeByButton();
  program.join();
  const std::vector<std::string> log = logLines();
  ASSERT_EQ(log.size(), 7u);
  EXPECT_EQ(log[1], "「given.mqo」を処理中です。");
  EXPECT_EQ(log.back(), "MQOファイルをここにD&Dしてください。");
}

TEST_F(BriselWindow, TheDesktopsCloseRequestDoesNotEndTheProgram) {
  NullDisplay::requestClose(frame);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_FALSE(NVEngine::instance->isStopRequested());
  closeByButton();
  program.join();
  EXPECT_EQ(status, 0);
}

}  // namespace
