// The conversion of a large compressed model (.mqoz: the model deflated in a
// ZIP archive, with a thumbnail) against the conversion of the same model as
// a plain .mqo file. Both run as separate brisel-nouv processes, in
// alternation; the ratio of the medians is the price of inflating and
// deflating. Peak resident memory is reported as a counter: it must stay as
// flat as for the plain file, since members are streamed, never inflated
// whole.
//
//   bench_mqoz [--size-mb N] [benchmark flags]
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zip.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::filesystem::path gDir;
size_t gSizeMb = 200;

void writeModel(const std::filesystem::path& path, size_t bytes) {
  std::ofstream out(path, std::ios::binary);
  out << "Metasequoia Document\r\nFormat Text Ver 1.0\r\n\r\n";
  size_t written = 0;
  for (int object = 0; written < bytes; ++object) {
    std::string chunk = "Object \"obj" + std::to_string(object) + "\" {\r\n\tvertex 4096 {\r\n";
    for (int v = 0; v < 4096; ++v) chunk += "\t\t" + std::to_string(v * 7 % 1000) + ".3456 -78.9012 34.5678\r\n";
    chunk += "\t}\r\n\tface 4096 {\r\n";
    for (int f = 0; f < 4096; ++f)
      chunk += "\t\t3 V(" + std::to_string(f) + " 1 2) M(0) UV(0.12345 0.67890 0.11111 0.22222 0.33333 0.44444)\r\n";
    chunk += "\t}\r\n}\r\n";
    out << chunk;
    written += chunk.size();
  }
  out << "Eof\r\n";
}

void writeArchive(const std::filesystem::path& archive, const std::filesystem::path& model) {
  int error = 0;
  zip_t* za = zip_open(archive.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (!za) std::abort();
  static const char thumbnail[] = "\xFF\xD8\xFF\xE0 thumbnail";
  zip_file_add(za, "model.mqo", zip_source_file(za, model.c_str(), 0, -1), 0);
  zip_file_add(za, "thumbnail.jpg", zip_source_buffer(za, thumbnail, sizeof thumbnail, 0), 0);
  if (zip_close(za) != 0) std::abort();
}

// Runs a program to completion; returns its peak resident memory in KiB.
long runProcess(const std::vector<std::string>& argv) {
  const pid_t pid = fork();
  if (pid == 0) {
    std::freopen("/dev/null", "w", stdout);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::abort();
  return usage.ru_maxrss;
}

void convert(benchmark::State& state, const char* name) {
  const std::filesystem::path input = gDir / name;
  long peak = 0;
  for (auto _ : state) peak = std::max(peak, runProcess({BRISEL_BIN_DIR "/brisel-nouv", input.string()}));
  state.counters["peak_rss_MB"] = static_cast<double>(peak) / 1024.0;
  state.counters["input_MB"] = static_cast<double>(std::filesystem::file_size(input)) / (1 << 20);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<char*> rest;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--size-mb") == 0 && i + 1 < argc)
      gSizeMb = std::strtoul(argv[++i], nullptr, 10);
    else
      rest.push_back(argv[i]);
  }
  char pattern[] = "/tmp/brisel-bench-XXXXXX";
  gDir = mkdtemp(pattern);
  writeModel(gDir / "model.mqo", gSizeMb << 20);
  writeArchive(gDir / "model.mqoz", gDir / "model.mqo");
  int restCount = static_cast<int>(rest.size());
  benchmark::Initialize(&restCount, rest.data());
  benchmark::RegisterBenchmark("brisel-nouv model.mqo", convert, "model.mqo")
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RegisterBenchmark("brisel-nouv model.mqoz", convert, "model.mqoz")
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(gDir);
  return 0;
}
