#include "app/ZipInputSource.h"

#include <cerrno>

zip_source_t* ZipInputSource::create(zip_error_t* error) {
  return zip_source_function_create(&ZipInputSource::callback, this, error);
}

zip_int64_t ZipInputSource::callback(void* self, void* data, zip_uint64_t length, zip_source_cmd_t command) {
  ZipInputSource& source = *static_cast<ZipInputSource*>(self);
  switch (command) {
    case ZIP_SOURCE_OPEN:
      source.size_ = source.file_.size();
      if (source.size_ < 0 || !source.file_.seek(0)) return source.fail(ZIP_ER_OPEN);
      source.position_ = 0;
      return 0;
    case ZIP_SOURCE_READ: return source.read(data, length);
    case ZIP_SOURCE_SEEK: return source.seek(data, length);
    case ZIP_SOURCE_TELL: return source.position_;
    case ZIP_SOURCE_STAT: return source.stat(data, length);
    case ZIP_SOURCE_ERROR: return zip_error_to_data(&source.error_, data, length);
    case ZIP_SOURCE_CLOSE:
    case ZIP_SOURCE_FREE: return 0;
    case ZIP_SOURCE_SUPPORTS:
      return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                            ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, ZIP_SOURCE_SEEK, ZIP_SOURCE_TELL,
                                            ZIP_SOURCE_SUPPORTS, -1);
    default: return source.fail(ZIP_ER_OPNOTSUPP);
  }
}

zip_int64_t ZipInputSource::read(void* data, zip_uint64_t length) {
  zip_uint64_t done = 0;
  while (done < length) {
    const std::ptrdiff_t n = file_.read(static_cast<char*>(data) + done, length - done);
    if (n < 0) return fail(ZIP_ER_READ);
    if (n == 0) break;
    done += static_cast<zip_uint64_t>(n);
  }
  position_ += static_cast<std::int64_t>(done);
  return static_cast<zip_int64_t>(done);
}

zip_int64_t ZipInputSource::seek(void* data, zip_uint64_t length) {
  const zip_int64_t to = zip_source_seek_compute_offset(static_cast<zip_uint64_t>(position_),
                                                        static_cast<zip_uint64_t>(size_), data, length, &error_);
  if (to < 0) return -1;
  // libzip seeks before nearly every read of a member; most of those land
  // where the last read ended.
  if (to != position_ && !file_.seek(to)) return fail(ZIP_ER_SEEK);
  position_ = to;
  return 0;
}

zip_int64_t ZipInputSource::stat(void* data, zip_uint64_t length) {
  zip_stat_t* st = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, length, &error_);
  if (!st) return -1;
  const std::int64_t size = file_.size();
  if (size < 0) return fail(ZIP_ER_READ);
  zip_stat_init(st);
  st->size = static_cast<zip_uint64_t>(size);
  st->valid |= ZIP_STAT_SIZE;
  return 0;
}

zip_int64_t ZipInputSource::fail(int zipError) {
  zip_error_set(&error_, zipError, errno);
  return -1;
}
