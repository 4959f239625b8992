// The framework's main thread and its window thread both measure and draw;
// the engine's faces and glyph cache are shared between them.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "tests/host/text/Canvas.h"
#include "tests/host/text/TextTestFonts.h"

using namespace nvhost::text;

namespace {

struct Job {
  FontRef font;
  std::string text;
};

std::vector<std::uint8_t> draw(const Job& job) {
  hosttext::Canvas canvas(200, 40);
  hosttext::drawBlack(*job.font, canvas, job.text, {0, 0, 200, 40}, format::kWordBreak);
  return canvas.pixels();
}

TEST(TextThreads, ConcurrentDrawingMatchesDrawingAlone) {
  const std::vector<Job> jobs = {
      {hosttext::defaultFont(), sjis("「cube.mqo」を処理中です。")},
      {hosttext::frameworkFont("ＭＳ Ｐゴシック", 13, true), "Brisel"},
      {hosttext::frameworkFont("メイリオ", 16), sjis("何は無くとも地球は廻る。")},
      {hosttext::frameworkFont("ＭＳ ゴシック", 13), sjis("我唯一唯我 \x80")},
  };
  std::vector<std::vector<std::uint8_t>> expected;
  for (const Job& job : jobs) expected.push_back(draw(job));

  std::vector<int> mismatches(4, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&, t] {
      for (int round = 0; round < 40; ++round) {
        const size_t k = static_cast<size_t>(t + round) % jobs.size();
        if (round % 10 == t) clearGlyphCache();
        // Fonts are created while others draw, as the framework re-creates
        // a style's font on every property change.
        const FontRef again = hosttext::frameworkFont("ＭＳ Ｐゴシック", 10 + round % 20);
        mismatches[t] += measureText(*again, "abc").cy != 10 + round % 20;
        mismatches[t] += draw(jobs[k]) != expected[k];
      }
    });
  for (std::thread& thread : threads) thread.join();
  for (int t = 0; t < 4; ++t) EXPECT_EQ(mismatches[t], 0) << "thread " << t;
}

}  // namespace
