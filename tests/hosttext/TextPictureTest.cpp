// The engine's text next to reference pictures under tests/ref/hosttext/.
// BRISEL_WRITE_REFS=1 writes the references that are missing; a mismatch
// writes NAME_err.png beside the reference. Glyph pixels depend on the
// FreeType version and the load flags: with the version the references were
// made with, pictures must match exactly; with another, small differences of
// hinting are tolerated.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/hosttext/Canvas.h"
#include "tests/hosttext/PngPicture.h"
#include "tests/hosttext/TextTestFonts.h"

using namespace nvhost::text;
using hosttext::sjis;

namespace {

const char kReferenceRasterizer[] = "FreeType 2.13.2";

struct Scene {
  const char* name;
  const char* face;
  int height;
  bool bold, italic;
  const char* textUtf8;
  Rect rect;
  unsigned flags;
  Rgb colour;
};

const Scene kScenes[] = {
    {"prompt", "ＭＳ Ｐゴシック", 12, false, false, "MQOファイルをここにD&Dしてください。", {4, 4, 236, 28},
     format::kNoPrefix, {0, 0, 0}},
    {"log", "ＭＳ Ｐゴシック", 12, false, false,
     "「cube.mqo」を処理中です。\nUVを削除しました。\n「cube_noUV.mqo」に保存しました。\n", {2, 2, 238, 58},
     format::kNoPrefix, {40, 40, 40}},
    {"title_bold", "ＭＳ Ｐゴシック", 13, true, false, "Brisel", {0, 0, 240, 30},
     format::kSingleLine | format::kCenter | format::kVCenter, {255, 255, 255}},
    {"credit_name", "ＭＳ Ｐゴシック", 23, true, false, "Brisel ばんざい", {0, 0, 240, 40}, format::kCenter,
     {30, 60, 120}},
    {"meiryo", "メイリオ", 16, false, false, "何は無くとも地球は廻る。", {2, 2, 238, 30}, format::kRight,
     {0, 0, 0}},
    {"ime_gothic", "ＭＳ ゴシック", 13, false, false, "ＭＳ ゴシック 13 ~\\", {2, 2, 238, 30}, 0, {0, 0, 0}},
    {"mnemonic_tabs_italic", "ＭＳ Ｐゴシック", 14, false, true, "&File\t&&\tD&D", {2, 2, 238, 30},
     format::kExpandTabs, {0, 0, 0}},
    {"wordbreak", "ＭＳ Ｐゴシック", 12, false, false, "Nolvaばんざい　ヾ(´ー｀)ﾉﾞ 我唯一唯我。何は無くとも地球は廻る。",
     {10, 2, 110, 58}, format::kWordBreak | format::kCenter, {0, 0, 0}},
};

std::string referencePath(const std::string& name) {
  return std::string(BRISEL_SOURCE_DIR) + "/tests/ref/hosttext/" + name + ".png";
}

hosttext::Picture render(const Scene& scene, const std::string& text) {
  const FontRef font = hosttext::frameworkFont(scene.face, scene.height, scene.bold, scene.italic);
  hosttext::Canvas canvas(240, 60);
  // Light text needs a dark ground to be seen.
  if (scene.colour.red > 128)
    for (size_t i = 0; i < canvas.pixels().size(); i += 4) canvas.pixels()[i] = canvas.pixels()[i + 1] = canvas.pixels()[i + 2] = 60;
  Surface surface = canvas.surface();
  Rect rect = scene.rect;
  drawText(*font, text, rect, scene.flags, DrawOptions{scene.colour, std::nullopt}, &surface);
  return {canvas.width(), canvas.height(), canvas.pixels()};
}

// Pixels whose colour moved by more than a hinting difference.
int differingPixels(const hosttext::Picture& a, const hosttext::Picture& b, int tolerance) {
  int count = 0;
  for (size_t i = 0; i + 3 < a.pixels.size(); i += 4)
    for (size_t c = 0; c < 4; ++c)
      if (std::abs(a.pixels[i + c] - b.pixels[i + c]) > tolerance) {
        ++count;
        break;
      }
  return count;
}

TEST(TextPicture, ScenesMatchTheirReferences) {
  const bool pinned = rasterizerVersion() == kReferenceRasterizer;
  const bool write = std::getenv("BRISEL_WRITE_REFS") && std::string(std::getenv("BRISEL_WRITE_REFS")) == "1";
  for (const Scene& scene : kScenes) {
    SCOPED_TRACE(scene.name);
    const hosttext::Picture picture = render(scene, sjis(scene.textUtf8));
    const std::string path = referencePath(scene.name);
    hosttext::Picture reference;
    if (!hosttext::readPng(path, reference)) {
      if (write) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        EXPECT_TRUE(hosttext::writePng(path, picture));
      } else {
        ADD_FAILURE() << "no reference " << path << " (BRISEL_WRITE_REFS=1 writes it)";
      }
      continue;
    }
    ASSERT_EQ(reference.width, picture.width);
    ASSERT_EQ(reference.height, picture.height);
    const int allowed = pinned ? 0 : picture.width * picture.height / 100;
    const int differing = differingPixels(picture, reference, pinned ? 0 : 48);
    if (differing > allowed) {
      hosttext::writePng(std::string(BRISEL_SOURCE_DIR) + "/tests/ref/hosttext/" + scene.name + "_err.png", picture);
      ADD_FAILURE() << differing << " pixels differ from " << path << " with " << rasterizerVersion();
    }
  }
}

}  // namespace
