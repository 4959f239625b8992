// Redrawing the message label: 20 lines of Japanese log text in the default
// font into a 300 × 300 buffer, as the label does after every message. The
// goal is under 1 ms with a warm glyph cache; "cold" drops the cache before
// every redraw, which is what drawing without a cache costs.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/host/text/TextEngine.h"
#include "platform/runtime/TextCodec.h"

using namespace nvhost::text;

namespace {

std::string labelText() {
  std::string utf8;
  for (int i = 0; i < 20; ++i)
    utf8 += "「cube_" + std::to_string(1000 + i) + ".mqo」を処理中です。UVを削除して保存しました。\n";
  return nvrt::utf8ToCp932Text(utf8);
}

FontRef labelFont() {
  FontRequest request;
  request.height = 12;
  request.weight = 500;
  request.charset = 128;
  request.faceName = nvrt::utf8ToCp932Text("ＭＳ Ｐゴシック");
  return createFont(request);
}

void drawLabel(benchmark::State& state, bool cold) {
  const FontRef font = labelFont();
  const std::string text = labelText();
  std::vector<std::uint8_t> pixels(300 * 300 * 4, 255);
  Surface surface{pixels.data(), 300, 300, 300 * 4, {0, 0, 300, 300}, 0, 0};
  for (auto _ : state) {
    if (cold) clearGlyphCache();
    Rect rect{0, 0, 300, 300};
    benchmark::DoNotOptimize(drawText(*font, text, rect, format::kNoPrefix, DrawOptions{}, &surface));
  }
  state.counters["glyphs"] = static_cast<double>(cachedGlyphCount());
}

void BM_LabelRedrawWarm(benchmark::State& state) { drawLabel(state, false); }
void BM_LabelRedrawCold(benchmark::State& state) { drawLabel(state, true); }

void BM_MeasureLabel(benchmark::State& state) {
  const FontRef font = labelFont();
  const std::string text = labelText();
  for (auto _ : state) benchmark::DoNotOptimize(measureTabbedText(*font, text));
}

}  // namespace

BENCHMARK(BM_LabelRedrawWarm)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LabelRedrawCold)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MeasureLabel)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
