// The first window, widget or item made in a process starts the framework's
// once-only set-up: the program's folder becomes the current one.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "framework/compose/NV2DItem.h"
#include "framework/compose/NV3DItem.h"
#include "framework/core/NVPathOps.h"
#include "framework/widgets/NVWidget.h"
#include "framework/core/NVStageBase.h"
#include "platform/runtime/TextCodec.h"
#include "tests/support/EngineHarness.h"

namespace {

namespace fs = std::filesystem;

// Runs in a process of its own, where nothing has run the set-up yet: starts
// in another folder, makes the object and exits 0 when the program's folder
// has become current (1 when it has not, 2 when the start folder was it).
void madeInAFreshProcess(const std::function<void()>& make) {
  const fs::path programFolder = nvrt::cp932NameToUtf8(getModuleDirectory().toStdString());
  fs::current_path(fs::temp_directory_path());
  if (fs::equivalent(fs::current_path(), programFolder)) std::_Exit(2);
  make();
  std::_Exit(fs::equivalent(fs::current_path(), programFolder) ? 0 : 1);
}

TEST(InitOnce, TheFirstWindowWidgetOrItemMakesTheProgramsFolderCurrent) {
  // Each case re-runs this program from the start, so the set-up is fresh.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  struct Case {
    const char* name;
    std::function<void()> make;
  };
  const Case cases[] = {
      {"widget", [] { new NVWidget(0, 0, 10, 10); }},
      {"2D item", [] { new NV2DItem(0, 0, 0, 10, 10); }},
      {"3D item", [] { new NV3DItem(0, 0, 10, 10); }},
      {"window",
       [] {
         useNullDisplay();
         new NVStageBase();
       }},
  };
  for (const Case& c : cases) EXPECT_EXIT(madeInAFreshProcess(c.make), ::testing::ExitedWithCode(0), "") << c.name;
}

}  // namespace
