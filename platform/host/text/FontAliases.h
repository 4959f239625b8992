// The face names the framework asks for, mapped to the Japanese gothic fonts
// installed on Linux. Without these rules fontconfig answers the Japanese
// names with a default face that has no kana at all. The rules are compiled
// in so that no file outside the program has to be installed for them.
#pragma once

namespace nvhost::text {

inline constexpr const char kFontAliasConfig[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <match target="pattern">
    <test qual="any" name="family"><string>ＭＳ Ｐゴシック</string></test>
    <edit name="family" mode="assign" binding="strong"><string>IPAPGothic</string></edit>
  </match>
  <match target="pattern">
    <test qual="any" name="family"><string>MS PGothic</string></test>
    <edit name="family" mode="assign" binding="strong"><string>IPAPGothic</string></edit>
  </match>
  <match target="pattern">
    <test qual="any" name="family"><string>ＭＳ ゴシック</string></test>
    <edit name="family" mode="assign" binding="strong"><string>IPAGothic</string></edit>
  </match>
  <match target="pattern">
    <test qual="any" name="family"><string>MS Gothic</string></test>
    <edit name="family" mode="assign" binding="strong"><string>IPAGothic</string></edit>
  </match>
  <match target="pattern">
    <test qual="any" name="family"><string>メイリオ</string></test>
    <edit name="family" mode="assign" binding="strong"><string>IPAexGothic</string></edit>
  </match>
  <match target="pattern">
    <test qual="any" name="family"><string>Meiryo</string></test>
    <edit name="family" mode="assign" binding="strong"><string>IPAexGothic</string></edit>
  </match>
</fontconfig>
)";

}  // namespace nvhost::text
