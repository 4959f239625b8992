// A libzip data source that writes a new archive into an atomic output file:
// libzip's commit renames the finished archive over its target, its rollback
// removes the temporary file. The source never reads, so libzip takes the
// archive as new and writes it from scratch.
#pragma once

#include <zip.h>

#include <cstdint>

#include "platform/runtime/AtomicOutputFile.h"

class ZipOutputSource {
 public:
  // `file` is open; it must outlive the source.
  explicit ZipOutputSource(nvrt::AtomicOutputFile& file) : file_(file) { zip_error_init(&error_); }
  ~ZipOutputSource() { zip_error_fini(&error_); }
  ZipOutputSource(const ZipOutputSource&) = delete;
  ZipOutputSource& operator=(const ZipOutputSource&) = delete;

  // A new libzip source; null on failure. Ownership as for zip_source_t.
  zip_source_t* create(zip_error_t* error);
  // Whether writing, seeking or committing the file failed.
  bool failed() const { return failed_; }

 private:
  static zip_int64_t callback(void* self, void* data, zip_uint64_t length, zip_source_cmd_t command);
  zip_int64_t write(const void* data, zip_uint64_t length);
  zip_int64_t seek(void* data, zip_uint64_t length);
  zip_int64_t commit();
  zip_int64_t fail(int zipError, int systemError);

  nvrt::AtomicOutputFile& file_;
  zip_error_t error_;
  std::int64_t position_ = 0;
  std::int64_t end_ = 0;
  bool failed_ = false;
};
