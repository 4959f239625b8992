#include <gtest/gtest.h>
#include <sys/stat.h>

#ifndef _WIN32
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <optional>
#include <utility>

#include <string>
#include <vector>

#include "app/MessageLog.h"
#include "app/RemoveUV.h"
#include "platform/runtime/TextCodec.h"
#include "tests/support/TempDir.h"

namespace {

const std::string kWithUV =
    "Metasequoia Document\r\nFormat Text Ver 1.0\r\n\r\nObject \"obj1\" {\r\n\tvertex 3 {\r\n\t\t0 0 0\r\n\t}\r\n"
    "\tface 1 {\r\n\t\t3 V(0 1 2) M(0) UV(0 0 1 0 1 1)\r\n\t}\r\n}\r\nEof\r\n";
const std::string kWithUVConverted =
    "Metasequoia Document\r\nFormat Text Ver 1.0\r\n\r\nObject \"obj1\" {\r\n\tvertex 3 {\r\n\t\t0 0 0\r\n\t}\r\n"
    "\tface 1 {\r\n\t\t3 V(0 1 2) M(0) \n\t}\r\n}\r\nEof\r\n\n";
const std::string kWithoutUV = "Object \"a\" {\n vertex 0 {\n }\n face 1 {\n 3 V(0 1 2)\n }\n}\nEof\n";

// Runs the conversion on a UTF-8 path and returns the messages it logged,
// as UTF-8.
class RemoveUVTest : public ::testing::Test {
 protected:
  void SetUp() override { applicationLog().clear(); }

  bool convert(const std::string& utf8Path) {
    result_ = removeUV(NVString(hostPathToCp932(utf8Path)));
    return result_;
  }
  std::vector<std::string> messages() const {
    std::vector<std::string> lines;
    for (const NVString& line : applicationLog().snapshot()) lines.push_back(nvrt::cp932ToUtf8Display(line.bytes()));
    return lines;
  }
  int entries() const {
    int n = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path())) ++n;
    return n;
  }

  TempDir dir;
  bool result_ = false;
};

using Lines = std::vector<std::string>;

TEST_F(RemoveUVTest, WritesTheCopyBesideTheInputAndReportsEachStep) {
  writeFileBytes(dir.path() / "cube.mqo", kWithUV);
  EXPECT_TRUE(convert(dir.file("cube.mqo")));
  EXPECT_EQ(messages(), (Lines{"「cube.mqo」を処理中です。", "UVデータ削除完了。", "「cube_noUV.mqo」を作成します。",
                               "正しく終了しました。"}));
  EXPECT_EQ(readFileBytes(dir.path() / "cube_noUV.mqo"), kWithUVConverted);
  EXPECT_EQ(readFileBytes(dir.path() / "cube.mqo"), kWithUV);
  EXPECT_EQ(entries(), 2);
}

TEST_F(RemoveUVTest, OverwritesAnEarlierOutput) {
  writeFileBytes(dir.path() / "cube.mqo", kWithUV);
  writeFileBytes(dir.path() / "cube_noUV.mqo", "stale");
  EXPECT_TRUE(convert(dir.file("cube.mqo")));
  EXPECT_EQ(readFileBytes(dir.path() / "cube_noUV.mqo"), kWithUVConverted);
}

TEST_F(RemoveUVTest, NoUVDataWritesNothing) {
  writeFileBytes(dir.path() / "plain.mqo", kWithoutUV);
  EXPECT_TRUE(convert(dir.file("plain.mqo")));
  EXPECT_EQ(messages(), (Lines{"「plain.mqo」を処理中です。", "UVデータが無いので、新規ファイルは作りません。"}));
  EXPECT_EQ(entries(), 1);
}

TEST_F(RemoveUVTest, RefusedNames) {
  for (const char* name : {"a.MQO", "a.txt", "a", "a.mqo.bak", "a.mqox"}) {
    applicationLog().clear();
    writeFileBytes(dir.path() / name, kWithUV);
    EXPECT_FALSE(convert(dir.file(name))) << name;
    EXPECT_EQ(messages(), (Lines{"mqoファイルではありません。"})) << name;
  }
  EXPECT_EQ(entries(), 5);
}

TEST_F(RemoveUVTest, ADottedNameKeepsItsDots) {
  writeFileBytes(dir.path() / "a.b.mqo", kWithUV);
  EXPECT_TRUE(convert(dir.file("a.b.mqo")));
  EXPECT_EQ(readFileBytes(dir.path() / "a.b_noUV.mqo"), kWithUVConverted);
}

TEST_F(RemoveUVTest, UnopenableInputs) {
  std::filesystem::create_directory(dir.path() / "folder.mqo");
  std::vector<const char*> names = {"missing.mqo", "folder.mqo"};
#ifndef _WIN32  // Windows file systems have no named pipes.
  ASSERT_EQ(mkfifo(dir.file("pipe.mqo").c_str(), 0600), 0);
  names.push_back("pipe.mqo");
#endif
  for (const char* name : names) {
    applicationLog().clear();
    EXPECT_FALSE(convert(dir.file(name))) << name;
    EXPECT_EQ(messages(), (Lines{std::string("「") + name + "」が開けませんでした。"})) << name;
  }
  EXPECT_EQ(entries(), static_cast<int>(names.size()) - 1);
}

#ifndef _WIN32
// Runs the conversion in a child process as an ordinary user, since root
// reads files whatever their permissions. Returns the messages, one a line,
// and whether removeUV succeeded; nullopt where no user can be taken on.
std::optional<std::pair<std::string, bool>> convertAsOrdinaryUser(const std::string& utf8Path) {
  int channel[2];
  if (pipe(channel) != 0) return std::nullopt;
  const pid_t pid = fork();
  if (pid == 0) {
    close(channel[0]);
    // The conventional unprivileged user and group.
    if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0) _exit(77);
    const bool ok = removeUV(NVString(hostPathToCp932(utf8Path)));
    std::string lines;
    for (const NVString& line : applicationLog().snapshot()) lines += nvrt::cp932ToUtf8Display(line.bytes()) + "\n";
    if (write(channel[1], lines.data(), lines.size()) != static_cast<ssize_t>(lines.size())) _exit(76);
    _exit(ok ? 0 : 1);
  }
  close(channel[1]);
  std::string lines;
  char buffer[1024];
  for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;) lines.append(buffer, static_cast<size_t>(n));
  close(channel[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) return std::nullopt;
  return std::make_pair(lines, WEXITSTATUS(status) == 0);
}
#endif

TEST_F(RemoveUVTest, UnreadableInput) {
  writeFileBytes(dir.path() / "secret.mqo", kWithUV);
#ifdef _WIN32
  GTEST_SKIP() << "Windows file permissions do not stop reading through chmod";
#else
  chmod(dir.file("secret.mqo").c_str(), 0);
  if (geteuid() == 0) {
    // The folder is open to everyone: only the file's own permissions stop
    // the reading.
    chmod(dir.path().c_str(), 0777);
    const auto result = convertAsOrdinaryUser(dir.file("secret.mqo"));
    if (!result) GTEST_SKIP() << "no unprivileged user to run as";
    EXPECT_FALSE(result->second);
    EXPECT_EQ(result->first, "「secret.mqo」が開けませんでした。\n");
    EXPECT_EQ(entries(), 1);
    return;
  }
#endif
  EXPECT_FALSE(convert(dir.file("secret.mqo")));
  EXPECT_EQ(messages(), (Lines{"「secret.mqo」が開けませんでした。"}));
  EXPECT_EQ(entries(), 1);
}

TEST_F(RemoveUVTest, ControlCharactersInNamesAreShownEscaped) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows names cannot hold control characters";
#else
  const std::string base = "two\nlines\r\x7f\x01";
  writeFileBytes(dir.at(base + ".mqo"), kWithUV);
  EXPECT_TRUE(convert(dir.file(base + ".mqo")));
  EXPECT_EQ(messages(), (Lines{"「two\\nlines\\r\\x7F\\x01.mqo」を処理中です。", "UVデータ削除完了。",
                               "「two\\nlines\\r\\x7F\\x01_noUV.mqo」を作成します。", "正しく終了しました。"}));
  EXPECT_EQ(readFileBytes(dir.at(base + "_noUV.mqo")), kWithUVConverted);
  // The label shows one line per message.
  EXPECT_EQ(applicationLog().text().bytes().find("lines\r"), std::string::npos);
  EXPECT_EQ(entries(), 2);
#endif
}

// The output's name reaches the input itself, through a hard link or (where
// making one needs no privilege) a symbolic link.
TEST_F(RemoveUVTest, AnOutputThatIsTheInputIsNeverWritten) {
  enum class Link { hard, symbolic };
#ifdef _WIN32
  const std::vector<Link> links = {Link::hard};
#else
  const std::vector<Link> links = {Link::hard, Link::symbolic};
#endif
  for (const Link link : links) {
    for (const bool uv : {true, false}) {
      SCOPED_TRACE(std::string(link == Link::hard ? "hard" : "symbolic") + (uv ? ", UV" : ", no UV"));
      applicationLog().clear();
      const std::string content = uv ? kWithUV : kWithoutUV;
      writeFileBytes(dir.path() / "real_noUV.mqo", content);
      if (link == Link::hard) {
        std::filesystem::create_hard_link(dir.path() / "real_noUV.mqo", dir.path() / "real.mqo");
      } else {
        std::filesystem::create_symlink("real_noUV.mqo", dir.path() / "real.mqo");
      }
      EXPECT_EQ(convert(dir.file("real.mqo")), !uv);
      EXPECT_EQ(messages(),
                uv ? (Lines{"「real.mqo」を処理中です。", "UVデータ削除完了。", "ファイル書き込み失敗。"})
                   : (Lines{"「real.mqo」を処理中です。", "UVデータが無いので、新規ファイルは作りません。"}));
      EXPECT_EQ(readFileBytes(dir.path() / "real_noUV.mqo"), content);
      EXPECT_EQ(readFileBytes(dir.path() / "real.mqo"), content);
      EXPECT_EQ(entries(), 2);
      std::filesystem::remove(dir.path() / "real.mqo");
      std::filesystem::remove(dir.path() / "real_noUV.mqo");
    }
  }
}

TEST_F(RemoveUVTest, ReadOnlyFolderReportsTheFailedWrite) {
  writeFileBytes(dir.path() / "cube.mqo", kWithUV);
  ReadOnlyFolder readOnly(dir.path());
  if (!readOnly.active()) GTEST_SKIP() << "no way to make a read-only folder here";
  EXPECT_FALSE(convert(dir.file("cube.mqo")));
  EXPECT_EQ(messages(), (Lines{"「cube.mqo」を処理中です。", "UVデータ削除完了。", "ファイル書き込み失敗。"}));
  EXPECT_EQ(entries(), 1);
}

TEST_F(RemoveUVTest, ReadOnlyFolderWithoutUVDataIsNotAFailure) {
  writeFileBytes(dir.path() / "plain.mqo", kWithoutUV);
  ReadOnlyFolder readOnly(dir.path());
  if (!readOnly.active()) GTEST_SKIP() << "no way to make a read-only folder here";
  EXPECT_TRUE(convert(dir.file("plain.mqo")));
  EXPECT_EQ(messages(), (Lines{"「plain.mqo」を処理中です。", "UVデータが無いので、新規ファイルは作りません。"}));
}

TEST_F(RemoveUVTest, AFailedWriteIsReportedAndTheOldOutputSurvives) {
  // Larger than the conversion's output buffer, so the limit strikes while
  // streaming, and again at the final flush for the small case.
  for (size_t faces : {size_t(3), size_t(200000)}) {
    applicationLog().clear();
    std::string big = "Object\nvertex\nface\n";
    for (size_t i = 0; i < faces; ++i) big += "3 V(0 1 2) M(0) UV(0 0 1 0 1 1)\n";
    big += "}\n";
    writeFileBytes(dir.path() / "big.mqo", big);
    writeFileBytes(dir.path() / "big_noUV.mqo", "precious");
    {
      FileSizeLimit limit(40);
      if (!limit.active()) GTEST_SKIP() << "no file-size limit on this system";
      EXPECT_FALSE(convert(dir.file("big.mqo")));
    }
    EXPECT_EQ(messages(), (Lines{"「big.mqo」を処理中です。", "UVデータ削除完了。", "「big_noUV.mqo」を作成します。",
                                 "ファイル書き込み失敗。"}));
    EXPECT_EQ(readFileBytes(dir.path() / "big_noUV.mqo"), "precious");
    EXPECT_EQ(entries(), 2);
  }
}

TEST_F(RemoveUVTest, JapaneseAndUnrepresentableNames) {
  // 表 and ソ end in the byte of a backslash in code page 932.
  std::vector<std::string> bases = {"表示ソ", "😀", "한국어", "café"};
#ifndef _WIN32  // a separator on Windows
  bases.push_back("back\\slash");
#endif
  for (const std::string& base : bases) {
    applicationLog().clear();
    writeFileBytes(dir.at(base + ".mqo"), kWithUV);
    EXPECT_TRUE(convert(dir.file(base + ".mqo"))) << base;
    EXPECT_EQ(readFileBytes(dir.at(base + "_noUV.mqo")), kWithUVConverted) << base;
    EXPECT_EQ(messages().at(2), "「" + base + "_noUV.mqo」を作成します。");
  }
  EXPECT_EQ(entries(), 2 * static_cast<int>(bases.size()));
}

TEST_F(RemoveUVTest, LongPathsAreNotCut) {
  std::filesystem::path deep = dir.path();
  for (int i = 0; i < 3; ++i) deep /= std::string(120, 'd' + i);
  std::filesystem::create_directories(deep);
  const std::string base(200, 'n');
  writeFileBytes(deep / (base + ".mqo"), kWithUV);
  EXPECT_TRUE(convert((deep / (base + ".mqo")).string()));
  EXPECT_EQ(readFileBytes(deep / (base + "_noUV.mqo")), kWithUVConverted);
}

TEST_F(RemoveUVTest, AHugeSingleLineIsRefusedWithoutOutput) {
  std::string huge = "Object\nvertex\nface\n3 V(0) UV(0 ";
  huge.append(40u << 20, '1');
  writeFileBytes(dir.path() / "huge.mqo", huge);
  EXPECT_FALSE(convert(dir.file("huge.mqo")));
  EXPECT_EQ(messages(), (Lines{"「huge.mqo」を処理中です。", "「huge.mqo」の行が長すぎるため、処理できません。"}));
  EXPECT_EQ(entries(), 1);
}

TEST_F(RemoveUVTest, LinesAcrossReadBlocksConvertAsAWhole) {
  // Lines of every length around the read block size.
  std::string doc = "Object\nvertex\nface\n";
  std::string expected = doc;
  for (size_t len : {size_t(1) << 20, (size_t(1) << 20) - 1, size_t(3) << 20}) {
    const std::string head = "3 V(" + std::string(len, '0') + ") ";
    doc += head + "UV(1 1)\n";
    expected += head + "\n";
  }
  doc += "}\n";
  expected += "}\n\n";
  writeFileBytes(dir.path() / "long.mqo", doc);
  EXPECT_TRUE(convert(dir.file("long.mqo")));
  EXPECT_EQ(readFileBytes(dir.path() / "long_noUV.mqo"), expected);
}

TEST_F(RemoveUVTest, BinaryVertexChunksLargerThanTheLongestLine) {
  // Raw floats without a single line feed, longer than any line the
  // conversion accepts: they are copied as they come, not held as a line.
  std::string raw;
  for (size_t i = 0; raw.size() < (20u << 20); ++i) raw += i % 2 ? std::string("\0\0\x80?", 4) : "face}UV(";
  const std::string head =
      "Metasequoia Document\r\nFormat Text Ver 1.0\r\n\r\nObject \"b\" {\r\n\tBVertex 1 {\r\n\t\tVector 1 [" +
      std::to_string(raw.size()) + "]\r\n";
  const std::string tail = "\r\n\t}\r\n\tface 1 {\r\n\t\t3 V(0 1 2) M(0) UV(0 0 1 0 1 1)\r\n\t}\r\n}\r\nEof\r\n";
  writeFileBytes(dir.path() / "scan.mqo", head + raw + tail);
  EXPECT_TRUE(convert(dir.file("scan.mqo")));
  EXPECT_EQ(messages(), (Lines{"「scan.mqo」を処理中です。", "UVデータ削除完了。", "「scan_noUV.mqo」を作成します。",
                               "正しく終了しました。"}));
  const std::string converted = readFileBytes(dir.path() / "scan_noUV.mqo");
  EXPECT_TRUE(converted == head + raw + "\r\n\t}\r\n\tface 1 {\r\n\t\t3 V(0 1 2) M(0) \n\t}\r\n}\r\nEof\r\n\n");
}

}  // namespace
