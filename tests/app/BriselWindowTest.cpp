// The whole tool in-process on the host's null display: its window where it
// belongs, the prompt in its label, dropped files converted and logged, drops
// outside the client area refused, and the close button ending the program.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "app/BriselApp.h"
#include "app/MessageLog.h"
#include "framework/core/NVEngine.h"
#include "framework/core/NVMessageDisplay.h"
#include "framework/widgets/NVWidget.h"
#include "framework/core/NVStageBase.h"
#include "platform/host/display/null/NullDisplay.h"
#include "platform/host/gdi/Surfaces.h"
#include "platform/host/text/TextEngine.h"
#include "platform/runtime/TextCodec.h"
#include "tests/app/BriselProgram.h"
#include "tests/app/TestArchive.h"
#include "tests/support/ReferencePicture.h"
#include "tests/support/TempDir.h"

namespace {

using nvhost::NullDisplay;

const std::string kModel =
    "Object \"a\" {\n vertex 1 {\n  0 0 0\n }\n face 1 {\n  3 V(0 0 0) UV(0 0 1 0 1 1)\n }\n}\nEof\n";

TEST_F(BriselWindow, OpensWhereItBelongsAndShowsThePrompt) {
  const RECT r = NullDisplay::shownRect(frame);
  EXPECT_EQ(r.left, 300);
  EXPECT_EQ(r.top, 300);
  EXPECT_EQ(r.right - r.left, 312);
  EXPECT_EQ(r.bottom - r.top, 338);
  // The label's first line holds dark text on the light background.
  ASSERT_TRUE(waitFor(
      [&] {
        nvhost::gdi::PixelImage pixels;
        if (!NullDisplay::windowPixels(frame, pixels)) return false;
        int dark = 0;
        for (int y = 28; y < 28 + 14; ++y)
          for (int x = 6; x < 6 + 190; ++x) dark += (pixels.words[y * pixels.width + x] & 0xFF) < 100;
        return dark > 100;
      },
      {.periodMs = 20}));
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
  ASSERT_TRUE(waitForLoggedThenPrompt("「表示_noUV.mqo」を作成します。"));
  closeByButton();
  program.join();
  EXPECT_EQ(status, 0);
  EXPECT_EQ(readFileBytes(dir.path() / "cube_noUV.mqo"),
            "Object \"a\" {\n vertex 1 {\n  0 0 0\n }\n face 1 {\n  3 V(0 0 0) \n }\n}\nEof\n\n");
  EXPECT_EQ(logLines(), (std::vector<std::string>{"MQOファイルをここにD&Dしてください。", "「cube.mqo」を処理中です。",
                                                  "UVデータ削除完了。", "「cube_noUV.mqo」を作成します。",
                                                  "正しく終了しました。", "「表示.mqo」を処理中です。",
                                                  "UVデータ削除完了。", "「表示_noUV.mqo」を作成します。",
                                                  "正しく終了しました。", "", "MQOファイルをここにD&Dしてください。"}));
}

// The close press is handled in a later turn than the drop, so the drop's
// messages are complete once the program has ended.
TEST_F(BriselWindow, DroppedCompressedModelsAreConvertedLikeModels) {
  TempDir dir;
  writeFileBytes(dir.path() / "cube.mqoz", buildArchive({{"cube.mqo", kModel}, {"thumbnail.jpg", "JFIF"}}));
  ASSERT_TRUE(NullDisplay::dropFiles(450, 450, {dir.file("cube.mqoz")}));
  ASSERT_TRUE(waitFor([&] { return std::filesystem::exists(dir.path() / "cube_noUV.mqoz"); }));
  closeByButton();
  program.join();
  EXPECT_EQ(status, 0);
  const std::vector<ArchiveEntry> entries = readArchive(readFileBytes(dir.path() / "cube_noUV.mqoz"));
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].name, "cube_noUV.mqo");
  EXPECT_EQ(entries[0].bytes, "Object \"a\" {\n vertex 1 {\n  0 0 0\n }\n face 1 {\n  3 V(0 0 0) \n }\n}\nEof\n\n");
  EXPECT_EQ(entries[1].bytes, "JFIF");
  EXPECT_EQ(logLines(), (std::vector<std::string>{"MQOファイルをここにD&Dしてください。", "「cube.mqoz」を処理中です。",
                                                  "UVデータ削除完了。", "「cube_noUV.mqoz」を作成します。",
                                                  "正しく終了しました。", "", "MQOファイルをここにD&Dしてください。"}));
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
  ASSERT_TRUE(waitForLoggedThenPrompt("「m4_noUV.mqo」を作成します。"));
  closeByButton();
  program.join();
  const std::vector<std::string> log = logLines();
  ASSERT_EQ(log.size(), 20u);
  EXPECT_EQ(labelLines(), log);
  EXPECT_EQ(log.back(), "MQOファイルをここにD&Dしてください。");
  EXPECT_EQ(log[log.size() - 3], "正しく終了しました。");
}

// The window after a drop against its reference picture; the rows of text
// are also counted.
TEST_F(BriselWindow, APictureOfTheWindowAfterADrop) {
  TempDir dir;
  writeFileBytes(dir.path() / "cube.mqo", kModel);
  ASSERT_TRUE(NullDisplay::dropFiles(450, 450, {dir.file("cube.mqo")}));
  ASSERT_TRUE(waitForLoggedThenPrompt("「cube_noUV.mqo」を作成します。"));
  // The label's lines are dark text on the background, one per message:
  // once seven lines' worth of rows show, the last text is on the screen.
  nvhost::gdi::PixelImage pixels;
  auto darkRows = [&] {
    int rows = 0;
    for (int y = 28; y < 28 + 300; ++y) {
      bool dark = false;
      for (int x = 6; x < 306 && !dark; ++x) dark = (pixels.words[y * pixels.width + x] & 0xFF) < 80;
      rows += dark;
    }
    return rows;
  };
  EXPECT_TRUE(
      waitFor([&] { return NullDisplay::windowPixels(frame, pixels) && darkRows() > 6 * 6; }, {.periodMs = 20}));
  const refpic::Picture picture{pixels.width, pixels.height, pixels.words};
  EXPECT_TRUE(refpic::matchesReference("app/brisel_after_drop", picture,
                                       refpic::forText(picture, nvhost::text::rasterizerVersion())));
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
  ASSERT_TRUE(waitForLoggedThenPrompt("「given_noUV.mqo」を作成します。"));
  closeByButton();
  program.join();
  const std::vector<std::string> log = logLines();
  ASSERT_EQ(log.size(), 7u);
  EXPECT_EQ(log[1], "「given.mqo」を処理中です。");
  EXPECT_EQ(log.back(), "MQOファイルをここにD&Dしてください。");
}

// A name given relative to the folder the program was started in.
class BriselOpenWithRelativeName : public BriselWindow {
 protected:
  std::vector<std::string> startFiles() override {
    writeFileBytes(dir.path() / "given.mqo", kModel);
    startFolder = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    return {"given.mqo"};
  }
  void TearDown() override {
    BriselWindow::TearDown();
    std::filesystem::current_path(startFolder);
  }
  TempDir dir;
  std::filesystem::path startFolder;
};

TEST_F(BriselOpenWithRelativeName, IsFoundInTheFolderTheProgramWasStartedIn) {
  ASSERT_TRUE(waitFor([&] { return std::filesystem::exists(dir.path() / "given_noUV.mqo"); }));
  closeByButton();
  program.join();
  const std::vector<std::string> log = logLines();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[1], "「given.mqo」を処理中です。");
}

// Brisel's window keeps its size: edges and corners do not resize it, a left
// double click on the title does not maximize it, and there is no maximize
// button. Each step ends with a drag on the title, which still moves the
// window: once the move shows, the frame loop has seen the step before it.
// The window ends elsewhere, so the program is stopped without its close
// button.
class BriselWindowKeepsItsSize : public BriselWindow {
 protected:
  void TearDown() override {
    if (!program.joinable()) return;
    NVEngine::instance->quit();
    program.join();
  }
};

TEST_F(BriselWindowKeepsItsSize, NoResizingAndNoMaximizing) {
  // Each step seen by the program before the next is made.
  auto drag = [](int x, int y, int dx, int dy) {
    movePointerSeen(x, y);
    pressSeen();
    for (int i = 1; i <= 4; ++i) movePointerSeen(x + dx * i / 4, y + dy * i / 4);
    releaseSeen();
  };
  // A drag the loaded frame loop missed is repeated.
  auto moveByTitle = [&] {
    const RECT before = NullDisplay::shownRect(frame);
    for (int attempt = 0; attempt < 5; ++attempt) {
      drag(before.left + 100, before.top + 12, 10, 10);
      if (waitFor([&] { return NullDisplay::shownRect(frame).left != before.left; })) return true;
    }
    return false;
  };
  auto at = [&](int x, int y) {
    const RECT r = NullDisplay::shownRect(frame);
    return POINT{r.left + x, r.top + y};
  };
  struct Step {
    const char* what;
    std::function<void()> act;
  };
  const Step steps[] = {
      {"bottom-right corner", [&] { drag(at(309, 335).x, at(309, 335).y, 40, 40); }},
      {"left edge", [&] { drag(at(2, 150).x, at(2, 150).y, -40, 0); }},
      {"double click on the title",
       [&] {
         clickAt(at(100, 12).x, at(100, 12).y);
         clickAt(at(100, 12).x, at(100, 12).y);
       }},
      {"where a maximize button would be", [&] { clickAt(at(6 + 300 - 56 + 12, 14).x, at(6 + 300 - 56 + 12, 14).y); }},
  };
  for (const Step& step : steps) {
    step.act();
    ASSERT_TRUE(moveByTitle()) << step.what;
    const RECT r = NullDisplay::shownRect(frame);
    EXPECT_EQ(r.right - r.left, 312) << step.what;
    EXPECT_EQ(r.bottom - r.top, 338) << step.what;
    EXPECT_FALSE(IsZoomed(frame)) << step.what;
  }
}

TEST_F(BriselWindow, TheDesktopsCloseRequestDoesNotEndTheProgram) {
  NullDisplay::requestClose(frame);
  // The window thread has handled the request once it has turned twice; the
  // frame loop would act on what it did within two frames after that.
  waitForKeyStates(NVEngine::instance);
  ASSERT_TRUE(waitForFrames(2));
  EXPECT_FALSE(NVEngine::instance->isStopRequested());
  closeByButton();
  program.join();
  EXPECT_EQ(status, 0);
}

}  // namespace
