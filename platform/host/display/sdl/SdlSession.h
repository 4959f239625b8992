// The one SDL session of the process: a display thread that makes every SDL
// call (init, windows, events, presentation). Other threads hand it
// commands; nobody else reads SDL's event queue.
#pragma once

#include <SDL.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>

#include "platform/runtime/RankedMutex.h"
#include <string>
#include <thread>
#include <vector>

#include "platform/host/include/nvhost_win32.h"

namespace nvhost::sdl {

class SdlTranslator;
class SdlWindows;

class SdlSession {
 public:
  // The running session, started on the first call. Null when SDL cannot
  // open a display; `reason` then says why (the same reason every time).
  static SdlSession* open(std::string& reason);

  // Runs a command on the display thread, in order with every other command.
  // post returns at once; call waits for the command to finish and returns
  // false if the session stopped or the generous time limit ran out first.
  // On the display thread itself both run the command at once.
  void post(std::function<void()> command);
  bool call(std::function<void()> command);

  // Presentation requests are gathered and served in one go by the thread.
  void requestPresent(HWND window, const RECT& area);

  // For tests: the SDL window id that shows a host window (0 for none), and
  // events pushed from the display thread in one go so that they are read
  // back to back (as SDL's own pump delivers a split text commit).
  Uint32 windowIdOf(HWND window);
  void pushEvents(const std::vector<SDL_Event>& events);
  // Stops the thread and closes SDL; the session cannot be opened again.
  void stop();

  // Destroys the SDL window of a host window; on the display thread. No
  // other thread is inside SDL's wake-up of the display thread meanwhile.
  void destroyWindow(HWND window);

  // The windows, for commands (they run on the display thread).
  SdlWindows& windows() { return *windows_; }
  SdlTranslator& translator() { return *translator_; }

  bool onDisplayThread() const { return std::this_thread::get_id() == threadId_; }

 private:
  SdlSession() = default;
  bool start(std::string& reason);
  void run(std::function<void(bool, std::string)> started);
  bool initialise(std::string& reason);
  void loop();
  void handleWake();
  void runCommands();
  void servePresents();
  void wake();

  std::thread thread_;
  std::thread::id threadId_;
  Uint32 wakeEvent_ = 0;
  std::unique_ptr<SdlWindows> windows_;
  std::unique_ptr<SdlTranslator> translator_;

  nvrt::RankedMutex mutex_{nvrt::LockRank::sdlSession, "sdlSessionMutex"};
  // Held while an event is pushed from another thread and while a window is
  // destroyed; taken after mutex_ is released, never with it.
  nvrt::RankedMutex wakeMutex_{nvrt::LockRank::sdlWake, "sdlWakeMutex"};
  std::condition_variable_any done_;
  std::deque<std::function<void()>> commands_;
  std::map<HWND, std::vector<RECT>> presents_;
  bool wakePending_ = false;
  bool stopping_ = false;
  bool stopped_ = false;
};

}  // namespace nvhost::sdl
