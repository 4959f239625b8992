// The picture check itself: a missing reference fails, a mismatch leaves the
// picture and a difference image beside the reference, a match removes them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/ReferencePicture.h"

namespace {

const std::string kRefs = std::string(BRISEL_SOURCE_DIR) + "/tests/ref/";

TEST(ReferencePicture, AMissingReferenceFailsUnlessReferencesAreWritten) {
  if (std::getenv("BRISEL_WRITE_REFS")) GTEST_SKIP() << "this run writes references";
  const refpic::Picture picture{2, 2, {0xFF000000u, 0xFFFFFFFFu, 0xFF000000u, 0xFFFFFFFFu}};
  EXPECT_FALSE(refpic::matchesReference("framework/widgets/no_such_picture", picture));
  EXPECT_FALSE(std::filesystem::exists(kRefs + "framework/widgets/no_such_picture.png"));
}

// A reference of its own, in a folder no other test uses (ignored by git).
TEST(ReferencePicture, AMismatchLeavesThePictureAndItsDifference) {
  const std::string name = "selftest/checker";
  std::filesystem::create_directories(kRefs + "selftest");
  refpic::Picture reference{4, 2, {}};
  for (int i = 0; i < 8; ++i) reference.words.push_back(i % 2 ? 0xFF102030u : 0xFFE0D0C0u);
  ASSERT_TRUE(refpic::writePng(kRefs + name + ".png", reference));
  EXPECT_TRUE(refpic::matchesReference(name, reference));
  refpic::Picture changed = reference;
  changed.words[3] ^= 0x00404040u;
  EXPECT_FALSE(refpic::matchesReference(name, changed));
  refpic::Picture err, diff;
  ASSERT_TRUE(refpic::readPng(kRefs + name + "_err.png", err));
  ASSERT_TRUE(refpic::readPng(kRefs + name + "_diff.png", diff));
  EXPECT_EQ(err.words, changed.words);
  EXPECT_EQ(diff.words[3], 0xFFFF0000u);  // the one differing pixel in red
  EXPECT_NE(diff.words[4], 0xFFFF0000u);
  // A tolerance that covers the change accepts it, and the leftovers go.
  EXPECT_TRUE(refpic::matchesReference(name, changed, {0x40, 0}));
  EXPECT_FALSE(std::filesystem::exists(kRefs + name + "_err.png"));
  EXPECT_FALSE(std::filesystem::exists(kRefs + name + "_diff.png"));
  // So does a count of pixels allowed to differ.
  EXPECT_TRUE(refpic::matchesReference(name, changed, {0, 1}));
  // Another size never matches.
  EXPECT_FALSE(refpic::matchesReference(name, refpic::Picture{1, 1, {reference.words[0]}}, {255, 100}));
  std::filesystem::remove_all(kRefs + "selftest");
}

}  // namespace
