#include <gtest/gtest.h>

#include <filesystem>

#include "framework/core/NVPathOps.h"
#include "platform/runtime/TextCodec.h"
#include "tests/support/TempDir.h"

namespace {

struct PathCase {
  const char* path;
  const char* extension;
  const char* fileName;
  const char* baseName;
  const char* directory;
};

TEST(NVPathOps, Table) {
  const PathCase cases[] = {
      {"C:\\data\\cube.mqo", "mqo", "cube.mqo", "cube", "C:\\data\\"},
      {"C:\\x\\a.mqo", "mqo", "a.mqo", "a", "C:\\x\\"},
      {"old.d\\file", "", "file", "file", "old.d\\"},
      {"a.tar.gz", "gz", "a.tar.gz", "a.tar", ""},
      {"a.mqo", "mqo", "a.mqo", "a", ""},
      {"a.MQO", "MQO", "a.MQO", "a", ""},
      {"a", "", "a", "a", ""},
      {"/home/u/a.b.mqo", "mqo", "a.b.mqo", "a.b", "/home/u/"},
      {"C:cube.mqo", "mqo", "cube.mqo", "cube", "C:"},
      {"\\\\server\\share\\m.mqo", "mqo", "m.mqo", "m", "\\\\server\\share\\"},
      {"d\\\x95\x5c.mqo", "mqo", "\x95\x5c.mqo", "\x95\x5c", "d\\"},
  };
  for (const PathCase& c : cases) {
    EXPECT_EQ(getExtension(c.path), c.extension) << c.path;
    EXPECT_EQ(getFileName(c.path), c.fileName) << c.path;
    EXPECT_EQ(getBaseName(c.path), c.baseName) << c.path;
    EXPECT_EQ(getDirectory(c.path), c.directory) << c.path;
  }
}

TEST(NVPathOps, LongPathsAreNotCut) {
  const std::string dir = "/" + std::string(300, 'd') + "/";
  const std::string base(300, 'b');
  const std::string ext(40, 'e');
  const NVString path(dir + base + "." + ext);
  EXPECT_EQ(getDirectory(path), dir.c_str());
  EXPECT_EQ(getBaseName(path), base.c_str());
  EXPECT_EQ(getExtension(path), ext.c_str());
  EXPECT_EQ(getFileName(path), (base + "." + ext).c_str());
}

TEST(NVPathOps, ModuleDirectoryIsTheTestsFolder) {
  const std::string dir = nvrt::cp932NameToUtf8(getModuleDirectory().bytes());
  ASSERT_FALSE(dir.empty());
#ifdef _WIN32
  EXPECT_EQ(dir.back(), '\\');
  EXPECT_TRUE(std::filesystem::exists(utf8Path(dir) / "core_tests.exe"));
#else
  EXPECT_EQ(dir.back(), '/');
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(dir) / "core_tests"));
#endif
}

}  // namespace
