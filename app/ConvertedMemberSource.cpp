#include "app/ConvertedMemberSource.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "app/ByteSink.h"
#include "app/MqoMemberConversion.h"

// One pass over the member: converted bytes collect in `pending` until
// libzip takes them.
struct ConvertedMemberSource::Run {
  Run(zip_t* input, zip_uint64_t index)
      : sink([this](const char* p, std::size_t n) {
          pending.insert(pending.end(), p, p + n);
          produced += n;
          return true;
        }),
        conversion(input, index, sink) {}

  std::vector<char> pending;
  std::size_t taken = 0;
  zip_uint64_t produced = 0;
  ByteSink sink;
  MqoMemberConversion conversion;
};

ConvertedMemberSource::ConvertedMemberSource(zip_t* input, zip_uint64_t index, zip_uint64_t convertedSize,
                                             std::time_t mtime)
    : input_(input), index_(index), convertedSize_(convertedSize), mtime_(mtime) {
  zip_error_init(&error_);
}

ConvertedMemberSource::~ConvertedMemberSource() { zip_error_fini(&error_); }

zip_source_t* ConvertedMemberSource::create(zip_t* output) {
  return zip_source_function(output, &ConvertedMemberSource::callback, this);
}

zip_int64_t ConvertedMemberSource::callback(void* self, void* data, zip_uint64_t length, zip_source_cmd_t command) {
  ConvertedMemberSource& source = *static_cast<ConvertedMemberSource*>(self);
  switch (command) {
    case ZIP_SOURCE_OPEN: return source.open();
    case ZIP_SOURCE_READ: return source.read(data, length);
    case ZIP_SOURCE_CLOSE: source.run_.reset(); return 0;
    case ZIP_SOURCE_STAT: return source.stat(data, length);
    case ZIP_SOURCE_ERROR: return zip_error_to_data(&source.error_, data, length);
    case ZIP_SOURCE_FREE: return 0;
    case ZIP_SOURCE_SUPPORTS:
      return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                            ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, ZIP_SOURCE_SUPPORTS, -1);
    default: return source.fail(ZIP_ER_OPNOTSUPP);
  }
}

zip_int64_t ConvertedMemberSource::open() {
  run_ = std::make_unique<Run>(input_, index_);
  return 0;
}

// Converts blocks until `wanted` bytes are pending or the member has ended.
bool ConvertedMemberSource::refill(zip_uint64_t wanted) {
  Run& run = *run_;
  if (run.taken > 0) {
    run.pending.erase(run.pending.begin(), run.pending.begin() + static_cast<std::ptrdiff_t>(run.taken));
    run.taken = 0;
  }
  while (run.pending.size() < wanted && run.conversion.step()) run.sink.flush();
  run.sink.flush();
  const auto status = run.conversion.status();
  if (status == MqoMemberConversion::Status::Running) return true;
  return status == MqoMemberConversion::Status::Done && run.produced == convertedSize_;
}

zip_int64_t ConvertedMemberSource::read(void* data, zip_uint64_t length) {
  if (!run_) return fail(ZIP_ER_INTERNAL);
  Run& run = *run_;
  if (run.pending.size() - run.taken < length && !refill(length)) return fail(ZIP_ER_READ);
  const std::size_t n = std::min<std::size_t>(length, run.pending.size() - run.taken);
  std::memcpy(data, run.pending.data() + run.taken, n);
  run.taken += n;
  return static_cast<zip_int64_t>(n);
}

zip_int64_t ConvertedMemberSource::stat(void* data, zip_uint64_t length) {
  zip_stat_t* st = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, length, &error_);
  if (!st) return -1;
  zip_stat_init(st);
  st->size = convertedSize_;
  st->mtime = mtime_;
  st->valid |= ZIP_STAT_SIZE | ZIP_STAT_MTIME;
  return 0;
}

zip_int64_t ConvertedMemberSource::fail(int zipError) {
  zip_error_set(&error_, zipError, 0);
  return -1;
}
