#include "tests/app/TestArchive.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <cstring>

namespace {

std::string sourceBytes(zip_source_t* src) {
  std::string bytes;
  zip_stat_t st;
  if (zip_source_stat(src, &st) != 0 || zip_source_open(src) != 0) {
    ADD_FAILURE() << "cannot read the archive buffer";
    return bytes;
  }
  bytes.resize(st.size);
  const zip_int64_t n = zip_source_read(src, bytes.data(), bytes.size());
  zip_source_close(src);
  EXPECT_EQ(n, static_cast<zip_int64_t>(bytes.size()));
  return bytes;
}

void addMember(zip_t* archive, const TestMember& member) {
  zip_source_t* data = zip_source_buffer(archive, member.bytes.data(), member.bytes.size(), 0);
  ASSERT_NE(data, nullptr);
  const zip_int64_t index =
      zip_file_add(archive, member.name.c_str(), data, member.rawName ? ZIP_FL_ENC_CP437 : ZIP_FL_ENC_GUESS);
  ASSERT_GE(index, 0) << zip_strerror(archive);
  const zip_uint64_t at = static_cast<zip_uint64_t>(index);
  ASSERT_EQ(zip_set_file_compression(archive, at, member.stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0), 0);
  ASSERT_EQ(zip_file_set_mtime(archive, at, member.mtime, 0), 0);
  if (member.encrypted) {
    ASSERT_EQ(zip_file_set_encryption(archive, at, ZIP_EM_TRAD_PKWARE, "secret"), 0);
  }
}

void putLittleEndian32(std::string& bytes, std::size_t at, unsigned int value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string buildArchive(const std::vector<TestMember>& members) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_source_keep(buffer);
  zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
  if (!archive) {
    ADD_FAILURE() << zip_error_strerror(&error);
    zip_source_free(buffer);
    return "";
  }
  for (const TestMember& member : members) addMember(archive, member);
  EXPECT_EQ(zip_close(archive), 0) << zip_strerror(archive);
  const std::string bytes = sourceBytes(buffer);
  zip_source_free(buffer);
  zip_error_fini(&error);
  return bytes;
}

std::vector<ArchiveEntry> readArchive(const std::string& bytes) {
  std::vector<ArchiveEntry> entries;
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* buffer = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  zip_t* archive = zip_open_from_source(buffer, ZIP_RDONLY | ZIP_CHECKCONS, &error);
  if (!archive) {
    ADD_FAILURE() << "not a readable archive: " << zip_error_strerror(&error);
    zip_source_free(buffer);
    return entries;
  }
  for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
    const zip_uint64_t index = static_cast<zip_uint64_t>(i);
    zip_stat_t st;
    EXPECT_EQ(zip_stat_index(archive, index, 0, &st), 0);
    ArchiveEntry entry{zip_get_name(archive, index, ZIP_FL_ENC_RAW), std::string(st.size, '\0'), st.comp_method,
                       st.mtime, st.comp_size};
    zip_file_t* file = zip_fopen_index(archive, index, 0);
    EXPECT_NE(file, nullptr);
    if (file) {
      EXPECT_EQ(zip_fread(file, entry.bytes.data(), entry.bytes.size()), static_cast<zip_int64_t>(st.size));
      zip_fclose(file);
    }
    entries.push_back(entry);
  }
  zip_discard(archive);
  zip_error_fini(&error);
  return entries;
}

std::string withDeclaredSize(std::string archive, unsigned int size) {
  const char local[] = "PK\3\4";
  const char central[] = "PK\1\2";
  for (std::size_t at = archive.find(local); at != std::string::npos; at = archive.find(local, at + 4))
    putLittleEndian32(archive, at + 22, size);
  for (std::size_t at = archive.find(central); at != std::string::npos; at = archive.find(central, at + 4))
    putLittleEndian32(archive, at + 24, size);
  return archive;
}
