// A libzip data source that reads an archive from an open file, so that the
// file is opened by its code page 932 name like every other input and is
// never opened for writing.
#pragma once

#include <zip.h>

#include <cstdint>

#include "platform/runtime/InputFile.h"

class ZipInputSource {
 public:
  // `file` must stay open while the source is in use.
  explicit ZipInputSource(nvrt::InputFile& file) : file_(file) { zip_error_init(&error_); }
  ~ZipInputSource() { zip_error_fini(&error_); }
  ZipInputSource(const ZipInputSource&) = delete;
  ZipInputSource& operator=(const ZipInputSource&) = delete;

  // A new libzip source over the file; null on failure. The caller owns it
  // until it hands it to zip_open_from_source; this object must outlive it.
  zip_source_t* create(zip_error_t* error);

 private:
  static zip_int64_t callback(void* self, void* data, zip_uint64_t length, zip_source_cmd_t command);
  zip_int64_t read(void* data, zip_uint64_t length);
  zip_int64_t seek(void* data, zip_uint64_t length);
  zip_int64_t stat(void* data, zip_uint64_t length);
  zip_int64_t fail(int zipError);

  nvrt::InputFile& file_;
  zip_error_t error_;
  std::int64_t size_ = -1;
  std::int64_t position_ = 0;
};
