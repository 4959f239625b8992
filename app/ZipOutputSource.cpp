#include "app/ZipOutputSource.h"

#include <cerrno>

zip_source_t* ZipOutputSource::create(zip_error_t* error) {
  return zip_source_function_create(&ZipOutputSource::callback, this, error);
}

zip_int64_t ZipOutputSource::callback(void* self, void* data, zip_uint64_t length, zip_source_cmd_t command) {
  ZipOutputSource& source = *static_cast<ZipOutputSource*>(self);
  switch (command) {
    case ZIP_SOURCE_STAT:
      // "No such file": libzip then starts a new, empty archive.
      return source.fail(ZIP_ER_READ, ENOENT);
    case ZIP_SOURCE_BEGIN_WRITE:
      source.position_ = source.end_ = 0;
      return source.file_.isOpen() ? 0 : source.fail(ZIP_ER_OPEN, 0);
    case ZIP_SOURCE_WRITE: return source.write(data, length);
    case ZIP_SOURCE_SEEK_WRITE: return source.seek(data, length);
    case ZIP_SOURCE_TELL_WRITE: return source.position_;
    case ZIP_SOURCE_COMMIT_WRITE: return source.commit();
    case ZIP_SOURCE_ROLLBACK_WRITE:
    case ZIP_SOURCE_REMOVE: source.file_.discard(); return 0;
    case ZIP_SOURCE_ERROR: return zip_error_to_data(&source.error_, data, length);
    case ZIP_SOURCE_FREE: return 0;
    case ZIP_SOURCE_SUPPORTS:
      // The read commands are listed because libzip opens only sources that
      // claim them; they are never used for a new archive.
      return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                            ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, ZIP_SOURCE_SEEK, ZIP_SOURCE_TELL,
                                            ZIP_SOURCE_SUPPORTS, ZIP_SOURCE_BEGIN_WRITE, ZIP_SOURCE_WRITE,
                                            ZIP_SOURCE_COMMIT_WRITE, ZIP_SOURCE_ROLLBACK_WRITE, ZIP_SOURCE_SEEK_WRITE,
                                            ZIP_SOURCE_TELL_WRITE, ZIP_SOURCE_REMOVE, -1);
    default: return source.fail(ZIP_ER_OPNOTSUPP, 0);
  }
}

zip_int64_t ZipOutputSource::write(const void* data, zip_uint64_t length) {
  if (!file_.write(data, length)) {
    failed_ = true;
    return fail(ZIP_ER_WRITE, errno);
  }
  position_ += static_cast<std::int64_t>(length);
  if (position_ > end_) end_ = position_;
  return static_cast<zip_int64_t>(length);
}

zip_int64_t ZipOutputSource::seek(void* data, zip_uint64_t length) {
  const zip_int64_t to = zip_source_seek_compute_offset(static_cast<zip_uint64_t>(position_),
                                                        static_cast<zip_uint64_t>(end_), data, length, &error_);
  if (to < 0) return -1;
  if (!file_.seek(to)) {
    failed_ = true;
    return fail(ZIP_ER_SEEK, errno);
  }
  position_ = to;
  return 0;
}

zip_int64_t ZipOutputSource::commit() {
  if (file_.commit()) return 0;
  failed_ = true;
  return fail(ZIP_ER_WRITE, errno);
}

zip_int64_t ZipOutputSource::fail(int zipError, int systemError) {
  zip_error_set(&error_, zipError, systemError);
  return -1;
}
