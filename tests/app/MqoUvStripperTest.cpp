#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "app/ByteSink.h"
#include "app/MqoUvStripper.h"
#include "tests/app/ReferenceConversion.h"

using namespace std::string_literals;

namespace {

// Runs the streaming conversion, handing it the input in blocks of `block`
// bytes cut at the last line feed, as the file reader does; with `rawFirst`
// pending raw data goes ahead without waiting for a line feed, as the file
// reader does too.
ReferenceResult stream(const std::string& input, size_t block, bool rawFirst = false) {
  ReferenceResult result;
  ByteSink sink(
      [&result](const char* p, size_t n) {
        result.output.append(p, n);
        return true;
      },
      7);
  MqoUvStripper stripper(sink);
  std::string pending;
  for (size_t pos = 0; pos < input.size(); pos += block) {
    pending.append(input, pos, block);
    if (rawFirst && stripper.rawBytesPending() > 0) {
      const size_t raw = static_cast<size_t>(std::min<uint64_t>(stripper.rawBytesPending(), pending.size()));
      stripper.processRawBytes(pending.data(), pending.data() + raw);
      pending.erase(0, raw);
    }
    const size_t nl = pending.rfind('\n');
    if (nl == std::string::npos) continue;
    stripper.processLines(pending.data(), pending.data() + nl + 1);
    pending.erase(0, nl + 1);
  }
  stripper.processLastLine(pending.data(), pending.data() + pending.size());
  EXPECT_TRUE(sink.flush());
  result.hadUV = stripper.hadUV();
  return result;
}

struct Case {
  const char* label;
  std::string input;
  std::string expected;
  bool hadUV;
  friend void PrintTo(const Case& c, std::ostream* os) { *os << c.label; }
};

const std::string kHeader = "Metasequoia Document\nFormat Text Ver 1.0\n";
// 24 bytes of little-endian floats that happen to spell what steers the
// conversion, line feeds and a zero byte included.
const std::string kRaw24 = "face\n}UV(\nObject\0vertex}"s;

const Case kCases[] = {
    {"uv groups cut, blank before them kept",
     "Object \"a\" {\n vertex 1 {\n  0 0 0\n }\n face 1 {\n  3 V(0 1 2) M(0) UV(0 0 1 0 1 1)\n }\n}\nEof\n",
     "Object \"a\" {\n vertex 1 {\n  0 0 0\n }\n face 1 {\n  3 V(0 1 2) M(0) \n }\n}\nEof\n\n", true},
    {"colour after uv goes too", "Object\nvertex\nface\n4 V(0 1 2 3) M(0) UV(0 0 1 0 1 1 0 1) COL(1 1 1 1)\n}\n",
     "Object\nvertex\nface\n4 V(0 1 2 3) M(0) \n}\n\n", true},
    {"no uv", "Object\nvertex\nface\n3 V(0 1 2) M(0)\n}\n", "Object\nvertex\nface\n3 V(0 1 2) M(0)\n}\n\n", false},
    {"crlf: face lines lose their cr with the uv group",
     "Object\r\nvertex\r\nface\r\n3 V(0 1 2) UV(0 0)\r\n3 V(0 1 2)\r\n}\r\nEof\r\n",
     "Object\r\nvertex\r\nface\r\n3 V(0 1 2) \n3 V(0 1 2)\r\n}\r\nEof\r\n\n", true},
    {"uv outside face chunks stays",
     "UV(0)\nMaterial 1 {\n \"m\" UV(1)\n}\nObject\nvertex UV(2)\n 0 0 0 UV(3)\nface\n}\n",
     "UV(0)\nMaterial 1 {\n \"m\" UV(1)\n}\nObject\nvertex UV(2)\n 0 0 0 UV(3)\nface\n}\n\n", false},
    {"file ending without line feed", "Eof", "Eof\n", false},
    {"file ending in crlf", "Eof\r\n", "Eof\r\n\n", false},
    {"empty file", "", "\n", false},
    {"end of file inside the vertex scan", "Object \"a\" {\nBVertex 3 {\n", "Object \"a\" {\nBVertex 3 {\n\n", false},
    {"end of file inside the face-line scan", "Object\nvertex\nface\n3 V(0) UV(1)", "Object\nvertex\nface\n3 V(0) \n",
     true},
    {"end of file right after the object line", "Object", "Object\n", false},
    {"object name holding vertex and face", "Object \"vertex face\" {\n3 V(0) UV(1)\n}\n",
     "Object \"vertex face\" {\n3 V(0) \n}\n\n", true},
    {"one line passing every step", "Object vertex face UV(0 0)\n3 V(0) UV(1)\n}\n",
     "Object vertex face \n3 V(0) \n}\n\n", true},
    {"closing brace on a face line keeps it whole", "Object\nvertex\nface\n3 V(0) UV(1) }\n3 V(0) UV(1)\n",
     "Object\nvertex\nface\n3 V(0) UV(1) }\n3 V(0) UV(1)\n\n", false},
    {"two objects", "Object\nvertex\nface\nUV(1)\n}\nObject\nvertex\nface\nx UV(2)\n}\n",
     "Object\nvertex\nface\n\n}\nObject\nvertex\nface\nx \n}\n\n", true},
    {"zero bytes survive and hide what follows them", "Object\nvertex\nface\n3 V(0)\0UV(1)\n4 UV(2)\0x\n\0}\n}\n"s,
     "Object\nvertex\nface\n3 V(0)\0UV(1)\n4 \n\0}\n}\n\n"s, true},
    // Binary vertex chunks: the raw bytes after "Vector N [bytes]" are copied
    // unsearched, whatever they spell, and the faces lose their UVs.
    {"binary chunk whose raw data spells face, brace, uv and line feeds",
     "Object \"b\" {\n\tBVertex 2 {\n\t\tVector 2 [24]\n" + kRaw24 +
         "\n\t}\n\tface 1 {\n\t\t4 V(0 1 3 2) M(0) UID(2) UV(0 0 1 0 1 1 0 1)\n\t\t3 V(0 1 2) UV(1 1 1 1 1 "
         "1)\n\t}\n}\nEof\n",
     "Object \"b\" {\n\tBVertex 2 {\n\t\tVector 2 [24]\n" + kRaw24 +
         "\n\t}\n\tface 1 {\n\t\t4 V(0 1 3 2) M(0) UID(2) \n\t\t3 V(0 1 2) \n\t}\n}\nEof\n\n",
     true},
    {"binary chunk in a crlf file",
     "Object \"b\" {\r\n\tBVertex 2 {\r\n\t\tVector 2 [24]\r\n" + kRaw24 +
         "\r\n\t}\r\n\tface 1 {\r\n\t\t3 V(0 1 2) UV(0 0 1 0 1 1)\r\n\t}\r\n}\r\nEof\r\n",
     "Object \"b\" {\r\n\tBVertex 2 {\r\n\t\tVector 2 [24]\r\n" + kRaw24 +
         "\r\n\t}\r\n\tface 1 {\r\n\t\t3 V(0 1 2) \n\t}\r\n}\r\nEof\r\n\n",
     true},
    {"raw data cut short by the end of the file",
     "Object \"b\" {\n\tBVertex 2 {\n\t\tVector 2 [24]\n" + kRaw24.substr(0, 13),
     "Object \"b\" {\n\tBVertex 2 {\n\t\tVector 2 [24]\n" + kRaw24.substr(0, 13) + "\n", false},
    {"raw data ending exactly at the end of the file", "Object \"b\" {\nBVertex 2 {\nVector 2 [24]\n" + kRaw24,
     "Object \"b\" {\nBVertex 2 {\nVector 2 [24]\n" + kRaw24 + "\n", false},
    {"a text object after the binary one",
     "Object \"b\" {\nBVertex 2 {\nVector 2 [24]\n" + kRaw24 +
         "\n}\nface 1 {\n3 V(0 1 2) UV(0 0)\n}\n}\nObject \"t\" {\nvertex 1 {\nVector 3 [3]\n}\nface 1 {\n3 V(0) "
         "UV(1)\n}\n}\n",
     "Object \"b\" {\nBVertex 2 {\nVector 2 [24]\n" + kRaw24 +
         "\n}\nface 1 {\n3 V(0 1 2) \n}\n}\nObject \"t\" {\nvertex 1 {\nVector 3 [3]\n}\nface 1 {\n3 V(0) \n}\n}\n\n",
     true},
    {"raw data running into the next line", "Object\nBVertex\nVector [4]\nUV(face\n}\nface\nx UV(1)\n}\n",
     "Object\nBVertex\nVector [4]\nUV(face\n}\nface\nx \n}\n\n", true},
    {"a vector line in a text object announces nothing", "Object\nvertex\nVector [5]\nface\nx UV(1)\n}\n",
     "Object\nvertex\nVector [5]\nface\nx \n}\n\n", true},
    {"counts that are not a plain number in brackets",
     "Object\nBVertex\nVector [ 4]\nVector [4] \nVector []\nVector [-4]\nVector 4\nface\nx UV(1)\n}\n",
     "Object\nBVertex\nVector [ 4]\nVector [4] \nVector []\nVector [-4]\nVector 4\nface\nx \n}\n\n", true},
    {"a count larger than any file", "Object\nBVertex\nVector [99999999999999999999999]\nface\nx UV(1)\n}\n",
     "Object\nBVertex\nVector [99999999999999999999999]\nface\nx UV(1)\n}\n\n", false},
    {"vector hidden behind a zero byte", "Object\nBVertex\n\0Vector [2]\nface\nx UV(1)\n}\n"s,
     "Object\nBVertex\n\0Vector [2]\nface\nx \n}\n\n"s, true},
    {"the binary chunk line announcing data itself", "Object BVertex Vector [4]\nface\nface\nx UV(1)\n}\n",
     "Object BVertex Vector [4]\nface\nface\nx \n}\n\n", true},
};

class StripperTable : public ::testing::TestWithParam<Case> {};

TEST_P(StripperTable, MatchesTheExpectedOutputAndTheReference) {
  const Case& c = GetParam();
  const ReferenceResult reference = referenceConversion(c.input);
  EXPECT_EQ(reference.output, c.expected);
  EXPECT_EQ(reference.hadUV, c.hadUV);
  for (size_t block : {size_t(1), size_t(3), size_t(64), c.input.size() + 1}) {
    for (bool rawFirst : {false, true}) {
      const ReferenceResult streamed = stream(c.input, block, rawFirst);
      EXPECT_EQ(streamed.output, c.expected) << "block " << block << " raw first " << rawFirst;
      EXPECT_EQ(streamed.hadUV, c.hadUV) << "block " << block << " raw first " << rawFirst;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Table, StripperTable, ::testing::ValuesIn(kCases), [](const auto& info) {
  std::string n = info.param.label;
  for (char& ch : n) ch = isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
  return n;
});

// Random documents built from the pieces that steer the conversion, checked
// against the reference with random block sizes.
std::string randomDocument(std::mt19937& random) {
  static const char* const pieces[] = {
      "Object", "vertex", "face",   "}",        "UV(",      "UV",      "Obj",        "{",          " ",    "0 1",
      "\r",     "",       "COL(1)", "V(0 1 2)", "\x95\x5c", "BVertex", "Vector 8 [", "Vector [3]", "[12]", "Vector [0]",
  };
  std::string doc;
  const int lines = static_cast<int>(random() % 40);
  for (int i = 0; i < lines; ++i) {
    const int parts = static_cast<int>(random() % 5);
    for (int j = 0; j < parts; ++j) {
      const size_t k = random() % (std::size(pieces) + 1);
      if (k == std::size(pieces))
        doc.push_back(static_cast<char>(random() % 256));
      else if (pieces[k][0] == '\0')  // the empty piece stands for a zero byte
        doc.push_back('\0');
      else
        doc += pieces[k];
    }
    if (i + 1 < lines || random() % 2) doc += '\n';
  }
  return doc;
}

TEST(MqoUvStripper, RandomDocumentsMatchTheReference) {
  for (int iteration = 0; iteration < 20000; ++iteration) {
    std::mt19937 random(static_cast<unsigned>(iteration));
    const std::string doc = randomDocument(random);
    const size_t block = 1 + random() % 50;
    const ReferenceResult expected = referenceConversion(doc);
    const ReferenceResult actual = stream(doc, block, iteration % 2 == 1);
    ASSERT_EQ(actual.output, expected.output) << "iteration " << iteration << " block " << block;
    ASSERT_EQ(actual.hadUV, expected.hadUV) << "iteration " << iteration;
  }
}

// Inputs the fuzzer found interesting (and any that ever failed) are replayed
// here; the first byte of each picks the block size, as in the fuzzer.
TEST(MqoUvStripper, KeptFuzzInputsMatchTheReference) {
  const std::filesystem::path folder = std::filesystem::path(BRISEL_SOURCE_DIR) / "tests/inputs/fuzz_mqo_conversion";
  int replayed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.empty()) continue;
    const std::string doc = bytes.substr(1);
    const ReferenceResult expected = referenceConversion(doc);
    const ReferenceResult actual = stream(doc, 1 + static_cast<unsigned char>(bytes[0]) % 17);
    EXPECT_EQ(actual.output, expected.output) << entry.path();
    EXPECT_EQ(actual.hadUV, expected.hadUV) << entry.path();
    ++replayed;
  }
  EXPECT_GT(replayed, 0);
}

}  // namespace
