// Converts one .mqo member of an open archive, a block at a time, into a
// byte sink: the member is inflated and handed to the stripper in blocks of
// whole lines, so memory stays bounded by the block size (or the longest
// line, up to a limit) whatever the member's size or compression ratio.
#pragma once

#include <zip.h>

#include <cstddef>
#include <vector>

#include "app/ByteSink.h"
#include "app/MqoUvStripper.h"
#include "app/ZipMemberReader.h"

class MqoMemberConversion {
 public:
  enum class Status { Running, Done, ReadError, LineTooLong };

  MqoMemberConversion(zip_t* archive, zip_uint64_t index, ByteSink& out);

  // Converts the next block into the sink (which may keep part of it
  // buffered); false once the member has ended or failed.
  bool step();
  // Steps to the end.
  Status run();
  Status status() const { return status_; }
  bool hadUV() const { return stripper_.hadUV(); }

 private:
  bool fail(Status status);

  zip_t* archive_;
  zip_uint64_t index_;
  ZipMemberReader reader_;
  MqoUvStripper stripper_;
  std::vector<char> buffer_;
  std::size_t used_ = 0;
  bool opened_ = false;
  Status status_ = Status::Running;
};
