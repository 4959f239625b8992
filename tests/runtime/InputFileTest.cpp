#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/runtime/InputFile.h"
#include "platform/runtime/TextCodec.h"
#include "tests/support/TempDir.h"

namespace {

TEST(InputFile, ReadsARegularFileByItsCodePage932Name) {
  TempDir dir;
  writeFileBytes(dir.at("表示😀.mqo"), std::string("abc\0def", 7));
  nvrt::InputFile in;
  ASSERT_TRUE(in.open(dir.cp932File("表示😀.mqo")));
  EXPECT_FALSE(in.open(dir.cp932File("表示😀.mqo")));  // already open
  char buffer[16];
  EXPECT_EQ(in.read(buffer, sizeof buffer), 7);
  EXPECT_EQ(std::string(buffer, 7), std::string("abc\0def", 7));
  EXPECT_EQ(in.read(buffer, sizeof buffer), 0);
}

TEST(InputFile, RefusesWhatIsNotARegularFile) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "folder.mqo");
  nvrt::InputFile in;
  EXPECT_FALSE(in.open(dir.cp932File("folder.mqo")));
#ifndef _WIN32  // Windows file systems have no named pipes.
  ASSERT_EQ(mkfifo(dir.file("pipe.mqo").c_str(), 0600), 0);
  EXPECT_FALSE(in.open(dir.cp932File("pipe.mqo")));  // would block forever
#endif
  EXPECT_FALSE(in.open(dir.cp932File("missing.mqo")));
  EXPECT_FALSE(in.isOpen());
}

}  // namespace
