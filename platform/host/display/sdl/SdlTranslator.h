// SDL events turned into the host's input entry points. Runs on the display
// thread only.
#pragma once

#include <SDL.h>

#include <string>
#include <vector>

#include "platform/host/display/sdl/xpointer.h"
#include "platform/host/include/nvhost_win32.h"

namespace nvhost::sdl {

class SdlWindows;

class SdlTranslator {
 public:
  explicit SdlTranslator(SdlWindows& windows) : windows_(windows) {}

  void translate(const SDL_Event& event);
  // The display thread has read every queued event: pending text commits
  // and drops are handed over now.
  void endOfBatch();
  // Reports the desktop and its work area (from the display's usable
  // bounds) to the host.
  void desktopChanged();
  // Puts a program's clipboard text (code page 932) on the desktop's.
  void shareClipboard(const std::string& cp932Text);

 private:
  void pointer(Uint32 windowId, int x, int y, bool button = false);
  void pointerAt(POINT screen);
  POINT xPointerOnHost() const;
  void button(const SDL_MouseButtonEvent& event, bool down);
  void wheel(const SDL_MouseWheelEvent& event);
  void key(const SDL_KeyboardEvent& event, bool down);
  void matchCapsLock(Uint16 modifiers);
  void textEditing(const SDL_TextEditingEvent& event);
  void textInput(const SDL_TextInputEvent& event);
  void flushCommit();
  void dropFile(const SDL_DropEvent& event);
  void flushDrop();
  void windowEvent(const SDL_WindowEvent& event);
  void placedByDesktop(HWND window, const SDL_WindowEvent& event);
  void systemMessage(const SDL_SysWMEvent& event);
  void clipboardUpdated();
  void placeCandidates();

  SdlWindows& windows_;
  POINT pointer_{};
  // The X event behind the next SDL pointer event, with the screen position
  // the server gave it; used when that event's window position matches.
  bool haveXPointer_ = false;
  XPointerEvent xPointer_;
  int wheelRemainder_ = 0;
  // Text input is an input-method result only while a composition is
  // active; a commit that arrives together with the composition's end still
  // counts.
  bool composing_ = false;
  bool compositionEnded_ = false;
  std::string commit_;
  // Drops gather their files between begin and complete.
  bool dropBegun_ = false;
  bool havePosition_ = false;
  POINT dropPoint_{};  // in the desktop's pixels
  Uint32 dropWindow_ = 0;
  std::vector<std::string> dropped_;
  // The text this program last put on the desktop's clipboard, so that its
  // own update does not come back as another program's.
  std::string shared_;
  bool haveShared_ = false;
  SDL_Rect candidates_{-1, -1, 0, 0};

 public:
  // The last place given to the input method's candidate window, in the
  // coordinates (desktop pixels) of its SDL window; for tests.
  SDL_Rect candidateArea() const { return candidates_; }
};

}  // namespace nvhost::sdl
