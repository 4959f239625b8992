// A libzip data source that delivers a converted .mqo member while libzip
// writes the new archive: each read inflates and converts just enough of the
// input member to fill libzip's buffer. Nothing is held in memory beyond a
// block, and nothing is written to disk but the new archive itself.
#pragma once

#include <zip.h>

#include <ctime>
#include <memory>

class ConvertedMemberSource {
 public:
  // `convertedSize` is the size a first pass measured; a different size now
  // means the input changed in between, which fails the read.
  ConvertedMemberSource(zip_t* input, zip_uint64_t index, zip_uint64_t convertedSize, std::time_t mtime);
  ~ConvertedMemberSource();
  ConvertedMemberSource(const ConvertedMemberSource&) = delete;
  ConvertedMemberSource& operator=(const ConvertedMemberSource&) = delete;

  // A new libzip source for `output`; this object must outlive it.
  zip_source_t* create(zip_t* output);

 private:
  struct Run;

  static zip_int64_t callback(void* self, void* data, zip_uint64_t length, zip_source_cmd_t command);
  zip_int64_t open();
  zip_int64_t read(void* data, zip_uint64_t length);
  zip_int64_t stat(void* data, zip_uint64_t length);
  bool refill(zip_uint64_t wanted);
  zip_int64_t fail(int zipError);

  zip_t* input_;
  zip_uint64_t index_;
  zip_uint64_t convertedSize_;
  std::time_t mtime_;
  zip_error_t error_;
  std::unique_ptr<Run> run_;
};
