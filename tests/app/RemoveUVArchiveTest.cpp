#include <gtest/gtest.h>
#include <zip.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/MessageLog.h"
#include "app/RemoveUV.h"
#include "platform/runtime/TextCodec.h"
#include "tests/app/ArchiveConversionCheck.h"
#include "tests/app/TestArchive.h"
#include "tests/support/TempDir.h"

namespace {

const std::string kWithUV =
    "Metasequoia Document\r\nFormat Text Ver 1.0\r\n\r\nObject \"obj1\" {\r\n\tvertex 3 {\r\n\t\t0 0 0\r\n\t}\r\n"
    "\tface 1 {\r\n\t\t3 V(0 1 2) M(0) UV(0 0 1 0 1 1)\r\n\t}\r\n}\r\nEof\r\n";
const std::string kWithUVConverted =
    "Metasequoia Document\r\nFormat Text Ver 1.0\r\n\r\nObject \"obj1\" {\r\n\tvertex 3 {\r\n\t\t0 0 0\r\n\t}\r\n"
    "\tface 1 {\r\n\t\t3 V(0 1 2) M(0) \n\t}\r\n}\r\nEof\r\n\n";
const std::string kWithoutUV = "Object \"a\" {\n vertex 0 {\n }\n face 1 {\n 3 V(0 1 2)\n }\n}\nEof\n";
const std::string kWithoutUVConverted = kWithoutUV + "\n";
const std::string kThumbnail = std::string("\xFF\xD8\xFF\xE0 not really a JPEG \0\x01\x02\n", 26);

using Lines = std::vector<std::string>;

Lines convertedSteps(const std::string& input, const std::string& output) {
  return {"「" + input + "」を処理中です。", "UVデータ削除完了。", "「" + output + "」を作成します。",
          "正しく終了しました。"};
}

// Runs the conversion on archives written into a fresh folder and returns
// the messages it logged, as UTF-8.
class RemoveUVArchiveTest : public ::testing::Test {
 protected:
  void SetUp() override { applicationLog().clear(); }

  void write(const std::string& name, const std::vector<TestMember>& members) {
    writeFileBytes(dir.at(name), buildArchive(members));
  }
  bool convert(const std::string& name) { return removeUV(NVString(dir.cp932File(name))); }
  Lines messages() const {
    Lines lines;
    for (const NVString& line : applicationLog().snapshot()) lines.push_back(nvrt::cp932ToUtf8Display(line.bytes()));
    return lines;
  }
  std::vector<std::string> files() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  std::vector<ArchiveEntry> output(const std::string& name) const { return readArchive(readFileBytes(dir.at(name))); }

  TempDir dir;
};

TEST_F(RemoveUVArchiveTest, ConvertsTheModelAndCopiesTheThumbnail) {
  write("cube.mqoz", {{"cube.mqo", kWithUV}, {"thumbnail.jpg", kThumbnail, true, false, false, 1600000000}});
  const std::string input = readFileBytes(dir.at("cube.mqoz"));
  EXPECT_TRUE(convert("cube.mqoz"));
  EXPECT_EQ(messages(), convertedSteps("cube.mqoz", "cube_noUV.mqoz"));
  EXPECT_EQ(files(), (std::vector<std::string>{"cube.mqoz", "cube_noUV.mqoz"}));
  EXPECT_EQ(readFileBytes(dir.at("cube.mqoz")), input);
  const std::vector<ArchiveEntry> entries = output("cube_noUV.mqoz");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].name, "cube_noUV.mqo");
  EXPECT_EQ(entries[0].bytes, kWithUVConverted);
  EXPECT_EQ(entries[0].method, ZIP_CM_DEFLATE);
  EXPECT_EQ(entries[0].mtime, 1700000000);
  EXPECT_EQ(entries[1].name, "thumbnail.jpg");
  EXPECT_EQ(entries[1].bytes, kThumbnail);
  EXPECT_EQ(entries[1].method, ZIP_CM_STORE);
  EXPECT_EQ(entries[1].mtime, 1600000000);
}

TEST_F(RemoveUVArchiveTest, CopiesOtherMembersCompressedBytesAsTheyAre) {
  const std::string big(100000, 'x');
  write("m.mqoz", {{"m.mqo", kWithUV}, {"data.bin", big}});
  const std::vector<ArchiveEntry> in = readArchive(readFileBytes(dir.at("m.mqoz")));
  ASSERT_TRUE(convert("m.mqoz"));
  const std::vector<ArchiveEntry> out = output("m_noUV.mqoz");
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[1].bytes, big);
  EXPECT_EQ(out[1].method, ZIP_CM_DEFLATE);
  EXPECT_EQ(out[1].compressedSize, in[1].compressedSize);
}

TEST_F(RemoveUVArchiveTest, WithoutUVDataWritesNothing) {
  const std::vector<std::vector<TestMember>> cases = {
      {{"plain.mqo", kWithoutUV}, {"thumbnail.jpg", kThumbnail}},
      {{"thumbnail.jpg", kThumbnail}},  // no model at all
      {},                               // an empty archive
      {{"UV.MQO", kWithUV}},            // not a model name: only .mqo counts
  };
  for (const std::vector<TestMember>& members : cases) {
    applicationLog().clear();
    // libzip writes no archive without members; an empty one is just the
    // end record.
    const std::string bytes =
        members.empty() ? std::string("PK\5\6", 4) + std::string(18, '\0') : buildArchive(members);
    writeFileBytes(dir.at("plain.mqoz"), bytes);
    EXPECT_TRUE(convert("plain.mqoz"));
    EXPECT_EQ(messages(), (Lines{"「plain.mqoz」を処理中です。", "UVデータが無いので、新規ファイルは作りません。"}));
    EXPECT_EQ(files(), (std::vector<std::string>{"plain.mqoz"}));
  }
}

TEST_F(RemoveUVArchiveTest, ConvertsEveryModelAndRenamesOnlyTheOneNamedLikeTheArchive) {
  write("scene.mqoz", {{"parts/other.mqo", kWithoutUV}, {"scene.mqo", kWithUV}, {"readme.txt", "UV(1 2)\n"}});
  EXPECT_TRUE(convert("scene.mqoz"));
  EXPECT_EQ(messages(), convertedSteps("scene.mqoz", "scene_noUV.mqoz"));
  const std::vector<ArchiveEntry> entries = output("scene_noUV.mqoz");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "parts/other.mqo");
  EXPECT_EQ(entries[0].bytes, kWithoutUVConverted);
  EXPECT_EQ(entries[1].name, "scene_noUV.mqo");
  EXPECT_EQ(entries[1].bytes, kWithUVConverted);
  EXPECT_EQ(entries[2].name, "readme.txt");
  EXPECT_EQ(entries[2].bytes, "UV(1 2)\n");
}

TEST_F(RemoveUVArchiveTest, JapaneseNamesInUtf8AndCodePage932) {
  const std::string model = "立方体";
  const std::string cp932 = nvrt::utf8ToCp932Text(model);
  struct Case {
    std::string memberName;
    bool raw;
    std::string expectedName;
  };
  for (const Case& c :
       {Case{model + ".mqo", false, model + "_noUV.mqo"}, Case{cp932 + ".mqo", true, cp932 + "_noUV.mqo"}}) {
    applicationLog().clear();
    write(model + ".mqoz", {{c.memberName, kWithUV, false, c.raw}});
    EXPECT_TRUE(convert(model + ".mqoz"));
    EXPECT_EQ(messages(), convertedSteps(model + ".mqoz", model + "_noUV.mqoz"));
    const std::vector<ArchiveEntry> entries = output(model + "_noUV.mqoz");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, c.expectedName) << c.raw;
    EXPECT_EQ(entries[0].bytes, kWithUVConverted);
  }
}

TEST_F(RemoveUVArchiveTest, AStoredModelStaysStored) {
  write("s.mqoz", {{"s.mqo", kWithUV, true}});
  EXPECT_TRUE(convert("s.mqoz"));
  const std::vector<ArchiveEntry> entries = output("s_noUV.mqoz");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].bytes, kWithUVConverted);
  EXPECT_EQ(entries[0].method, ZIP_CM_STORE);
}

TEST_F(RemoveUVArchiveTest, OverwritesAnEarlierOutput) {
  write("c.mqoz", {{"c.mqo", kWithUV}});
  writeFileBytes(dir.at("c_noUV.mqoz"), "stale");
  EXPECT_TRUE(convert("c.mqoz"));
  EXPECT_EQ(output("c_noUV.mqoz")[0].bytes, kWithUVConverted);
}

// Archives that cannot be read whole get the read-failure message, and
// nothing is written (an earlier output stays as it was).
TEST_F(RemoveUVArchiveTest, UnreadableArchivesWriteNothing) {
  const std::string good = buildArchive({{"bad.mqo", kWithUV}, {"thumbnail.jpg", kThumbnail}});
  const std::size_t centralDirectory = good.find("PK\1\2");
  ASSERT_NE(centralDirectory, std::string::npos);
  const std::string endRecord = good.substr(good.size() - 22);
  std::string badChecksum = good;
  badChecksum[good.find("thumbnail.jpg") + 20] ^= 0x55;  // inside the thumbnail's data
  std::string noEnd = good.substr(0, good.size() - 22);
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"truncated central directory", good.substr(0, centralDirectory + 30) + endRecord},
      {"no end record", noEnd},
      {"cut in the middle", good.substr(0, good.size() / 2)},
      {"empty file", ""},
      {"text file", kWithUV},
      {"damaged member data", badChecksum},
      {"encrypted model", buildArchive({{"bad.mqo", kWithUV, false, false, true}})},
      {"encrypted thumbnail", buildArchive({{"bad.mqo", kWithUV}, {"t.jpg", kThumbnail, false, false, true}})},
      {"declares more than it holds", withDeclaredSize(buildArchive({{"bad.mqo", kWithUV}}), 0xFFFFFFF0u)},
      {"holds more than it declares", withDeclaredSize(buildArchive({{"bad.mqo", kWithUV}}), 40)},
  };
  writeFileBytes(dir.at("bad_noUV.mqoz"), "earlier");
  for (const auto& [what, bytes] : cases) {
    applicationLog().clear();
    writeFileBytes(dir.at("bad.mqoz"), bytes);
    EXPECT_FALSE(convert("bad.mqoz")) << what;
    EXPECT_EQ(messages(), (Lines{"「bad.mqoz」を処理中です。", "「bad.mqoz」の読み込みに失敗しました。"})) << what;
    EXPECT_EQ(files(), (std::vector<std::string>{"bad.mqoz", "bad_noUV.mqoz"})) << what;
    EXPECT_EQ(readFileBytes(dir.at("bad_noUV.mqoz")), "earlier") << what;
    EXPECT_EQ(readFileBytes(dir.at("bad.mqoz")), bytes) << what;
  }
}

TEST_F(RemoveUVArchiveTest, OnlyTheExactExtensionCounts) {
  for (const char* name : {"a.MQOZ", "a.Mqoz", "a.mqoz.bak", "a.mqozz"}) {
    applicationLog().clear();
    write(name, {{"a.mqo", kWithUV}});
    EXPECT_FALSE(convert(name)) << name;
    EXPECT_EQ(messages(), (Lines{"mqoファイルではありません。"})) << name;
  }
  for (const std::string& file : files()) EXPECT_EQ(file.find("_noUV"), std::string::npos) << file;
}

TEST_F(RemoveUVArchiveTest, AMissingArchiveCannotBeOpened) {
  EXPECT_FALSE(convert("missing.mqoz"));
  EXPECT_EQ(messages(), (Lines{"「missing.mqoz」が開けませんでした。"}));
}

TEST_F(RemoveUVArchiveTest, AnOverlongLineIsRefused) {
  write("long.mqoz", {{"long.mqo", "Object\nvertex\nface\n3 UV(1)\n" + std::string(20 << 20, 'a')}});
  EXPECT_FALSE(convert("long.mqoz"));
  EXPECT_EQ(messages(), (Lines{"「long.mqoz」を処理中です。", "「long.mqoz」の行が長すぎるため、処理できません。"}));
  EXPECT_EQ(files(), (std::vector<std::string>{"long.mqoz"}));
}

TEST_F(RemoveUVArchiveTest, AReadOnlyFolderGetsTheWriteFailureAndNoOutput) {
  write("r.mqoz", {{"r.mqo", kWithUV}});
  ReadOnlyFolder readOnly(dir.path());
  if (!readOnly.active()) GTEST_SKIP() << "no way to make a folder read-only here";
  EXPECT_FALSE(convert("r.mqoz"));
  EXPECT_EQ(messages(), (Lines{"「r.mqoz」を処理中です。", "UVデータ削除完了。", "ファイル書き込み失敗。"}));
  EXPECT_EQ(files(), (std::vector<std::string>{"r.mqoz"}));
}

// A model far larger than the conversion's blocks, with lines split across
// them, converts like the same text as a plain model file.
TEST_F(RemoveUVArchiveTest, ALargeModelConvertsLikeThePlainFile) {
  std::string model = "Metasequoia Document\r\nObject \"big\" {\r\n vertex 3 {\r\n 0 0 0\r\n }\r\n face 200000 {\r\n";
  for (int i = 0; i < 200000; ++i) model += " 3 V(" + std::to_string(i) + " 1 2) M(0) UV(0.5 0.25 1 0 1 1)\r\n";
  model += " }\r\n}\r\nEof";
  write("big.mqoz", {{"big.mqo", model}});
  writeFileBytes(dir.at("big.mqo"), model);
  EXPECT_TRUE(convert("big.mqoz"));
  EXPECT_TRUE(convert("big.mqo"));
  const std::vector<ArchiveEntry> entries = output("big_noUV.mqoz");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].bytes, readFileBytes(dir.at("big_noUV.mqo")));
}

TEST_F(RemoveUVArchiveTest, ABinaryVertexChunkLongerThanAnyLineConvertsLikeThePlainFile) {
  // Raw floats without a line feed, longer than the longest line a model may
  // have: the member must stream them through as the plain file does.
  std::string raw;
  for (size_t i = 0; raw.size() < (20u << 20); ++i) raw += i % 2 ? std::string("\0\0\x80?", 4) : "face}UV(";
  const std::string model = "Metasequoia Document\r\nObject \"b\" {\r\n\tBVertex 1 {\r\n\t\tVector 1 [" +
                            std::to_string(raw.size()) + "]\r\n" + raw +
                            "\r\n\t}\r\n\tface 1 {\r\n\t\t3 V(0 1 2) M(0) UV(0 0 1 0 1 1)\r\n\t}\r\n}\r\nEof\r\n";
  write("bin.mqoz", {{"bin.mqo", model}});
  writeFileBytes(dir.at("bin.mqo"), model);
  EXPECT_TRUE(convert("bin.mqoz"));
  EXPECT_TRUE(convert("bin.mqo"));
  const std::vector<ArchiveEntry> entries = output("bin_noUV.mqoz");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name, "bin_noUV.mqo");
  EXPECT_TRUE(entries[0].bytes == readFileBytes(dir.at("bin_noUV.mqo")));
}

// Inputs the fuzzer found interesting (and any that ever failed) are replayed
// here with the fuzzer's own checks.
TEST(RemoveUVArchiveFuzzInputs, KeptInputsKeepEveryPromise) {
  const std::filesystem::path folder = std::filesystem::path(BRISEL_SOURCE_DIR) / "tests/inputs/fuzz_mqoz_conversion";
  int replayed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    TempDir dir;
    EXPECT_EQ(checkArchiveConversion(dir.path(), bytes), "") << entry.path();
    ++replayed;
  }
  EXPECT_GE(replayed, 4);
}

}  // namespace
