// Image loading from memory, each against an anchor measured in the same run:
// BMP against a plain copy of its pixel bytes, PNG against libpng's own
// simplified reader into an RGBA buffer, JPEG against a bare libjpeg decode.
#include <benchmark/benchmark.h>
#include <png.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include "toolkit/dv_Image.h"

namespace {

constexpr int kSide = 512;

dv_Image makePicture() {
  dv_Image image(kSide, kSide);
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) image.setRGBA(x, y, x ^ y, (x * y) >> 6, x + y, 255 - x / 2);
  return image;
}

std::vector<uint8_t> encoded(const char* suffix, bool (*save)(const dv_Image&, const std::string&)) {
  const std::string path = "/tmp/bench_toolkit_images" + std::string(suffix);
  save(makePicture(), path);
  std::vector<uint8_t> bytes;
  if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
    int c;
    while ((c = std::fgetc(f)) != EOF) bytes.push_back(static_cast<uint8_t>(c));
    std::fclose(f);
  }
  std::remove(path.c_str());
  return bytes;
}

const std::vector<uint8_t>& bmpBytes() {
  static const std::vector<uint8_t> b =
      encoded(".bmp", [](const dv_Image& i, const std::string& p) { return i.saveBMP(p, false); });
  return b;
}
const std::vector<uint8_t>& pngBytes() {
  static const std::vector<uint8_t> b =
      encoded(".png", [](const dv_Image& i, const std::string& p) { return i.savePNG(p, true); });
  return b;
}
const std::vector<uint8_t>& jpegBytes() {
  static const std::vector<uint8_t> b =
      encoded(".jpg", [](const dv_Image& i, const std::string& p) { return i.saveJPEG(p, 90); });
  return b;
}

void setPixels(benchmark::State& state) { state.SetItemsProcessed(state.iterations() * kSide * kSide); }

void BM_BmpLoad(benchmark::State& state) {
  const std::vector<uint8_t>& bytes = bmpBytes();
  dv_Image image;
  for (auto _ : state) benchmark::DoNotOptimize(image.loadBMPData(bytes.data(), bytes.size()));
  setPixels(state);
}

void BM_BmpAnchorCopy(benchmark::State& state) {
  const std::vector<uint8_t>& bytes = bmpBytes();
  std::vector<uint8_t> copy(bytes.size());
  for (auto _ : state) {
    std::memcpy(copy.data(), bytes.data(), bytes.size());
    benchmark::ClobberMemory();
  }
  setPixels(state);
}

void BM_PngLoad(benchmark::State& state) {
  const std::vector<uint8_t>& bytes = pngBytes();
  dv_Image image;
  for (auto _ : state) benchmark::DoNotOptimize(image.loadPNGData(bytes.data(), bytes.size()));
  setPixels(state);
}

void BM_PngAnchorLibpng(benchmark::State& state) {
  const std::vector<uint8_t>& bytes = pngBytes();
  std::vector<uint8_t> rgba(static_cast<size_t>(kSide) * kSide * 4);
  for (auto _ : state) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    png_image_begin_read_from_memory(&image, bytes.data(), bytes.size());
    image.format = PNG_FORMAT_RGBA;
    png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr);
    benchmark::ClobberMemory();
  }
  setPixels(state);
}

void BM_JpegLoad(benchmark::State& state) {
  const std::vector<uint8_t>& bytes = jpegBytes();
  dv_Image image;
  for (auto _ : state) benchmark::DoNotOptimize(image.loadJPEGData(bytes.data(), bytes.size()));
  setPixels(state);
}

void BM_JpegAnchorLibjpeg(benchmark::State& state) {
  const std::vector<uint8_t>& bytes = jpegBytes();
  std::vector<uint8_t> row(static_cast<size_t>(kSide) * 3);
  for (auto _ : state) {
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes.data(), bytes.size());
    jpeg_read_header(&cinfo, TRUE);
    jpeg_start_decompress(&cinfo);
    while (cinfo.output_scanline < cinfo.output_height) {
      JSAMPROW pointer = row.data();
      jpeg_read_scanlines(&cinfo, &pointer, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    benchmark::ClobberMemory();
  }
  setPixels(state);
}

}  // namespace

BENCHMARK(BM_BmpLoad);
BENCHMARK(BM_BmpAnchorCopy);
BENCHMARK(BM_PngLoad);
BENCHMARK(BM_PngAnchorLibpng);
BENCHMARK(BM_JpegLoad);
BENCHMARK(BM_JpegAnchorLibjpeg);
BENCHMARK_MAIN();
