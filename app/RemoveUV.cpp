#include "app/RemoveUV.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "app/ByteSink.h"
#include "app/ConversionMessages.h"
#include "app/MessageLog.h"
#include "app/ModelPath.h"
#include "app/MqoUvStripper.h"
#include "app/RemoveUVArchive.h"
#include "platform/runtime/AtomicOutputFile.h"
#include "platform/runtime/InputFile.h"

namespace {

constexpr size_t kReadBlock = 1 << 20;
// The longest line the conversion holds at once. Real files have short lines;
// a longer one means the file is not a model file, and it is refused rather
// than allowed to take the memory it asks for.
constexpr size_t kMaxLine = 16 << 20;

enum class ReadResult { Ok, ReadError, LineTooLong };

// The buffers of the conversion, kept for the whole run: a batch of small
// files would otherwise spend most of its time allocating and clearing two
// fresh megabytes per file. Their bytes are never read before written, so
// they are left uninitialised.
struct ConversionBuffers {
  ByteBuffer input = ByteBuffer(kReadBlock);
  ByteBuffer output = ByteBuffer(kReadBlock);
};

// Never destroyed: an abnormal end may run static destructors on another
// thread while a conversion is under way.
ConversionBuffers& conversionBuffers() {
  static auto* buffers = new ConversionBuffers;
  return *buffers;
}

// Streams the whole input through the stripper, a block of whole lines at a
// time; raw data of a binary chunk goes on as soon as it is read. The buffer
// grows only for a line longer than a block.
ReadResult streamInput(nvrt::InputFile& in, MqoUvStripper& stripper, ByteBuffer& buffer) {
  size_t used = 0;
  for (;;) {
    if (used == buffer.size()) {
      if (buffer.size() >= kMaxLine) return ReadResult::LineTooLong;
      buffer.resize(buffer.size() * 2);
    }
    const std::ptrdiff_t n = in.read(buffer.data() + used, buffer.size() - used);
    if (n < 0) return ReadResult::ReadError;
    if (n == 0) break;
    size_t fresh = used;
    used += static_cast<size_t>(n);
    const char* data = buffer.data();
    size_t start = 0;
    if (const std::uint64_t raw = stripper.rawBytesPending()) {
      start = static_cast<size_t>(std::min<std::uint64_t>(raw, used));
      stripper.processRawBytes(data, data + start);
      fresh = std::max(fresh, start);
    }
    // Only the new bytes can hold the first line feed of the pending line.
    const char* lastNl = nullptr;
    for (const char* p = data + used; p > data + fresh;) {
      if (*--p == '\n') {
        lastNl = p;
        break;
      }
    }
    if (lastNl) {
      stripper.processLines(data + start, lastNl + 1);
      start = static_cast<size_t>(lastNl + 1 - data);
    }
    std::memmove(buffer.data(), buffer.data() + start, used - start);
    used -= start;
  }
  stripper.processLastLine(buffer.data(), buffer.data() + used);
  return ReadResult::Ok;
}

// Runs the stripper over the input, keeping the run's buffers to their usual
// size afterwards.
ReadResult streamWithRunBuffers(nvrt::InputFile& in, MqoUvStripper& stripper) {
  ByteBuffer& buffer = conversionBuffers().input;
  const ReadResult result = streamInput(in, stripper, buffer);
  if (buffer.size() > kReadBlock) {
    buffer.resize(kReadBlock);
    buffer.shrink_to_fit();
  }
  return result;
}

}  // namespace

bool removeUV(NVString path) {
  const ModelPath model(path);
  // A compressed model file is an archive of model files.
  if (model.extension() == "mqoz") return removeUVFromArchive(model);
  if (model.extension() != "mqo") {
    addMessage(msg::notMqo());
    return false;
  }
  const NVString& name = model.fileName();
  nvrt::InputFile in;
  if (!in.open(path.bytes())) {
    addMessage(msg::cannotOpen(name));
    return false;
  }
  addMessage(msg::processing(name));

  const NVString& outputPath = model.outputPath();
  // The output streams into a temporary file while the input is read. If it
  // cannot be created the input is still read, so that the messages say
  // whether there was anything to write. An output that would replace the
  // input itself (the names linked to one file) is never written.
  nvrt::AtomicOutputFile out;
  const bool outOpened = !in.isSameFileAs(outputPath.bytes()) && out.open(outputPath.bytes());
  ByteSink sink(
      outOpened ? std::function<bool(const char*, size_t)>([&out](const char* p, size_t n) { return out.write(p, n); })
                : nullptr,
      conversionBuffers().output);
  MqoUvStripper stripper(sink);
  const ReadResult read = streamWithRunBuffers(in, stripper);
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
  addMessage(msg::creating(model.outputFileName()));
  // Asked again: the names may have been linked while the input was read.
  if (!sink.flush() || in.isSameFileAs(outputPath.bytes()) || !out.commit()) {
    addMessage(msg::writeFailed());
    return false;
  }
  addMessage(msg::finished());
  return true;
}
