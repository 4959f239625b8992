// Scancodes to virtual keys.
//  [x] letters, digits, function keys, editing and arrow keys, the numeric
//      keypad, left and right modifiers, Caps Lock, Num Lock, Scroll Lock
//  [x] the punctuation of the Japanese layout by key position, the yen and
//      ro keys, henkan, muhenkan, katakana/hiragana and hankaku/zenkaku
//  [ ] F13 to F24, media and browser keys
#include "platform/host/display/sdl/keys.h"

namespace nvhost::sdl {

namespace {

// Virtual keys the host's headers do not name.
constexpr BYTE kVkApps = 0x5D;
constexpr BYTE kVkSnapshot = 0x2C;
constexpr BYTE kVkOem3 = 0xC0;    // '@' on the Japanese layout
constexpr BYTE kVkOem4 = 0xDB;    // '['
constexpr BYTE kVkOem5 = 0xDC;    // yen
constexpr BYTE kVkOem6 = 0xDD;    // ']'
constexpr BYTE kVkOem7 = 0xDE;    // '^'
constexpr BYTE kVkOem102 = 0xE2;  // '\' and '_' (the ro key)

struct KeyPair {
  SDL_Scancode code;
  BYTE virtualKey;
};

constexpr KeyPair kKeys[] = {
    {SDL_SCANCODE_RETURN, VK_RETURN},
    {SDL_SCANCODE_ESCAPE, VK_ESCAPE},
    {SDL_SCANCODE_BACKSPACE, VK_BACK},
    {SDL_SCANCODE_TAB, VK_TAB},
    {SDL_SCANCODE_SPACE, VK_SPACE},
    {SDL_SCANCODE_MINUS, VK_OEM_MINUS},
    {SDL_SCANCODE_EQUALS, kVkOem7},
    {SDL_SCANCODE_LEFTBRACKET, kVkOem3},
    {SDL_SCANCODE_RIGHTBRACKET, kVkOem4},
    {SDL_SCANCODE_BACKSLASH, kVkOem6},
    {SDL_SCANCODE_NONUSHASH, kVkOem6},
    {SDL_SCANCODE_SEMICOLON, VK_OEM_PLUS},
    {SDL_SCANCODE_APOSTROPHE, VK_OEM_1},
    {SDL_SCANCODE_GRAVE, VK_KANJI},
    {SDL_SCANCODE_COMMA, VK_OEM_COMMA},
    {SDL_SCANCODE_PERIOD, VK_OEM_PERIOD},
    {SDL_SCANCODE_SLASH, VK_OEM_2},
    {SDL_SCANCODE_CAPSLOCK, VK_CAPITAL},
    {SDL_SCANCODE_PRINTSCREEN, kVkSnapshot},
    {SDL_SCANCODE_SCROLLLOCK, VK_SCROLL},
    {SDL_SCANCODE_PAUSE, VK_PAUSE},
    {SDL_SCANCODE_INSERT, VK_INSERT},
    {SDL_SCANCODE_HOME, VK_HOME},
    {SDL_SCANCODE_PAGEUP, VK_PRIOR},
    {SDL_SCANCODE_DELETE, VK_DELETE},
    {SDL_SCANCODE_END, VK_END},
    {SDL_SCANCODE_PAGEDOWN, VK_NEXT},
    {SDL_SCANCODE_RIGHT, VK_RIGHT},
    {SDL_SCANCODE_LEFT, VK_LEFT},
    {SDL_SCANCODE_DOWN, VK_DOWN},
    {SDL_SCANCODE_UP, VK_UP},
    {SDL_SCANCODE_NUMLOCKCLEAR, VK_NUMLOCK},
    {SDL_SCANCODE_KP_DIVIDE, VK_DIVIDE},
    {SDL_SCANCODE_KP_MULTIPLY, VK_MULTIPLY},
    {SDL_SCANCODE_KP_MINUS, VK_SUBTRACT},
    {SDL_SCANCODE_KP_PLUS, VK_ADD},
    {SDL_SCANCODE_KP_ENTER, VK_RETURN},
    {SDL_SCANCODE_KP_PERIOD, VK_DECIMAL},
    {SDL_SCANCODE_KP_0, VK_NUMPAD0},
    {SDL_SCANCODE_APPLICATION, kVkApps},
    {SDL_SCANCODE_INTERNATIONAL1, kVkOem102},
    {SDL_SCANCODE_INTERNATIONAL2, VK_KANA},
    {SDL_SCANCODE_INTERNATIONAL3, kVkOem5},
    {SDL_SCANCODE_INTERNATIONAL4, VK_CONVERT},
    {SDL_SCANCODE_INTERNATIONAL5, VK_NONCONVERT},
    {SDL_SCANCODE_LANG1, VK_KANA},
    {SDL_SCANCODE_LANG2, VK_KANJI},
    {SDL_SCANCODE_LCTRL, VK_LCONTROL},
    {SDL_SCANCODE_LSHIFT, VK_LSHIFT},
    {SDL_SCANCODE_LALT, VK_LMENU},
    {SDL_SCANCODE_LGUI, VK_LWIN},
    {SDL_SCANCODE_RCTRL, VK_RCONTROL},
    {SDL_SCANCODE_RSHIFT, VK_RSHIFT},
    {SDL_SCANCODE_RALT, VK_RMENU},
    {SDL_SCANCODE_RGUI, VK_RWIN},
};

}  // namespace

BYTE virtualKeyOf(SDL_Scancode code) {
  if (code >= SDL_SCANCODE_A && code <= SDL_SCANCODE_Z) return static_cast<BYTE>('A' + (code - SDL_SCANCODE_A));
  // SDL orders the digit row 1 to 9, then 0.
  if (code >= SDL_SCANCODE_1 && code <= SDL_SCANCODE_9) return static_cast<BYTE>('1' + (code - SDL_SCANCODE_1));
  if (code == SDL_SCANCODE_0) return '0';
  if (code >= SDL_SCANCODE_F1 && code <= SDL_SCANCODE_F12) {
    return static_cast<BYTE>(VK_F1 + (code - SDL_SCANCODE_F1));
  }
  if (code >= SDL_SCANCODE_KP_1 && code <= SDL_SCANCODE_KP_9) {
    return static_cast<BYTE>(VK_NUMPAD0 + 1 + (code - SDL_SCANCODE_KP_1));
  }
  for (const KeyPair& pair : kKeys) {
    if (pair.code == code) return pair.virtualKey;
  }
  return 0;
}

}  // namespace nvhost::sdl
