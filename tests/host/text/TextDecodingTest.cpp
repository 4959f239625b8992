#include <gtest/gtest.h>

#include "platform/host/text/TextDecoding.h"
#include "platform/runtime/TextCodec.h"

using namespace nvhost::text;

namespace {

struct DecodeCase {
  const char* name;
  std::string bytes;
  std::u32string shown;
};

TEST(TextDecoding, Cp932WithReplacementMarks) {
  const char32_t R = kReplacementMark;
  const DecodeCase cases[] = {
      {"ASCII", "D&D\t\n", U"D&D\t\n"},
      {"hiragana", "\x82\xA0", U"あ"},
      {"Microsoft's wave dash", "\x81\x60", U"～"},
      {"backslash stays a backslash", "\x5C", U"\\"},
      {"half-width katakana", "\xB1", U"ｱ"},
      {"0x80", "a\x80z", {U'a', R, U'z'}},
      {"0xA0", "\xA0", {R}},
      {"0xFD", "\xFD", {R}},
      {"lone lead byte at the end", "ab\x82", {U'a', U'b', R}},
      {"lead byte before a line feed", "\x82\n", {R, U'\n'}},
      {"embedded zero is a character", std::string("a\0b", 3), std::u32string(U"a\0b", 3)},
      {"escaped character shows as itself", nvrt::utf8ToCp932Text("é"), U"é"},
      {"escaped raw byte shows as a mark", nvrt::utf8ToCp932Name("\xFF"), {R}},
  };
  for (const DecodeCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(decodeCp932(c.bytes), c.shown);
  }
}

}  // namespace
