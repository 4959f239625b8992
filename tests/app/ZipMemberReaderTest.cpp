#include <gtest/gtest.h>
#include <zip.h>

#include <string>

#include "app/ZipMemberReader.h"
#include "tests/app/TestArchive.h"

namespace {

struct ReadOutcome {
  std::string bytes;
  bool failed = false;
};

// Reads the archive's only member in blocks of `block` bytes until its end
// or the first error.
ReadOutcome readMember(const std::string& archive, std::size_t block) {
  ReadOutcome outcome;
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* src = zip_source_buffer_create(archive.data(), archive.size(), 0, &error);
  zip_t* za = zip_open_from_source(src, ZIP_RDONLY, &error);
  zip_error_fini(&error);
  if (!za) {
    zip_source_free(src);
    ADD_FAILURE() << "libzip cannot open the test archive";
    return outcome;
  }
  {
    ZipMemberReader reader;
    outcome.failed = !reader.open(za, 0);
    std::string buffer(block, '\0');
    for (std::ptrdiff_t n = 1; !outcome.failed && n > 0;) {
      n = reader.read(buffer.data(), buffer.size());
      if (n < 0) outcome.failed = true;
      if (n > 0) outcome.bytes.append(buffer.data(), static_cast<std::size_t>(n));
    }
  }
  zip_discard(za);
  return outcome;
}

TEST(ZipMemberReader, DeliversAMemberWhole) {
  const std::string data(300000, 'm');
  for (bool stored : {false, true}) {
    const ReadOutcome outcome = readMember(buildArchive({{"m.mqo", data, stored}}), 4096);
    EXPECT_FALSE(outcome.failed) << stored;
    EXPECT_EQ(outcome.bytes, data) << stored;
  }
}

// A member that inflates past its declared size is cut off within one block
// of the claim, however much more it holds.
TEST(ZipMemberReader, StopsAMemberThatHoldsMoreThanItDeclares) {
  const std::string archive = withDeclaredSize(buildArchive({{"bomb.mqo", std::string(8 << 20, '\0')}}), 1000);
  const ReadOutcome outcome = readMember(archive, 4096);
  EXPECT_TRUE(outcome.failed);
  EXPECT_LE(outcome.bytes.size(), 1000u + 4096u);
}

TEST(ZipMemberReader, FailsAMemberThatEndsShortOfItsDeclaredSize) {
  const ReadOutcome outcome = readMember(withDeclaredSize(buildArchive({{"m.mqo", "short"}}), 6), 4096);
  EXPECT_TRUE(outcome.failed);
}

TEST(ZipMemberReader, RefusesAnEncryptedMember) {
  EXPECT_TRUE(readMember(buildArchive({{"m.mqo", "secret", false, false, true}}), 4096).failed);
}

}  // namespace
