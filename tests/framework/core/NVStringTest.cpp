#include <gtest/gtest.h>

#include "framework/core/NVString.h"

namespace {

struct MidCase {
  const char* text;
  int start, end;
  const char* expected;
};

TEST(NVString, Mid) {
  const MidCase cases[] = {
      {"abcdefg", 2, 5, "cde"}, {"abcdefg", -3, 2, "ab"}, {"abcdefg", 4, 100, "efg"}, {"abcdefg", 7, 9, ""},
      {"abcdefg", 8, 9, ""},    {"abcdefg", 3, 3, ""},    {"abcdefg", 5, 2, ""},      {"abcdefg", 0, 7, "abcdefg"},
      {"", 0, 1, ""},           {"abc", -5, -1, ""},
  };
  for (const MidCase& c : cases)
    EXPECT_EQ(NVString(c.text).mid(c.start, c.end), c.expected) << c.text << " " << c.start << " " << c.end;
}

TEST(NVString, MidKeepsZeroBytes) {
  const NVString s(std::string("a\0b\0c", 5));
  EXPECT_EQ(s.mid(1, 4).bytes(), std::string("\0b\0", 3));
}

struct FindCase {
  std::string text, needle;
  int expected;
};

TEST(NVString, Find) {
  const FindCase cases[] = {
      {"abc", "", -1},  // an empty needle is never found
      {"", "a", -1},
      {"", "", -1},
      {"abcabc", "bc", 1},
      {"abc", "abcd", -1},
      {"3 V(0 1 2) UV(0 0)", "UV(", 11},
      {std::string("ab\0cd", 5), "cd", -1},  // bytes after a zero take no part
      {std::string("ab\0cd", 5), "b", 1},
      {"\x95\x5c", "\x5c", 1},  // bytes, not characters
  };
  for (const FindCase& c : cases) EXPECT_EQ(NVString(c.text).find(NVString(c.needle)), c.expected) << c.text;
}

TEST(NVString, ConstructionAndAssignmentFromNullPointers) {
  const char* none = nullptr;
  EXPECT_TRUE(NVString(none).isEmpty());
  NVString s("abc");
  EXPECT_EQ(s = none, "");
  EXPECT_TRUE(s.isEmpty());
  s = "x";
  EXPECT_EQ(s += none, "x");
  EXPECT_EQ(s + none, "x");
  EXPECT_EQ(none + s, "x");
}

TEST(NVString, Concatenation) {
  NVString s("ab");
  EXPECT_EQ(s + NVString("cd"), "abcd");
  EXPECT_EQ(s + "cd", "abcd");
  EXPECT_EQ(s + 42, "ab42");
  EXPECT_EQ(s + -7, "ab-7");
  EXPECT_EQ("xy" + s, "xyab");
  // += returns the new value and changes the string.
  EXPECT_EQ(s += "c", "abc");
  EXPECT_EQ(s += NVString("d"), "abcd");
  EXPECT_EQ(s, "abcd");
  NVString t;
  EXPECT_EQ(t = s, "abcd");
  t = t;  // self-assignment keeps the value
  EXPECT_EQ(t, "abcd");
}

TEST(NVString, Comparison) {
  const char* none = nullptr;
  const NVString s("abc");
  EXPECT_TRUE(s == "abc");
  EXPECT_FALSE(s != "abc");
  EXPECT_TRUE(s != "abd");
  EXPECT_FALSE(s == none);
  EXPECT_FALSE(s != none);  // both false with a null pointer
  EXPECT_TRUE(s == NVString("abc"));
  EXPECT_TRUE(NVString(std::string("a\0b", 3)) != NVString(std::string("a\0c", 3)));
  EXPECT_TRUE(NVString(std::string("a\0", 2)) != NVString("a"));  // length counts
}

TEST(NVString, ValueSemantics) {
  NVString a("one");
  NVString b = a;
  b += "two";
  EXPECT_EQ(a, "one");
  EXPECT_EQ(b.toStdString(), "onetwo");
  EXPECT_STREQ(b.cStr(), "onetwo");
}

}  // namespace
