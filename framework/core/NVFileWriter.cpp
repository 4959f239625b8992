#include "framework/core/NVFileWriter.h"

#include "platform/runtime/NativePath.h"
#include "platform/runtime/ScopedOpenLocale.h"

bool NVFileWriter::open(NVString path, bool append) {
  if (open_) return false;
  {
    nvrt::ScopedOpenLocale locale;
    stream_.open(nvrt::nativePath(path.bytes()),
                 std::ios::out | std::ios::binary | (append ? std::ios::app : std::ios::trunc));
  }
  open_ = stream_.is_open();
  return open_;
}

void NVFileWriter::close() {
  if (!open_) return;
  stream_.close();
  open_ = false;
}

bool NVFileWriter::writeLine(NVString line) {
  if (!open_) return false;
  const std::string& bytes = line.bytes();
  stream_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  stream_.put('\n');
  stream_.flush();
  return static_cast<bool>(stream_);
}
