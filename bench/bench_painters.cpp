// The painters at their sizes of use, against a plain fill of the same
// pixels as the anchor. A window resize repaints the four frame pieces, so
// their sum is what a resize pays before composition.
#include <benchmark/benchmark.h>

#include "framework/widgets/NVPainters.h"

namespace {

using Painter = void (*)(NVImage*, int, int, int);

void runPainter(benchmark::State& state, Painter painter, int w, int h) {
  NVImage image(w, h);
  for (auto _ : state) {
    painter(&image, w, h, 0);
    benchmark::DoNotOptimize(image.getPixels());
  }
  state.SetItemsProcessed(state.iterations() * w * h);
}

void fillAnchor(benchmark::State& state, int w, int h) {
  NVImage image(w, h);
  for (auto _ : state) {
    image.fill(1, 2, 3, 255);
    benchmark::DoNotOptimize(image.getPixels());
  }
  state.SetItemsProcessed(state.iterations() * w * h);
}

void windowFrame(benchmark::State& state) {
  NVImage top(312, 28), left(6, 300), right(6, 300), bottom(312, 10);
  for (auto _ : state) {
    paintFrameTop(&top, 312, 28, 0);
    paintFrameLeft(&left, 6, 300, 0);
    paintFrameRight(&right, 6, 300, 0);
    paintFrameBottom(&bottom, 312, 10, 0);
    benchmark::DoNotOptimize(top.getPixels());
  }
}

}  // namespace

BENCHMARK_CAPTURE(fillAnchor, title_bar_area, 312, 28);
BENCHMARK_CAPTURE(runPainter, frame_top, paintFrameTop, 312, 28);
BENCHMARK(windowFrame);
BENCHMARK_CAPTURE(runPainter, button_face, paintButtonFace, 80, 24);
BENCHMARK_CAPTURE(runPainter, button_face_large, paintButtonFace, 300, 300);
BENCHMARK_CAPTURE(fillAnchor, large_area, 300, 300);
BENCHMARK_CAPTURE(runPainter, scroll_track, paintScrollTrack, 16, 300);
BENCHMARK_CAPTURE(runPainter, text_box_frame, paintTextBoxFrame, 120, 22);

BENCHMARK_MAIN();
