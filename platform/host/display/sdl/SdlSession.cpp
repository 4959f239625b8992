// The display thread of the sdl driver.
//  [x] one thread makes every SDL call; commands wait with a way out
//  [x] framebuffer acceleration off: presentation through window surfaces
//  [x] a failed SDL_Init is reported with SDL's reason, never waited on
//  [x] presentation requests gathered per window and served together
//  [x] the display's scale chosen once, at start
#include "platform/host/display/sdl/SdlSession.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>

#include "platform/host/display/sdl/SdlTranslator.h"
#include "platform/host/display/sdl/SdlWindows.h"
#include "platform/host/display/sdl/cursors.h"
#include "platform/host/display/sdl/xconnection.h"
#include "platform/host/display/sdl/xerrors.h"
#include "platform/host/display/sdl/xresources.h"

namespace nvhost::sdl {

namespace {

// A command that takes longer than this means the display is stuck; the
// caller goes on rather than hanging with it.
constexpr auto kCallLimit = std::chrono::seconds(10);
// The thread also wakes on its own, so that a stop is seen without an event.
constexpr int kIdleWaitMs = 100;

nvrt::RankedMutex& openMutex() {
  static auto* mutex = new nvrt::RankedMutex(nvrt::LockRank::sdlOpen, "sdlOpenMutex");
  return *mutex;
}

// The scale the windows are shown at. The desktop's dpi is an X resource;
// other drivers take the scale from the environment only.
DisplayScale chooseScale() {
  const char* driver = SDL_GetCurrentVideoDriver();
  const bool x11 = driver != nullptr && std::strcmp(driver, "x11") == 0;
  std::vector<std::string> complaints;
  const DisplayScale scale = DisplayScale::choose(
      std::getenv("BRISEL_SCALE"), std::getenv("GDK_SCALE"), [x11] { return x11 ? xftDpiResource() : std::string(); },
      complaints);
  for (const std::string& line : complaints) std::fprintf(stderr, "%s\n", line.c_str());
  return scale;
}

}  // namespace

SdlSession* SdlSession::open(std::string& reason) {
  // Never destroyed: windows may report to the driver while the process
  // exits.
  static SdlSession* session = nullptr;
  static std::string failure;
  static bool tried = false;
  std::lock_guard lock(openMutex());
  if (!tried) {
    tried = true;
    auto* created = new SdlSession;
    if (created->start(failure)) {
      session = created;
    } else {
      delete created;
    }
  }
  if (session == nullptr) reason = failure;
  return session;
}

bool SdlSession::start(std::string& reason) {
  std::promise<std::pair<bool, std::string>> promise;
  auto result = promise.get_future();
  thread_ = std::thread([this, &promise] {
    // Set here, before anyone can ask: the promise publishes it.
    threadId_ = std::this_thread::get_id();
    run([&promise](bool ok, std::string why) { promise.set_value({ok, std::move(why)}); });
  });
  auto [ok, why] = result.get();
  if (!ok) {
    thread_.join();
    reason = why;
  }
  return ok;
}

void SdlSession::run(std::function<void(bool, std::string)> started) {
  std::string reason;
  if (!initialise(reason)) {
    started(false, reason);
    return;
  }
  started(true, std::string());
  // Reported only now: the opener waits, holding the opening lock, until
  // `started` has run, and the host may call back into the driver.
  translator_->desktopChanged();
  // SDL starts with a default pointer of its own; the desktop shows what the
  // host believes is shown, so that the host's first change is not taken
  // for no change.
  HCURSOR current = GetCursor();
  showCursor(current != nullptr ? current : LoadCursorA(nullptr, IDC_ARROW));
  loop();
  freeCursors();
  translator_.reset();
  windows_.reset();
  SDL_Quit();
}

bool SdlSession::initialise(std::string& reason) {
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // Without a desktop SDL falls back to its offscreen driver, where the
  // program would run with windows nobody can see, and so never end. Only
  // real desktops are tried, X first (its windows keep their positions, and
  // its drops carry a point); SDL_VIDEODRIVER in the environment still wins,
  // which is how tests choose the dummy driver.
  const char* chosen = std::getenv("SDL_VIDEODRIVER");
  if (chosen == nullptr || *chosen == '\0') {
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "x11,wayland", SDL_HINT_OVERRIDE);
  }
  // The program keeps the default handling of signals, and a click on an
  // inactive window is a click, as on Windows.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  // A desktop tool lets the screen saver run and stays under the desktop's
  // compositor, unlike the games SDL's defaults are made for.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    const char* display = std::getenv("DISPLAY");
    reason =
        std::string("no desktop display could be opened (") +
        (display != nullptr && *display != '\0' ? std::string("the X server at DISPLAY=") + display + " did not answer"
                                                : std::string("DISPLAY is not set")) +
        "; SDL: " + SDL_GetError() + ")";
    return false;
  }
  cleanUpOnLostConnection();
  ignoreXErrors();
  wakeEvent_ = SDL_RegisterEvents(1);
  if (wakeEvent_ == static_cast<Uint32>(-1)) {
    reason = "SDL has no event type left for the display thread";
    SDL_Quit();
    return false;
  }
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
  SDL_EventState(SDL_DROPFILE, SDL_ENABLE);
  SDL_EventState(SDL_DROPBEGIN, SDL_ENABLE);
  SDL_EventState(SDL_DROPCOMPLETE, SDL_ENABLE);
  windows_ = std::make_unique<SdlWindows>(chooseScale());
  translator_ = std::make_unique<SdlTranslator>(*windows_);
  return true;
}

void SdlSession::loop() {
  for (;;) {
    SDL_Event event;
    const bool got = SDL_WaitEventTimeout(&event, kIdleWaitMs) != 0;
    if (got) {
      if (event.type == wakeEvent_) {
        handleWake();
      } else {
        translator_->translate(event);
      }
      // Everything already queued is read back to back before the thread
      // waits again, so that split text commits arrive together.
      while (SDL_PollEvent(&event) != 0) {
        if (event.type == wakeEvent_) {
          handleWake();
        } else {
          translator_->translate(event);
        }
      }
    }
    translator_->endOfBatch();
    handleWake();
    std::lock_guard lock(mutex_);
    if (stopping_ && commands_.empty()) break;
  }
  std::lock_guard lock(mutex_);
  stopped_ = true;
  done_.notify_all();
}

void SdlSession::handleWake() {
  {
    std::lock_guard lock(mutex_);
    wakePending_ = false;
  }
  runCommands();
  servePresents();
}

void SdlSession::runCommands() {
  for (;;) {
    std::function<void()> command;
    {
      std::lock_guard lock(mutex_);
      if (commands_.empty()) return;
      command = std::move(commands_.front());
      commands_.pop_front();
    }
    command();
  }
}

void SdlSession::servePresents() {
  std::map<HWND, std::vector<RECT>> presents;
  {
    std::lock_guard lock(mutex_);
    presents.swap(presents_);
  }
  for (const auto& [window, areas] : presents) windows_->present(window, areas);
}

void SdlSession::wake() {
  {
    std::lock_guard lock(mutex_);
    if (wakePending_ || stopped_) return;
    wakePending_ = true;
  }
  SDL_Event event{};
  event.type = wakeEvent_;
  // A full queue drops the event; the thread's own timeout still serves
  // the work, only later.
  bool pushed = false;
  {
    // SDL wakes its waiting thread by sending an X event to one of the
    // windows, chosen when the wait began; the window must not be destroyed
    // while that event is on its way.
    std::lock_guard sending(wakeMutex_);
    pushed = SDL_PushEvent(&event) == 1;
  }
  if (!pushed) {
    std::lock_guard lock(mutex_);
    wakePending_ = false;
  }
}

void SdlSession::post(std::function<void()> command) {
  if (onDisplayThread()) {
    command();
    return;
  }
  {
    std::lock_guard lock(mutex_);
    if (stopping_ || stopped_) return;
    commands_.push_back(std::move(command));
  }
  wake();
}

bool SdlSession::call(std::function<void()> command) {
  if (onDisplayThread()) {
    command();
    return true;
  }
  auto finished = std::make_shared<bool>(false);
  {
    std::lock_guard lock(mutex_);
    if (stopping_ || stopped_) return false;
    commands_.push_back([this, finished, command = std::move(command)] {
      command();
      std::lock_guard done(mutex_);
      *finished = true;
      done_.notify_all();
    });
  }
  wake();
  std::unique_lock lock(mutex_);
  done_.wait_for(lock, kCallLimit, [&] { return *finished || stopped_; });
  return *finished;
}

void SdlSession::requestPresent(HWND window, const RECT& area) {
  {
    std::lock_guard lock(mutex_);
    if (stopped_) return;
    std::vector<RECT>& areas = presents_[window];
    SdlWindows::addArea(areas, area);
  }
  wake();
}

void SdlSession::destroyWindow(HWND window) {
  std::lock_guard sending(wakeMutex_);
  windows_->destroy(window);
}

Uint32 SdlSession::windowIdOf(HWND window) {
  Uint32 id = 0;
  call([&] { id = windows_->idOf(window); });
  return id;
}

void SdlSession::pushEvents(const std::vector<SDL_Event>& events) {
  call([events] {
    for (SDL_Event event : events) SDL_PushEvent(&event);
  });
}

void SdlSession::stop() {
  {
    std::lock_guard lock(mutex_);
    if (stopping_) return;
    stopping_ = true;
  }
  if (onDisplayThread()) return;
  if (thread_.joinable()) thread_.join();
}

}  // namespace nvhost::sdl
