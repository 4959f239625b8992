// ZIP archives for the tests, made and read with libzip in memory.
#pragma once

#include <ctime>
#include <string>
#include <vector>

struct TestMember {
  std::string name;
  std::string bytes;
  // Stored rather than deflated.
  bool stored = false;
  // The name's bytes are stored as they are, without the UTF-8 mark (as
  // Japanese tools write code page 932 names); otherwise libzip marks a
  // non-ASCII name as UTF-8.
  bool rawName = false;
  // Traditional PKWARE encryption with a password.
  bool encrypted = false;
  std::time_t mtime = 1700000000;
};

// The bytes of an archive holding `members` in order.
std::string buildArchive(const std::vector<TestMember>& members);

struct ArchiveEntry {
  std::string name;  // as stored
  std::string bytes;
  int method = 0;  // ZIP_CM_*
  std::time_t mtime = 0;
  unsigned long long compressedSize = 0;
};

// The members of an archive's bytes; fails the test when libzip cannot read
// them.
std::vector<ArchiveEntry> readArchive(const std::string& bytes);

// Overwrites the uncompressed size in every local and central header of the
// archive (the tests' archives hold one member whose data never contains a
// header signature).
std::string withDeclaredSize(std::string archive, unsigned int size);
