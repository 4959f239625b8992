#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/StartPaths.h"
#include "platform/runtime/TextCodec.h"
#include "tests/support/TempDir.h"

namespace {

#ifdef _WIN32
const std::string kSeparator = "\\";
const std::string kAbsolute = "C:\\models\\a.mqo";
#else
const std::string kSeparator = "/";
const std::string kAbsolute = "/models/a.mqo";
#endif

// Relative names are taken from the current folder; absolute ones and empty
// ones are kept as given.
TEST(StartPaths, RelativeNamesAreResolvedAgainstTheCurrentFolder) {
  TempDir dir;
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  const std::u8string canonical = std::filesystem::canonical(dir.path()).u8string();
  const std::string folder = hostPathToCp932(std::string(canonical.begin(), canonical.end()));
  // A Japanese name, in code page 932, stays as it was.
  const std::string kana = nvrt::utf8ToCp932Name("\xE3\x81\x82.mqo");
  struct Case {
    std::string given, expected;
  };
  const std::vector<Case> cases = {
      {"a.mqo", folder + kSeparator + "a.mqo"},
      {"sub" + kSeparator + "b.mqo", folder + kSeparator + "sub" + kSeparator + "b.mqo"},
      {kana, folder + kSeparator + kana},
      {kAbsolute, kAbsolute},
      {"", ""},
  };
  std::vector<std::string> given;
  for (const Case& c : cases) given.push_back(c.given);
  const std::vector<std::string> resolved = resolveStartPaths(given);
  std::filesystem::current_path(before);
  ASSERT_EQ(resolved.size(), cases.size());
  for (size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(resolved[i], cases[i].expected) << cases[i].given;
}

}  // namespace
