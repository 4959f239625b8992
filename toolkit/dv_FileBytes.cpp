#include "toolkit/dv_FileBytes.h"

#include <cstdio>
#include <memory>
#include <new>

bool dv_ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) return false;
  bytes.clear();
  uint8_t chunk[65536];
  try {
    for (;;) {
      const size_t n = std::fread(chunk, 1, sizeof chunk, file.get());
      bytes.insert(bytes.end(), chunk, chunk + n);
      if (n < sizeof chunk) break;
    }
  } catch (const std::bad_alloc&) {
    return false;
  }
  return std::ferror(file.get()) == 0;
}
