// Feeds random bytes as a dropped .mqoz archive through the whole archive
// path (reading with libzip, streaming the models through the conversion,
// writing the new archive) and checks every promise of the conversion.
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "tests/app/ArchiveConversionCheck.h"

namespace {

const std::filesystem::path& folder() {
  static const std::filesystem::path path = [] {
    char name[] = "/tmp/fuzz_mqoz.XXXXXX";
    if (!mkdtemp(name)) abort();
    return std::filesystem::path(name);
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string problem = checkArchiveConversion(folder(), std::string(reinterpret_cast<const char*>(data), size));
  if (!problem.empty()) {
    std::fprintf(stderr, "fuzz_mqoz_conversion: %s\n", problem.c_str());
    abort();
  }
  return 0;
}
