// Reads the uncompressed bytes of one archive member. The member's declared
// size is a hard limit: a member that inflates to more than it declares is
// damaged (or built to exhaust the disk) and reads as an error at once,
// instead of once it has been inflated to the end; one that ends short of it
// is damaged too. libzip checks the checksum when the member ends.
#pragma once

#include <zip.h>

#include <cstddef>

class ZipMemberReader {
 public:
  ZipMemberReader() = default;
  ~ZipMemberReader() { close(); }
  ZipMemberReader(const ZipMemberReader&) = delete;
  ZipMemberReader& operator=(const ZipMemberReader&) = delete;

  bool open(zip_t* archive, zip_uint64_t index);
  // Bytes read (0 at the member's end), or -1 when the member is damaged,
  // encrypted or unreadable.
  std::ptrdiff_t read(void* buffer, std::size_t size);
  void close();

 private:
  zip_file_t* file_ = nullptr;
  zip_uint64_t declared_ = 0;
  zip_uint64_t delivered_ = 0;
};
