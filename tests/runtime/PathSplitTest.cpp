#include <gtest/gtest.h>

#include "platform/runtime/PathSplit.h"

namespace {

struct SplitCase {
  const char* path;
  const char* drive;
  const char* directory;
  const char* name;
  const char* extension;
  friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << '"' << c.path << '"'; }
};

// "\x95\x5c" is a double-byte character whose second byte is a backslash, and
// "\x83\x5c" likewise; neither may split a path.
const SplitCase kCases[] = {
    {"C:\\data\\cube.mqo", "C:", "\\data\\", "cube", ".mqo"},
    {"/home/user/cube.mqo", "", "/home/user/", "cube", ".mqo"},
    {"a.mqo", "", "", "a", ".mqo"},
    {"a", "", "", "a", ""},
    {"", "", "", "", ""},
    {"a.b.mqo", "", "", "a.b", ".mqo"},
    {"a.tar.gz", "", "", "a.tar", ".gz"},
    {"old.d\\file", "", "old.d\\", "file", ""},
    {"old.d/file", "", "old.d/", "file", ""},
    {"mixed/dir\\x.mqo", "", "mixed/dir\\", "x", ".mqo"},
    {"C:x.mqo", "C:", "", "x", ".mqo"},
    {"1:x.mqo", "", "", "1:x", ".mqo"},
    {"dir/.hidden", "", "dir/", "", ".hidden"},
    {"dir/", "", "dir/", "", ""},
    {"trailing.", "", "", "trailing", "."},
    {"\x95\x5c.mqo", "", "", "\x95\x5c", ".mqo"},
    {"C:\\\x83\x5c\\\x95\x5c\x8e\xa6.mqo", "C:", "\\\x83\x5c\\", "\x95\x5c\x8e\xa6", ".mqo"},
    {"dir\\\x95\x5c", "", "dir\\", "\x95\x5c", ""},
    {"x\x81\x2e", "", "", "x\x81\x2e", ""},  // 0x2E after a lead byte is a trail byte, not a dot
    {"\x81", "", "", "\x81", ""},            // a lone lead byte at the end
};

class PathSplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(PathSplitTest, SplitsLikeTheRunTime) {
  const SplitCase& c = GetParam();
  const nvrt::SplitPath parts = nvrt::splitPath(c.path);
  EXPECT_EQ(parts.drive, c.drive);
  EXPECT_EQ(parts.directory, c.directory);
  EXPECT_EQ(parts.name, c.name);
  EXPECT_EQ(parts.extension, c.extension);
  // The parts always join back to the whole path.
  EXPECT_EQ(parts.drive + parts.directory + parts.name + parts.extension, c.path);
}

INSTANTIATE_TEST_SUITE_P(Table, PathSplitTest, ::testing::ValuesIn(kCases));

TEST(PathSplit, NoPartIsCut) {
  const std::string longName(1000, 'n');
  const std::string longDir = std::string(600, 'd') + "/";
  const nvrt::SplitPath parts = nvrt::splitPath(longDir + longName + ".mqo");
  EXPECT_EQ(parts.directory, longDir);
  EXPECT_EQ(parts.name, longName);
  EXPECT_EQ(parts.extension, ".mqo");
}

}  // namespace
