// Event translation of the sdl driver.
//  [x] pointer motion, the three buttons and the wheel (smooth wheels add up
//      to whole WHEEL_DELTA steps) in screen coordinates of the host
//  [x] every position from the desktop (pointer, drop, window places, the
//      desktop and its work area) divided by the display's scale
//  [x] keys by scancode; Caps Lock's toggle follows the desktop's
//  [x] input-method commits (joined when SDL splits them) as imeCommit in
//      code page 932; plain text input is left to the key messages
//  [x] drops of files gathered and delivered at the X drag-and-drop
//      position, else at the pointer
//  [x] close requests, restores from the taskbar, activation by the
//      desktop, exposure, display changes as the work area
//  [x] moves and sizes made by the desktop handed to the host
//  [x] clipboard text both ways (code page 932 <-> UTF-8)
//  [x] the candidate window follows ImmSetCompositionWindow of the focus
//      window (set before each key and each composition change)
#include "platform/host/display/sdl/SdlTranslator.h"

#include <cmath>
#include <cstring>

#include "platform/host/display/HostInput.h"
#include "platform/host/display/sdl/SdlWindows.h"
#include "platform/host/display/sdl/candidate.h"
#include "platform/host/display/sdl/keys.h"
#include "platform/host/display/sdl/xdnd.h"
#include "platform/runtime/TextCodec.h"

namespace nvhost::sdl {

void SdlTranslator::translate(const SDL_Event& event) {
  if (event.type != SDL_TEXTINPUT) flushCommit();
  switch (event.type) {
    case SDL_MOUSEMOTION: pointer(event.motion.windowID, event.motion.x, event.motion.y); break;
    case SDL_MOUSEBUTTONDOWN: button(event.button, true); break;
    case SDL_MOUSEBUTTONUP: button(event.button, false); break;
    case SDL_MOUSEWHEEL: wheel(event.wheel); break;
    case SDL_KEYDOWN: key(event.key, true); break;
    case SDL_KEYUP: key(event.key, false); break;
    case SDL_TEXTEDITING: textEditing(event.edit); break;
    case SDL_TEXTINPUT: textInput(event.text); break;
    case SDL_DROPBEGIN: dropBegun_ = true; break;
    case SDL_DROPFILE: dropFile(event.drop); break;
    case SDL_DROPTEXT: SDL_free(event.drop.file); break;
    case SDL_DROPCOMPLETE: flushDrop(); break;
    case SDL_WINDOWEVENT: windowEvent(event.window); break;
    case SDL_SYSWMEVENT: systemMessage(event.syswm); break;
    case SDL_DISPLAYEVENT: desktopChanged(); break;
    case SDL_CLIPBOARDUPDATE: clipboardUpdated(); break;
    default: break;
  }
}

void SdlTranslator::endOfBatch() {
  flushCommit();
  compositionEnded_ = false;
  // Files without a begin (older SDL) have no complete either. The drag's
  // position stays for the drop that follows it in a later batch.
  if (!dropBegun_ && !dropped_.empty()) flushDrop();
}

void SdlTranslator::desktopChanged() {
  SDL_Rect all{0, 0, 0, 0};
  SDL_Rect usable{0, 0, 0, 0};
  if (SDL_GetDisplayBounds(0, &all) != 0) return;
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0 || usable.w <= 0 || usable.h <= 0) usable = all;
  const DisplayScale& scale = windows_.scale();
  input::desktopChanged(scale.areaToHost(all.x, all.y, all.w, all.h),
                        scale.areaToHost(usable.x, usable.y, usable.w, usable.h));
}

void SdlTranslator::pointer(Uint32 windowId, int x, int y, bool button) {
  POINT screen{};
  if (!windows_.pointInWindow(windowId, x, y, screen)) return;
  // The server's own screen position, where it is known for this event: the
  // window may have moved since the server made it. A motion's position comes
  // from its X event, so the two must agree; a press or release SDL places
  // where the last motion was, inside the window as it was then.
  if (haveXPointer_ && (button || (xPointer_.windowX == x && xPointer_.windowY == y))) screen = xPointerOnHost();
  haveXPointer_ = false;
  pointerAt(screen);
}

// The X event's screen position in the host's pixels. The window's place
// when the server made the event tells which desktop pixels make up each
// of the host's there.
POINT SdlTranslator::xPointerOnHost() const {
  const DisplayScale& scale = windows_.scale();
  const int offsetX = scale.offsetOf(xPointer_.rootX - xPointer_.windowX);
  const int offsetY = scale.offsetOf(xPointer_.rootY - xPointer_.windowY);
  return POINT{scale.toHost(xPointer_.rootX, offsetX), scale.toHost(xPointer_.rootY, offsetY)};
}

void SdlTranslator::pointerAt(POINT screen) {
  pointer_ = screen;
  input::pointerMoved(screen.x, screen.y);
}

void SdlTranslator::button(const SDL_MouseButtonEvent& event, bool down) {
  int virtualKey = 0;
  switch (event.button) {
    case SDL_BUTTON_LEFT: virtualKey = VK_LBUTTON; break;
    case SDL_BUTTON_RIGHT: virtualKey = VK_RBUTTON; break;
    case SDL_BUTTON_MIDDLE: virtualKey = VK_MBUTTON; break;
    default: return;
  }
  if (windows_.hostWindow(event.windowID) == nullptr) return;
  // The host presses at its own pointer position, so it must be where the
  // press happened.
  pointer(event.windowID, event.x, event.y, true);
  if (down) {
    input::buttonDown(virtualKey);
  } else {
    input::buttonUp(virtualKey);
  }
}

void SdlTranslator::wheel(const SDL_MouseWheelEvent& event) {
  if (windows_.hostWindow(event.windowID) == nullptr) return;
  const float notches = event.preciseY != 0.0f ? event.preciseY : static_cast<float>(event.y);
  int delta = static_cast<int>(std::lround(notches * WHEEL_DELTA));
  if (event.direction == SDL_MOUSEWHEEL_FLIPPED) delta = -delta;
  // Smooth wheels report fractions of a notch; they are handed on in whole
  // notches, as a Windows program that divides by WHEEL_DELTA expects.
  wheelRemainder_ += delta;
  const int whole = wheelRemainder_ / WHEEL_DELTA * WHEEL_DELTA;
  wheelRemainder_ -= whole;
  if (whole != 0) input::wheel(whole);
}

void SdlTranslator::key(const SDL_KeyboardEvent& event, bool down) {
  const BYTE virtualKey = virtualKeyOf(event.keysym.scancode);
  if (virtualKey == 0) return;
  if (virtualKey != VK_CAPITAL) matchCapsLock(event.keysym.mod);
  if (down) {
    placeCandidates();
    input::keyDown(virtualKey);
  } else {
    input::keyUp(virtualKey);
  }
}

// The desktop's Caps Lock may have been on before the program started, or
// changed while another program had the keyboard. Every key event carries
// the desktop's state; the host's toggle is brought in line with it by a
// press of Caps Lock, which is what toggles it on Windows too.
void SdlTranslator::matchCapsLock(Uint16 modifiers) {
  const bool desktopOn = (modifiers & KMOD_CAPS) != 0;
  const bool hostOn = (GetKeyState(VK_CAPITAL) & 0x01) != 0;
  if (desktopOn == hostOn) return;
  input::keyDown(VK_CAPITAL);
  input::keyUp(VK_CAPITAL);
}

void SdlTranslator::textEditing(const SDL_TextEditingEvent& event) {
  placeCandidates();
  const bool active = event.text[0] != '\0';
  if (composing_ && !active) compositionEnded_ = true;
  composing_ = active;
}

void SdlTranslator::textInput(const SDL_TextInputEvent& event) {
  // Plain typing reaches the program as key messages; only a composition's
  // result is input-method text.
  if (!composing_ && !compositionEnded_) return;
  commit_.append(event.text, strnlen(event.text, sizeof(event.text)));
}

void SdlTranslator::flushCommit() {
  if (commit_.empty()) return;
  const std::string cp932 = nvrt::utf8ToCp932Text(commit_);
  commit_.clear();
  input::imeCommit(cp932);
}

void SdlTranslator::dropFile(const SDL_DropEvent& event) {
  if (event.file == nullptr) return;
  dropWindow_ = event.windowID;
  dropped_.emplace_back(event.file);
  SDL_free(event.file);
}

void SdlTranslator::flushDrop() {
  std::vector<std::string> paths;
  paths.swap(dropped_);
  const bool havePosition = havePosition_;
  dropBegun_ = false;
  havePosition_ = false;
  if (paths.empty()) return;
  POINT at = pointer_;
  if (havePosition) {
    at = windows_.fromDesktop(dropWindow_, dropPoint_);
  } else if (std::strcmp(SDL_GetCurrentVideoDriver(), "x11") == 0) {
    // The drag held the pointer, so no motion reached the windows: ask the
    // desktop where it is.
    int x = 0;
    int y = 0;
    SDL_GetGlobalMouseState(&x, &y);
    at = windows_.fromDesktop(dropWindow_, POINT{x, y});
  }
  input::dropFiles(at, paths);
}

void SdlTranslator::windowEvent(const SDL_WindowEvent& event) {
  HWND window = windows_.hostWindow(event.windowID);
  if (window == nullptr) return;
  switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE: input::closeRequested(window); break;
    case SDL_WINDOWEVENT_EXPOSED: windows_.presentWhole(window); break;
    case SDL_WINDOWEVENT_FOCUS_GAINED: input::activationRequested(window); break;
    case SDL_WINDOWEVENT_MOVED:
    case SDL_WINDOWEVENT_SIZE_CHANGED: placedByDesktop(window, event); break;
    case SDL_WINDOWEVENT_RESTORED:
      // The desktop's taskbar button brings back a window the host keeps
      // minimized.
      if (windows_.isMinimized(window)) input::restoreRequested(window);
      break;
    default: break;
  }
}

// The host follows where the desktop really put a window; its hit tests,
// drops and pointer positions depend on it.
void SdlTranslator::placedByDesktop(HWND window, const SDL_WindowEvent& event) {
  RECT screen{};
  const bool changed = event.event == SDL_WINDOWEVENT_MOVED
                           ? windows_.movedByDesktop(window, event.data1, event.data2, screen)
                           : windows_.sizedByDesktop(window, event.data1, event.data2, screen);
  if (changed) input::windowPlaced(window, screen);
}

void SdlTranslator::systemMessage(const SDL_SysWMEvent& event) {
  // SDL hands over each X event before the events it makes of it.
  if (xPointerEvent(event.msg, xPointer_)) {
    haveXPointer_ = true;
    // SDL drops a motion that leaves the pointer where it was inside the
    // window, as when the window has just moved with it: on the screen the
    // pointer moved all the same.
    if (xPointer_.motion) pointerAt(xPointerOnHost());
    return;
  }
  int x = 0;
  int y = 0;
  if (!xdndPosition(event.msg, x, y)) return;
  havePosition_ = true;
  dropPoint_ = POINT{x, y};
}

}  // namespace nvhost::sdl

namespace nvhost::sdl {

void SdlTranslator::shareClipboard(const std::string& cp932Text) {
  shared_ = nvrt::cp932ToUtf8Display(cp932Text);
  haveShared_ = true;
  SDL_SetClipboardText(shared_.c_str());
}

void SdlTranslator::clipboardUpdated() {
  if (!SDL_HasClipboardText()) return;
  char* text = SDL_GetClipboardText();
  if (text == nullptr) return;
  const std::string utf8(text);
  SDL_free(text);
  if (haveShared_ && utf8 == shared_) return;
  haveShared_ = false;
  input::clipboardOffered(nvrt::utf8ToCp932Text(utf8));
}

}  // namespace nvhost::sdl

namespace nvhost::sdl {

// The input method shows its candidates below the spot the program chose
// for the composition, inside the SDL window that shows the focus window.
void SdlTranslator::placeCandidates() {
  POINT spot{};
  HWND top = nullptr;
  POINT origin{};
  if (!candidateSpot(spot, top) || !windows_.originOf(top, origin)) return;
  const int scale = windows_.scale().factor();
  const SDL_Rect area{(spot.x - origin.x) * scale, (spot.y - origin.y) * scale, 1, 16 * scale};
  if (area.x == candidates_.x && area.y == candidates_.y) return;
  candidates_ = area;
  SDL_SetTextInputRect(&candidates_);
}

}  // namespace nvhost::sdl
