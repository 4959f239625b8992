#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "platform/runtime/AtomicOutputFile.h"
#include "platform/runtime/TextCodec.h"
#include "tests/support/TempDir.h"

namespace {

int countEntries(const std::filesystem::path& folder) {
  int n = 0;
  for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(folder)) ++n;
  return n;
}

class AtomicOutputFileTest : public ::testing::Test {
 protected:
  std::string target() const { return dir.cp932File("out😀.mqo"); }
  TempDir dir;
};

TEST_F(AtomicOutputFileTest, CommitReplacesTheTargetWhole) {
  writeFileBytes(dir.at("out😀.mqo"), "old contents");
  nvrt::AtomicOutputFile out;
  ASSERT_TRUE(out.open(target()));
  ASSERT_TRUE(out.write("new\0bytes", 9));
  // Until the commit the target is untouched and the bytes live elsewhere.
  EXPECT_EQ(readFileBytes(dir.at("out😀.mqo")), "old contents");
  EXPECT_EQ(countEntries(dir.path()), 2);
  ASSERT_TRUE(out.commit());
  EXPECT_EQ(readFileBytes(dir.at("out😀.mqo")), std::string("new\0bytes", 9));
  EXPECT_EQ(countEntries(dir.path()), 1);
}

#ifndef _WIN32  // Windows files have no permission bits to keep.
TEST_F(AtomicOutputFileTest, CommitKeepsTheTargetsPermissions) {
  writeFileBytes(dir.at("out😀.mqo"), "old");
  chmod(dir.file("out😀.mqo").c_str(), 0640);
  nvrt::AtomicOutputFile out;
  ASSERT_TRUE(out.open(target()));
  ASSERT_TRUE(out.commit());
  struct stat st;
  ASSERT_EQ(stat(dir.file("out😀.mqo").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}
#endif

TEST_F(AtomicOutputFileTest, DiscardAndDestructionLeaveTheTargetAlone) {
  writeFileBytes(dir.at("out😀.mqo"), "precious");
  {
    nvrt::AtomicOutputFile out;
    ASSERT_TRUE(out.open(target()));
    ASSERT_TRUE(out.write("partial", 7));
    out.discard();
  }
  {
    nvrt::AtomicOutputFile out;
    ASSERT_TRUE(out.open(target()));
    ASSERT_TRUE(out.write("partial", 7));
  }
  EXPECT_EQ(readFileBytes(dir.at("out😀.mqo")), "precious");
  EXPECT_EQ(countEntries(dir.path()), 1);
}

TEST_F(AtomicOutputFileTest, FailsInAFolderThatRefusesNewFiles) {
  ReadOnlyFolder readOnly(dir.path());
  if (!readOnly.active()) GTEST_SKIP() << "no way to make a read-only folder here";
  nvrt::AtomicOutputFile out;
  EXPECT_FALSE(out.open(target()));
  EXPECT_FALSE(out.write("x", 1));
  EXPECT_FALSE(out.commit());
}

TEST_F(AtomicOutputFileTest, AFileSizeLimitFailsTheWriteAndRemovesTheTemporaryFile) {
  writeFileBytes(dir.at("out😀.mqo"), "precious");
  nvrt::AtomicOutputFile out;
  ASSERT_TRUE(out.open(target()));
  {
    FileSizeLimit limit(1000);
    if (!limit.active()) GTEST_SKIP() << "no file-size limit on this system";
    const std::string block(4096, 'x');
    EXPECT_FALSE(out.write(block.data(), block.size()));
  }
  out.discard();
  EXPECT_EQ(readFileBytes(dir.at("out😀.mqo")), "precious");
  EXPECT_EQ(countEntries(dir.path()), 1);
}

TEST_F(AtomicOutputFileTest, ATargetThatIsAFolderIsRefused) {
  std::filesystem::create_directory(dir.at("out😀.mqo"));
  nvrt::AtomicOutputFile out;
  EXPECT_FALSE(out.open(target()));
  EXPECT_EQ(countEntries(dir.path()), 1);
}

TEST_F(AtomicOutputFileTest, ANameAtTheSystemsLengthLimitStillGetsItsTemporaryFile) {
  const std::string name = std::string(251, 'n') + ".mqo";  // 255 bytes
  nvrt::AtomicOutputFile out;
  ASSERT_TRUE(out.open(dir.file(name)));
  ASSERT_TRUE(out.write("ok", 2));
  ASSERT_TRUE(out.commit());
  EXPECT_EQ(readFileBytes(dir.path() / name), "ok");
}

}  // namespace
