#include "framework/core/NVFileReader.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "platform/runtime/NativePath.h"
#include "platform/runtime/ScopedOpenLocale.h"

bool NVFileReader::open(NVString path) {
  if (open_) return false;
  const std::filesystem::path native = nvrt::nativePath(path.bytes());
  std::error_code error;
  {
    nvrt::ScopedOpenLocale locale;
    // A directory would open on some hosts and then read as nothing forever.
    if (!std::filesystem::is_directory(native, error)) stream_.open(native, std::ios::in | std::ios::binary);
  }
  if (!stream_.is_open()) {
    open_ = false;
    return false;
  }
  stream_.seekg(0, std::ios::end);
  const std::streamoff end = stream_.tellg();
  fileSize_ = end < 0 ? -1 : static_cast<std::int64_t>(end);
  stream_.clear();
  stream_.seekg(0, std::ios::beg);
  stream_.clear();
  open_ = true;
  return true;
}

void NVFileReader::close() {
  if (!open_) return;
  stream_.close();
  open_ = false;
}

NVString NVFileReader::readLine() {
  if (!open_) return NVString();
  std::string line;
  std::getline(stream_, line, '\n');
  return NVString(line);
}

bool NVFileReader::isEOF() const { return stream_.eof(); }
