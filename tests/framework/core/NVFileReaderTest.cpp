#include <gtest/gtest.h>

#include <vector>

#include "framework/core/NVFileReader.h"
#include "platform/runtime/TextCodec.h"
#include "tests/support/TempDir.h"

namespace {

struct ReadCase {
  const char* label;
  std::string contents;
  std::vector<std::string> lines;  // every readLine until isEOF turns true
};

// The end-of-file state turns on only when a read runs into the end, so a
// file ending in a line feed yields one more, empty, line.
const ReadCase kCases[] = {
    {"three lines", "a\nb\nc\n", {"a", "b", "c", ""}},
    {"no final line feed", "a\nb", {"a", "b"}},
    {"empty file", "", {""}},
    {"only a line feed", "\n", {"", ""}},
    {"crlf stays", "Eof\r\n", {"Eof\r", ""}},
    {"bare cr is not a break", "a\rb", {"a\rb"}},
    {"zero bytes", std::string("a\0b\n\0", 5), {std::string("a\0b", 3), std::string("\0", 1)}},
};

class ReaderEof : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReaderEof, ReadsEveryLineThenEof) {
  const ReadCase& c = GetParam();
  TempDir dir;
  writeFileBytes(dir.path() / "f.txt", c.contents);
  NVFileReader reader;
  ASSERT_TRUE(reader.open(NVString(dir.file("f.txt"))));
  EXPECT_EQ(reader.fileSize(), static_cast<std::int64_t>(c.contents.size()));
  std::vector<std::string> lines;
  while (!reader.isEOF() && lines.size() < 100) lines.push_back(reader.readLine().bytes());
  EXPECT_EQ(lines, c.lines);
  // Past the end it keeps giving empty lines.
  EXPECT_EQ(reader.readLine(), "");
}

INSTANTIATE_TEST_SUITE_P(Table, ReaderEof, ::testing::ValuesIn(kCases), [](const auto& info) {
  std::string n = info.param.label;
  for (char& ch : n) ch = isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
  return n;
});

TEST(NVFileReader, OpenTwiceKeepsTheFirstFile) {
  TempDir dir;
  writeFileBytes(dir.path() / "one.txt", "first\n");
  writeFileBytes(dir.path() / "two.txt", "second\n");
  NVFileReader reader;
  ASSERT_TRUE(reader.open(NVString(dir.file("one.txt"))));
  EXPECT_FALSE(reader.open(NVString(dir.file("two.txt"))));
  EXPECT_EQ(reader.readLine(), "first");
}

TEST(NVFileReader, FailuresAndClosedReads) {
  TempDir dir;
  NVFileReader reader;
  EXPECT_FALSE(reader.open(NVString(dir.file("missing.txt"))));
  EXPECT_FALSE(reader.open(NVString(dir.path().string())));  // a folder
  EXPECT_FALSE(reader.isOpen());
  EXPECT_EQ(reader.readLine(), "");
  writeFileBytes(dir.path() / "f.txt", "x\n");
  ASSERT_TRUE(reader.open(NVString(dir.file("f.txt"))));
  reader.close();
  EXPECT_FALSE(reader.isOpen());
  EXPECT_EQ(reader.readLine(), "");
  EXPECT_TRUE(reader.open(NVString(dir.file("f.txt"))));  // reopens after close
}

TEST(NVFileReader, OpensCodePage932Paths) {
  TempDir dir;
  writeFileBytes(dir.at("表示データ.mqo"), "ok\n");
  NVFileReader reader;
  ASSERT_TRUE(reader.open(NVString(dir.cp932File("表示データ.mqo"))));
  EXPECT_EQ(reader.readLine(), "ok");
}

}  // namespace
