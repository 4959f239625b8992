#include <gtest/gtest.h>

#include "framework/core/NVFileWriter.h"
#include "platform/runtime/TextCodec.h"
#include "tests/support/TempDir.h"

namespace {

TEST(NVFileWriter, WritesLinesWithBareLineFeedsAndEveryByte) {
  TempDir dir;
  NVFileWriter writer;
  ASSERT_TRUE(writer.open(NVString(dir.file("out.txt")), false));
  EXPECT_TRUE(writer.writeLine(NVString("crlf stays\r")));
  EXPECT_TRUE(writer.writeLine(NVString(std::string("zero\0kept", 9))));
  EXPECT_TRUE(writer.writeLine(NVString("")));
  // Each line is flushed at once: readable before the writer closes.
  EXPECT_EQ(readFileBytes(dir.path() / "out.txt"), std::string("crlf stays\r\nzero\0kept\n\n", 23));
}

TEST(NVFileWriter, TruncatesOrAppends) {
  TempDir dir;
  writeFileBytes(dir.path() / "out.txt", "old\n");
  {
    NVFileWriter writer;
    ASSERT_TRUE(writer.open(NVString(dir.file("out.txt")), true));
    writer.writeLine(NVString("appended"));
  }
  EXPECT_EQ(readFileBytes(dir.path() / "out.txt"), "old\nappended\n");
  {
    NVFileWriter writer;
    ASSERT_TRUE(writer.open(NVString(dir.file("out.txt")), false));
    writer.writeLine(NVString("new"));
  }
  EXPECT_EQ(readFileBytes(dir.path() / "out.txt"), "new\n");
}

TEST(NVFileWriter, OpenTwiceAndClosedWrites) {
  TempDir dir;
  NVFileWriter writer;
  EXPECT_FALSE(writer.writeLine(NVString("nowhere")));
  ASSERT_TRUE(writer.open(NVString(dir.file("a.txt")), false));
  EXPECT_FALSE(writer.open(NVString(dir.file("b.txt")), false));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "b.txt"));
  writer.writeLine(NVString("a"));
  writer.close();
  EXPECT_FALSE(writer.writeLine(NVString("after close")));
  EXPECT_EQ(readFileBytes(dir.path() / "a.txt"), "a\n");
  EXPECT_FALSE(writer.open(NVString(dir.file("no/such/folder.txt")), false));
}

TEST(NVFileWriter, AFileSizeLimitIsReported) {
  TempDir dir;
  NVFileWriter writer;
  ASSERT_TRUE(writer.open(NVString(dir.cp932File("限界.txt")), false));
  FileSizeLimit limit(16);
  if (!limit.active()) GTEST_SKIP() << "no file-size limit on this system";
  EXPECT_FALSE(writer.writeLine(NVString(std::string(100, 'x'))));
}

}  // namespace
