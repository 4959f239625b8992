#include "app/RemoveUV.h"

#include <cstring>
#include <memory>

#include "app/ByteSink.h"
#include "app/ConversionMessages.h"
#include "app/MessageLog.h"
#include "app/MqoUvStripper.h"
#include "framework/core/NVPathOps.h"
#include "platform/runtime/AtomicOutputFile.h"
#include "platform/runtime/InputFile.h"

namespace {

constexpr size_t kReadBlock = 1 << 20;
// The longest line the conversion holds at once. Real files have short lines;
// a longer one means the file is not a model file, and it is refused rather
// than allowed to take the memory it asks for.
constexpr size_t kMaxLine = 16 << 20;

enum class ReadResult { Ok, ReadError, LineTooLong };

// Streams the whole input through the stripper, a block of whole lines at a
// time. The buffer grows only for a line longer than a block.
ReadResult streamInput(nvrt::InputFile& in, MqoUvStripper& stripper) {
  // Uninitialised, so that only the pages a file fills are ever touched.
  size_t capacity = kReadBlock;
  std::unique_ptr<char[]> buffer(new char[capacity]);
  size_t used = 0;
  for (;;) {
    if (used == capacity) {
      if (capacity >= kMaxLine) return ReadResult::LineTooLong;
      std::unique_ptr<char[]> larger(new char[capacity * 2]);
      std::memcpy(larger.get(), buffer.get(), used);
      buffer = std::move(larger);
      capacity *= 2;
    }
    const std::ptrdiff_t n = in.read(buffer.get() + used, capacity - used);
    if (n < 0) return ReadResult::ReadError;
    if (n == 0) break;
    const size_t fresh = used;
    used += static_cast<size_t>(n);
    // Only the new bytes can hold the first line feed of the pending line.
    const char* data = buffer.get();
    const char* lastNl = nullptr;
    for (const char* p = data + used; p > data + fresh;) {
      if (*--p == '\n') {
        lastNl = p;
        break;
      }
    }
    if (!lastNl) continue;
    stripper.processLines(data, lastNl + 1);
    const size_t rest = static_cast<size_t>(data + used - (lastNl + 1));
    std::memmove(buffer.get(), lastNl + 1, rest);
    used = rest;
  }
  stripper.processLastLine(buffer.get(), buffer.get() + used);
  return ReadResult::Ok;
}

}  // namespace

bool removeUV(NVString path) {
  if (getExtension(path) != "mqo") {
    addMessage(msg::notMqo());
    return false;
  }
  const NVString name = getFileName(path);
  nvrt::InputFile in;
  if (!in.open(path.bytes())) {
    addMessage(msg::cannotOpen(name));
    return false;
  }
  addMessage(msg::processing(name));

  const NVString outputPath = getDirectory(path) + getBaseName(path) + "_noUV." + getExtension(path);
  // The output streams into a temporary file while the input is read. If it
  // cannot be created the input is still read, so that the messages say
  // whether there was anything to write.
  nvrt::AtomicOutputFile out;
  const bool outOpened = out.open(outputPath.bytes());
  ByteSink sink(outOpened ? std::function<bool(const char*, size_t)>(
                                [&out](const char* p, size_t n) { return out.write(p, n); })
                          : nullptr);
  MqoUvStripper stripper(sink);
  const ReadResult read = streamInput(in, stripper);
  in.close();

  if (read == ReadResult::ReadError) {
    addMessage(msg::readFailed(name));
    return false;
  }
  if (read == ReadResult::LineTooLong) {
    addMessage(msg::lineTooLong(name));
    return false;
  }
  if (!stripper.hadUV()) {
    out.discard();
    addMessage(msg::noUV());
    return true;
  }
  addMessage(msg::uvRemoved());
  if (!outOpened) {
    addMessage(msg::writeFailed());
    return false;
  }
  addMessage(msg::creating(getFileName(outputPath)));
  if (!sink.flush() || !out.commit()) {
    addMessage(msg::writeFailed());
    return false;
  }
  addMessage(msg::finished());
  return true;
}
