// The conversion of a large CRLF model file against `cp` of the same file.
// Both run as separate processes on the same input, in alternation, so the
// machine's noise hits both; report the medians and their ratio. Peak
// resident memory of brisel-nouv is reported as a counter.
//
// The batch: 1,000 small models (about 150 KB each) converted by one
// brisel-nouv run against one cp of the same files, the two timed in turn
// in every iteration; the counter "vs_cp" is their ratio (goal: at most 1.5).
//
//   bench_conversion [--size-mb N] [--batch N] [benchmark flags]
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/ByteSink.h"
#include "app/MqoUvStripper.h"

namespace {

std::filesystem::path gDir;
std::filesystem::path gInput;
size_t gSizeMb = 200;
size_t gBatchFiles = 1000;
std::vector<std::string> gBatch;

// Half of the lines are face lines with UV and COL groups, as in a textured
// model; the rest are vertex lines.
void writeModel(const std::filesystem::path& path, size_t bytes) {
  std::ofstream out(path, std::ios::binary);
  out << "Metasequoia Document\r\nFormat Text Ver 1.0\r\n\r\n";
  size_t written = 0;
  for (int object = 0; written < bytes; ++object) {
    std::string chunk = "Object \"obj" + std::to_string(object) + "\" {\r\n\tvertex 4096 {\r\n";
    for (int v = 0; v < 4096; ++v) chunk += "\t\t12.3456 -78.9012 34.5678\r\n";
    chunk += "\t}\r\n\tface 4096 {\r\n";
    for (int f = 0; f < 4096; ++f)
      chunk += "\t\t3 V(" + std::to_string(f) +
               " 1 2) M(0) UV(0.12345 0.67890 0.11111 0.22222 0.33333 0.44444) COL(4294967295)\r\n";
    chunk += "\t}\r\n}\r\n";
    out << chunk;
    written += chunk.size();
  }
  out << "Eof\r\n";
}

// A small textured model of about 150 KB: one object of 1,300 vertices and
// as many faces with UV groups.
std::string smallModel() {
  std::string model = "Metasequoia Document\r\nFormat Text Ver 1.0\r\n\r\nObject \"obj\" {\r\n\tvertex 1300 {\r\n";
  for (int v = 0; v < 1300; ++v) model += "\t\t12.3456 -78.9012 34.5678\r\n";
  model += "\t}\r\n\tface 1300 {\r\n";
  for (int f = 0; f < 1300; ++f)
    model += "\t\t3 V(" + std::to_string(f) +
             " 1 2) M(0) UV(0.12345 0.67890 0.11111 0.22222 0.33333 0.44444) COL(4294967295)\r\n";
  model += "\t}\r\n}\r\nEof\r\n";
  return model;
}

void writeBatch() {
  const std::filesystem::path folder = gDir / "batch";
  std::filesystem::create_directories(folder);
  std::filesystem::create_directories(gDir / "batch-copies");
  const std::string model = smallModel();
  for (size_t i = 0; i < gBatchFiles; ++i) {
    const std::filesystem::path path = folder / ("model" + std::to_string(i) + ".mqo");
    std::ofstream(path, std::ios::binary) << model;
    gBatch.push_back(path.string());
  }
}

// Runs a program to completion; returns its peak resident memory in KiB.
long runProcess(const std::vector<std::string>& argv) {
  const pid_t pid = fork();
  if (pid == 0) {
    const int devnull = open("/dev/null", O_WRONLY);
    dup2(devnull, 1);
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

void BM_Cp(benchmark::State& state) {
  const std::string out = (gDir / "copy.mqo").string();
  for (auto _ : state) runProcess({"cp", gInput.string(), out});
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * std::filesystem::file_size(gInput)));
}

void BM_BriselNouv(benchmark::State& state) {
  long peak = 0;
  for (auto _ : state) peak = std::max(peak, runProcess({BRISEL_BIN_DIR "/brisel-nouv", gInput.string()}));
  state.counters["peak_rss_MB"] = static_cast<double>(peak) / 1024.0;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * std::filesystem::file_size(gInput)));
}

double secondsOf(const std::vector<std::string>& argv) {
  const auto start = std::chrono::steady_clock::now();
  runProcess(argv);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The batch and cp of the same files, in turn in every iteration; the time
// reported is brisel-nouv's.
void BM_BatchAgainstCp(benchmark::State& state) {
  std::vector<std::string> cp = {"cp"};
  cp.insert(cp.end(), gBatch.begin(), gBatch.end());
  cp.push_back((gDir / "batch-copies").string());
  std::vector<std::string> nouv = {BRISEL_BIN_DIR "/brisel-nouv"};
  nouv.insert(nouv.end(), gBatch.begin(), gBatch.end());
  double cpTotal = 0, nouvTotal = 0;
  for (auto _ : state) {
    cpTotal += secondsOf(cp);
    const double seconds = secondsOf(nouv);
    nouvTotal += seconds;
    state.SetIterationTime(seconds);
  }
  state.counters["cp_ms"] = benchmark::Counter(cpTotal * 1000, benchmark::Counter::kAvgIterations);
  state.counters["vs_cp"] = cpTotal > 0 ? nouvTotal / cpTotal : 0;
}

// The filter alone, in memory, on a slice of the same file.
void BM_StripperInMemory(benchmark::State& state) {
  std::string data(64 << 20, '\0');
  {
    std::ifstream in(gInput, std::ios::binary);
    in.read(data.data(), static_cast<std::streamsize>(data.size()));
    data.resize(static_cast<size_t>(in.gcount()));
    data.resize(data.rfind('\n') + 1);
  }
  for (auto _ : state) {
    ByteSink sink([](const char*, size_t) { return true; });
    MqoUvStripper stripper(sink);
    for (size_t pos = 0; pos < data.size();) {
      size_t end = std::min(data.size(), pos + (1 << 20));
      end = data.rfind('\n', end - 1) + 1;
      stripper.processLines(data.data() + pos, data.data() + end);
      pos = end;
    }
    sink.flush();
    benchmark::DoNotOptimize(stripper.hadUV());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.size()));
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<char*> rest;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--size-mb") == 0 && i + 1 < argc)
      gSizeMb = std::strtoul(argv[++i], nullptr, 10);
    else if (std::strcmp(argv[i], "--batch") == 0 && i + 1 < argc)
      gBatchFiles = std::strtoul(argv[++i], nullptr, 10);
    else
      rest.push_back(argv[i]);
  }
  char pattern[] = "/tmp/brisel-bench-XXXXXX";
  gDir = mkdtemp(pattern);
  gInput = gDir / "model.mqo";
  writeModel(gInput, gSizeMb << 20);
  writeBatch();
  int restCount = static_cast<int>(rest.size());
  benchmark::Initialize(&restCount, rest.data());
  benchmark::RegisterBenchmark("cp", BM_Cp)->Unit(benchmark::kMillisecond)->UseRealTime();
  benchmark::RegisterBenchmark("brisel-nouv", BM_BriselNouv)->Unit(benchmark::kMillisecond)->UseRealTime();
  benchmark::RegisterBenchmark("stripper in memory", BM_StripperInMemory)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("batch of small models", BM_BatchAgainstCp)
      ->Unit(benchmark::kMillisecond)
      ->UseManualTime();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(gDir);
  return 0;
}
