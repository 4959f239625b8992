// A window on the sdl display (dummy video driver) whose procedure records
// what it receives, and a way to push SDL events at the driver and wait for
// their messages.
#pragma once

#include <SDL.h>

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace sdltest {

struct Received {
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  // WM_DROPFILES: the names and the client point; WM_IME_COMPOSITION: the
  // result string.
  std::vector<std::string> names;
  POINT point{};
};

class SdlWindowLog {
 public:
  // Chooses the sdl driver on the dummy video driver, once per process.
  static bool selectDummyDisplay(std::string& reason);

  // A visible popup at a screen rectangle, focused, accepting files when
  // asked, painted with a solid class brush.
  SdlWindowLog(int x, int y, int width, int height, bool acceptFiles);
  ~SdlWindowLog();
  HWND window() const { return window_; }
  // The SDL window id that shows it (0 when it is not shown).
  Uint32 sdlId() const;

  // Pushes events in one go; they are read back to back.
  static void push(const std::vector<SDL_Event>& events);
  // Runs the calling thread's messages until `done` holds; false when the
  // generous time limit ran out first.
  static bool pumpUntil(const std::function<bool()>& done);
  // Pumps until a message arrives and returns those of the given kind.
  std::vector<Received> waitFor(UINT message);
  // Pushes F12 after `events` and waits for its key-down, so that everything
  // before it has been translated.
  std::vector<Received> pushAndSettle(const std::vector<SDL_Event>& events);

  static SDL_Event motion(Uint32 id, int x, int y);
  static SDL_Event button(Uint32 id, Uint8 button, bool down, int x, int y);
  static SDL_Event key(SDL_Scancode code, bool down, Uint16 modifiers = 0);
  static SDL_Event text(Uint32 type, const char* utf8);
  static SDL_Event drop(Uint32 type, Uint32 id, const char* file = nullptr);
  // A window event such as the desktop's move (data: the new place).
  static SDL_Event windowEvent(Uint32 id, Uint8 kind, int data1 = 0, int data2 = 0);
  // The colour of a pixel of an SDL window's surface as 0xRRGGBB, read on
  // the display thread.
  static Uint32 shownPixel(Uint32 id, int x, int y);

  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static void record(HWND window, const Received& r);

  HWND window_ = nullptr;
};

}  // namespace sdltest

#include <gtest/gtest.h>

namespace sdltest {

// Every test runs on the sdl driver over SDL's dummy video driver.
class SdlDummyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string reason;
    ASSERT_TRUE(SdlWindowLog::selectDummyDisplay(reason)) << reason;
  }
};

}  // namespace sdltest
