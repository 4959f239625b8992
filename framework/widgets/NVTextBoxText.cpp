#include "framework/widgets/NVTextBoxText.h"

namespace nvtextbox {

bool isLeadByte(unsigned char byte) { return (byte >= 0x80 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

namespace {
// The start of the character that covers `position`, walking from the front.
int walkTo(const NVString& text, int position) {
  const std::string& bytes = text.bytes();
  int at = 0;
  while (at < position && at < static_cast<int>(bytes.size())) {
    const int step = isLeadByte(static_cast<unsigned char>(bytes[at])) ? 2 : 1;
    if (at + step > position) break;
    at += step;
  }
  return at;
}
}  // namespace

bool characterStartsAt(const NVString& text, int position) {
  if (position < 0 || position >= text.length()) return false;
  return walkTo(text, position) == position && isLeadByte(static_cast<unsigned char>(text.bytes()[position]));
}

bool isInsideCharacter(const NVString& text, int position) {
  if (position <= 0 || position >= text.length()) return false;
  return walkTo(text, position) == position - 1;
}

namespace {
char mapPunctuation(std::uint8_t key, bool shifted) {
  static const char kOem[][3] = {{'\xBA', ':', '*'},  {'\xBB', ';', '+'}, {'\xBC', ',', '<'}, {'\xBD', '-', '='},
                                 {'\xBE', '.', '>'},  {'\xBF', '/', '?'}, {'\xC0', '@', '`'}, {'\xDB', '[', '{'},
                                 {'\xDC', '\\', '|'}, {'\xDD', ']', '}'}, {'\xDE', '^', '~'}, {'\xE2', '\\', '_'}};
  for (const auto& row : kOem)
    if (static_cast<std::uint8_t>(row[0]) == key) return shifted ? row[2] : row[1];
  return 0;
}
}  // namespace

char mapKey(std::uint8_t key, bool shifted) {
  if (key == 0x20) return ' ';
  if (key == 0x30) return shifted ? 0 : '0';
  if (key >= 0x31 && key <= 0x39) return static_cast<char>(shifted ? key - 0x10 : key);
  if (key >= 0x41 && key <= 0x5A) return static_cast<char>(shifted ? key : key + 0x20);
  if (key >= 0x60 && key <= 0x69) return static_cast<char>('0' + key - 0x60);
  switch (key) {
    case 0x6A: return '*';
    case 0x6B: return '+';
    case 0x6D: return '-';
    case 0x6E: return '.';
    case 0x6F: return '/';
    default: return mapPunctuation(key, shifted);
  }
}

}  // namespace nvtextbox
