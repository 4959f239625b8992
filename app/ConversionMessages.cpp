#include "app/ConversionMessages.h"

#include "platform/runtime/TextCodec.h"

namespace msg {

namespace {

// The sources are UTF-8; the program's text is code page 932.
NVString text(const char* utf8) { return NVString(nvrt::utf8ToCp932Text(utf8)); }

NVString quoted(const NVString& name, const char* utf8Tail) {
  return text("「") + name + text(utf8Tail);
}

}  // namespace

NVString prompt() { return text("MQOファイルをここにD&Dしてください。"); }
NVString notMqo() { return text("mqoファイルではありません。"); }
NVString cannotOpen(const NVString& name) { return quoted(name, "」が開けませんでした。"); }
NVString processing(const NVString& name) { return quoted(name, "」を処理中です。"); }
NVString readFailed(const NVString& name) { return quoted(name, "」の読み込みに失敗しました。"); }
NVString lineTooLong(const NVString& name) {
  return quoted(name, "」の行が長すぎるため、処理できません。");
}
NVString noUV() { return text("UVデータが無いので、新規ファイルは作りません。"); }
NVString uvRemoved() { return text("UVデータ削除完了。"); }
NVString writeFailed() { return text("ファイル書き込み失敗。"); }
NVString creating(const NVString& name) { return quoted(name, "」を作成します。"); }
NVString finished() { return text("正しく終了しました。"); }

}  // namespace msg
