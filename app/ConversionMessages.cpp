#include "app/ConversionMessages.h"

#include "platform/runtime/TextCodec.h"

namespace msg {

namespace {

// The sources are UTF-8; the program's text is code page 932.
NVString text(const char* utf8) { return NVString(nvrt::utf8ToCp932Text(utf8)); }

bool isLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
bool isTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

// A file name as a message shows it: control characters (a line feed would
// break the log's lines) become visible escapes, \n, \r, \t or \xHH. So
// does a lead byte without its second byte, which would otherwise swallow
// the next character. Everything else stays as it is.
std::string visibleName(const std::string& name) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string shown;
  for (size_t i = 0; i < name.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (isLeadByte(c) && i + 1 < name.size() && isTrailByte(static_cast<unsigned char>(name[i + 1]))) {
      shown.append(name, i++, 2);
    } else if (c == '\n') {
      shown += "\\n";
    } else if (c == '\r') {
      shown += "\\r";
    } else if (c == '\t') {
      shown += "\\t";
    } else if (c < 0x20 || c == 0x7F || isLeadByte(c)) {
      shown += "\\x";
      shown += kHex[c >> 4];
      shown += kHex[c & 15];
    } else {
      shown += static_cast<char>(c);
    }
  }
  return shown;
}

NVString quoted(const NVString& name, const char* utf8Tail) {
  return text("「") + NVString(visibleName(name.bytes())) + text(utf8Tail);
}

}  // namespace

NVString prompt() { return text("MQOファイルをここにD&Dしてください。"); }
NVString notMqo() { return text("mqoファイルではありません。"); }
NVString cannotOpen(const NVString& name) { return quoted(name, "」が開けませんでした。"); }
NVString processing(const NVString& name) { return quoted(name, "」を処理中です。"); }
NVString readFailed(const NVString& name) { return quoted(name, "」の読み込みに失敗しました。"); }
NVString lineTooLong(const NVString& name) { return quoted(name, "」の行が長すぎるため、処理できません。"); }
NVString noUV() { return text("UVデータが無いので、新規ファイルは作りません。"); }
NVString uvRemoved() { return text("UVデータ削除完了。"); }
NVString writeFailed() { return text("ファイル書き込み失敗。"); }
NVString creating(const NVString& name) { return quoted(name, "」を作成します。"); }
NVString finished() { return text("正しく終了しました。"); }

}  // namespace msg
