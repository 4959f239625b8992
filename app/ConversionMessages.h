// The lines the conversion writes to the message log, as code page 932 text.
// File names appear with their control characters as visible escapes (\n,
// \xHH), so that every message stays one line.
#pragma once

#include "framework/core/NVString.h"

namespace msg {

NVString prompt();                           // MQOファイルをここにD&Dしてください。
NVString notMqo();                           // mqoファイルではありません。
NVString cannotOpen(const NVString& name);   // 「name」が開けませんでした。
NVString processing(const NVString& name);   // 「name」を処理中です。
NVString readFailed(const NVString& name);   // 「name」の読み込みに失敗しました。
NVString lineTooLong(const NVString& name);  // 「name」の行が長すぎるため、処理できません。
NVString noUV();                             // UVデータが無いので、新規ファイルは作りません。
NVString uvRemoved();                        // UVデータ削除完了。
NVString writeFailed();                      // ファイル書き込み失敗。
NVString creating(const NVString& name);     // 「name」を作成します。
NVString finished();                         // 正しく終了しました。

}  // namespace msg
