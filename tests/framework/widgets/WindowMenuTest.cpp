#include <gtest/gtest.h>

#include "framework/widgets/NVWindowMenu.h"

namespace {

NVWindowMenu sampleMenu() {
  NVWindowMenu menu;
  NVWindowMenuColumn file;
  file.title = NVString("File");
  file.entries = {NVString("Open"), NVString("Close"), NVString("About")};
  file.entryTable[NVString("Open")] = 101;
  file.entryTable[NVString("Close")] = 102;
  menu.columns.push_back(file);
  return menu;
}

TEST(WindowMenu, CopiesCarryEveryColumnAndKeepTheirClassNames) {
  const NVWindowMenu menu = sampleMenu();
  NVWindowMenu copy(menu);
  ASSERT_EQ(copy.columns.size(), 1u);
  EXPECT_EQ(copy.columns[0].title, "File");
  EXPECT_EQ(copy.columns[0].entries.size(), 3u);
  EXPECT_EQ(copy.typeName, "NVWindowMenu");
  EXPECT_EQ(copy.columns[0].typeName, "NVWindowMenuColumn");
  NVWindowMenu assigned;
  assigned = menu;
  EXPECT_EQ(assigned.columns[0].commandFor(NVString("Close")), 102);
}

TEST(WindowMenu, EntriesWithoutAKeySendCommandZero) {
  const NVWindowMenu menu = sampleMenu();
  const NVWindowMenuColumn& file = menu.columns[0];
  EXPECT_EQ(file.commandFor(NVString("Open")), 101);
  EXPECT_EQ(file.commandFor(NVString("About")), 0);
  EXPECT_EQ(file.commandFor(NVString("")), 0);
}

}  // namespace
