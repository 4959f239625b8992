// The engine's text next to reference pictures under tests/ref/host/text/
// (see ReferencePicture.h). Glyph pixels depend on the
// FreeType version and the load flags: with the version the references were
// made with, pictures must match exactly; with another, small differences of
// hinting are tolerated.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/host/text/Canvas.h"
#include "tests/host/text/TextTestFonts.h"
#include "tests/support/ReferencePicture.h"

using namespace nvhost::text;

namespace {

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

// Kept as written: the formatter would give every field of a scene its own line.
// clang-format off
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
// clang-format on

refpic::Picture render(const Scene& scene, const std::string& text) {
  const FontRef font = hosttext::frameworkFont(scene.face, scene.height, scene.bold, scene.italic);
  hosttext::Canvas canvas(240, 60);
  // Light text needs a dark ground to be seen.
  if (scene.colour.red > 128)
    for (size_t i = 0; i < canvas.pixels().size(); i += 4)
      canvas.pixels()[i] = canvas.pixels()[i + 1] = canvas.pixels()[i + 2] = 60;
  Surface surface = canvas.surface();
  Rect rect = scene.rect;
  drawText(*font, text, rect, scene.flags, DrawOptions{scene.colour, std::nullopt}, &surface);
  refpic::Picture picture{canvas.width(), canvas.height(), {}};
  picture.words.resize(canvas.pixels().size() / 4);
  std::memcpy(picture.words.data(), canvas.pixels().data(), canvas.pixels().size());
  return picture;
}

TEST(TextPicture, ScenesMatchTheirReferences) {
  for (const Scene& scene : kScenes) {
    const refpic::Picture picture = render(scene, sjis(scene.textUtf8));
    const refpic::Tolerance tolerance = refpic::forText(picture, rasterizerVersion());
    EXPECT_TRUE(refpic::matchesReference("host/text/" + std::string(scene.name), picture, tolerance))
        << "with " << rasterizerVersion();
  }
}

}  // namespace
