#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/app/TestArchive.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace {

const std::string kWithUV = "Object\nvertex\nface\n3 V(0 1 2) UV(0 0 1 0 1 1)\n}\nEof\n";
const std::string kConverted = "Object\nvertex\nface\n3 V(0 1 2) \n}\nEof\n\n";
const std::string kWithoutUV = "Object\nvertex\nface\n3 V(0 1 2)\n}\n";

ProgramResult nouv(const std::vector<std::string>& args, const std::string& cwd = "") {
  return runProgram(builtProgram("brisel-nouv"), args, cwd);
}

TEST(BriselNouv, ConvertsEveryFileInOrderAndGoesOnAfterABadOne) {
  TempDir dir;
  writeFileBytes(dir.path() / "b.mqo", kWithUV);
  writeFileBytes(dir.path() / "a.mqo", kWithoutUV);
  const ProgramResult r = nouv({"b.mqo", "missing.mqo", "x.txt", "a.mqo"}, dir.path().string());
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out,
            "「b.mqo」を処理中です。\nUVデータ削除完了。\n「b_noUV.mqo」を作成します。\n正しく終了しました。\n"
            "「missing.mqo」が開けませんでした。\n"
            "mqoファイルではありません。\n"
            "「a.mqo」を処理中です。\nUVデータが無いので、新規ファイルは作りません。\n");
  EXPECT_EQ(readFileBytes(dir.path() / "b_noUV.mqo"), kConverted);
}

TEST(BriselNouv, ExitsZeroWhenEveryFileWasConvertedOrHadNoUV) {
  TempDir dir;
  writeFileBytes(dir.path() / "b.mqo", kWithUV);
  writeFileBytes(dir.path() / "a.mqo", kWithoutUV);
  EXPECT_EQ(nouv({dir.file("b.mqo"), dir.file("a.mqo")}).exitCode, 0);
}

TEST(BriselNouv, NamesInAndOutsideCodePage932) {
  TempDir dir;
  for (std::string base : {"表示モデル", "😀顔", "한국어"}) {
    writeFileBytes(dir.path() / (base + ".mqo"), kWithUV);
    const ProgramResult r = nouv({dir.file(base + ".mqo")});
    EXPECT_EQ(r.exitCode, 0) << base;
    EXPECT_EQ(r.out, "「" + base + ".mqo」を処理中です。\nUVデータ削除完了。\n「" + base +
                         "_noUV.mqo」を作成します。\n正しく終了しました。\n");
    EXPECT_EQ(readFileBytes(dir.path() / (base + "_noUV.mqo")), kConverted) << base;
  }
}

TEST(BriselNouv, ANameThatIsNotUTF8ShowsAReplacementMark) {
  TempDir dir;
  const std::string base = "bad\xff";
  writeFileBytes(dir.path() / (base + ".mqo"), kWithUV);
  const ProgramResult r = nouv({dir.file(base + ".mqo")});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "「bad\xef\xbf\xbd.mqo」を処理中です。");
  EXPECT_EQ(readFileBytes(dir.path() / (base + "_noUV.mqo")), kConverted);
}

struct UsageCase {
  std::vector<std::string> args;
  int exitCode;
  const char* outStart;  // what standard output starts with
  bool errEmpty;
};

TEST(BriselNouv, Usage) {
  const UsageCase cases[] = {
      {{}, 2, "", false},
      {{"--help"}, 0, "usage: brisel-nouv", true},
      {{"--version"}, 0, "brisel-nouv ", true},
      {{"--frobnicate", "a.mqo"}, 2, "", false},
      {{"--"}, 2, "", false},
  };
  for (const UsageCase& c : cases) {
    const ProgramResult r = nouv(c.args);
    EXPECT_EQ(r.exitCode, c.exitCode) << ::testing::PrintToString(c.args);
    EXPECT_EQ(r.out.substr(0, std::string(c.outStart).size()), c.outStart);
    EXPECT_EQ(r.err.empty(), c.errEmpty) << r.err;
  }
}

TEST(BriselNouv, DoubleDashAllowsNamesThatLookLikeOptions) {
  TempDir dir;
  writeFileBytes(dir.path() / "-odd.mqo", kWithUV);
  const ProgramResult r = nouv({"--", "-odd.mqo"}, dir.path().string());
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(readFileBytes(dir.path() / "-odd_noUV.mqo"), kConverted);
}

TEST(BriselNouv, ConvertsCompressedModels) {
  TempDir dir;
  writeFileBytes(dir.path() / "m.mqoz", buildArchive({{"m.mqo", kWithUV}}));
  writeFileBytes(dir.path() / "bad.mqoz", "PK\3\4 not an archive");
  const ProgramResult r = nouv({"m.mqoz", "bad.mqoz"}, dir.path().string());
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out,
            "「m.mqoz」を処理中です。\nUVデータ削除完了。\n「m_noUV.mqoz」を作成します。\n正しく終了しました。\n"
            "「bad.mqoz」を処理中です。\n「bad.mqoz」の読み込みに失敗しました。\n");
  const std::vector<ArchiveEntry> entries = readArchive(readFileBytes(dir.path() / "m_noUV.mqoz"));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name, "m_noUV.mqo");
  EXPECT_EQ(entries[0].bytes, kConverted);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "bad_noUV.mqoz"));
}

// Whether `commit` is what --version names: twelve hex digits, possibly
// followed by "+changes", or "unknown".
bool isCommitName(const std::string& commit) {
  if (commit == "unknown") return true;
  const std::string digits = commit.substr(0, 12);
  const std::string rest = commit.substr(digits.size());
  return digits.size() == 12 && digits.find_first_not_of("0123456789abcdef") == std::string::npos &&
         (rest.empty() || rest == "+changes");
}

// Both programs name the version and the commit they were built from, and
// need no desktop for it.
TEST(BriselPrograms, VersionNamesTheVersionAndTheCommit) {
  for (const std::string program : {"brisel-nouv", "brisel"}) {
    const ProgramResult r = runProgram(builtProgram(program), {"--version"});
    EXPECT_EQ(r.exitCode, 0) << program << ": " << r.err;
    const std::string head = program + " " + BRISEL_VERSION + " (commit ";
    ASSERT_EQ(r.out.rfind(head, 0), 0u) << program << ": " << r.out;
    ASSERT_GE(r.out.size(), head.size() + 2) << r.out;
    ASSERT_EQ(r.out.substr(r.out.size() - 2), ")\n") << r.out;
    EXPECT_TRUE(isCommitName(r.out.substr(head.size(), r.out.size() - head.size() - 2))) << r.out;
    EXPECT_TRUE(r.err.empty()) << r.err;
  }
}

}  // namespace
