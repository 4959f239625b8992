#include "framework/core/NVEngine.h"

#include <mutex>

#include "framework/core/NVEngineLock.h"
#include "platform/runtime/LockOrderWaits.h"
#include "framework/core/NVThreadMessages.h"
#include "framework/core/NVStageBase.h"
#include "framework/core/NVWindowClasses.h"

nvrt::RankedRecursiveMutex engineLock{nvrt::LockRank::engine, "engineLock"};
NVEngine* NVEngine::instance = nullptr;
std::atomic<NVStageBase*> currentMainWindow{nullptr};

namespace {
// "ＭＳ ゴシック" in code page 932.
const char kImeFont[] = "\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e";
}  // namespace

namespace {

// Every engine alive, guarded by the engine lock: a target being destroyed
// is forgotten by all of them (a modal view runs a second engine).
std::vector<NVEngine*>& liveEngines() {
  static std::vector<NVEngine*> engines;
  return engines;
}

}  // namespace

NVEngine::NVEngine() : imeFontName(kImeFont) {
  {
    std::lock_guard lock(engineLock);
    liveEngines().push_back(this);
  }
  start();
}

void NVEngine::forgetEverywhere(const void* target) {
  std::lock_guard lock(engineLock);
  for (NVEngine* engine : liveEngines()) engine->forgetTarget(target);
}

NVEngine* NVEngine::ensureInstance() {
  static std::once_flag once;
  std::call_once(once, [] { instance = new NVEngine(); });
  return instance;
}

NVEngine::~NVEngine() {
  // A temporary engine (modal views) takes its windows down before it goes.
  std::vector<NVStageBase*> live;
  {
    std::lock_guard lock(engineLock);
    live.assign(windows.begin(), windows.end());
  }
  for (NVStageBase* stage : live) stage->queueDestroy();
  // Stages that outlive their engine must not reach back into it.
  for (NVStageBase* stage : live) stage->engine = nullptr;
  quit();
  nvrt::mustNotHoldWhileWaiting(engineLock, "waiting for a window thread to end");
  while (isStarted() && !isFinished()) Sleep(1);
  joinThread();
  std::lock_guard lock(engineLock);
  focusRequests.clear();
  windows.clear();
  eventQueue.clear();
  createQueue.clear();
  destroyQueue.clear();
  windowMap.clear();
  std::erase(liveEngines(), this);
  if (instance == this) instance = nullptr;
}

void NVEngine::quit() {
  requestStop();
  postToWindowThread(NVM_QUIT);
}

void NVEngine::postToWindowThread(unsigned message, LPARAM lParam) {
  const DWORD id = windowThreadId;
  if (id != 0) PostThreadMessageA(id, message, 0, lParam);
}

void NVEngine::onStart() { registerWindowClasses(); }

NVString NVEngine::takeImeResult() {
  std::lock_guard lock(engineLock);
  NVString text = imeResultText;
  imeResultText = NVString("");
  return text;
}

void NVEngine::setImeFont(const NVString& faceName, int height) {
  std::lock_guard lock(engineLock);
  imeFontName = faceName;
  imeFontHeight = height;
}

void NVEngine::setImePosition(int x, int y) {
  std::lock_guard lock(engineLock);
  imeX = x, imeY = y;
}

NVEngine::ImeComposition NVEngine::imeComposition() {
  std::lock_guard lock(engineLock);
  return {imeFontName, imeFontHeight, imeX, imeY};
}

void NVEngine::run() {
  if (isStopRequested()) return;
  MSG msg;
  // The first peek gives this thread its message queue before anyone posts.
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
  windowThreadId = GetCurrentThreadId();
  for (;;) {
    // The message is taken in the same look that finds it: a paint seen
    // waiting can be done by a repaint another thread asks for before a
    // second look, which would then wait for the next message to come.
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (isStopRequested()) return;
      refreshKeyState();
      Sleep(1);
      continue;
    }
    if (msg.message == WM_QUIT) return;
    if (msg.hwnd == nullptr && msg.message >= NVM_CREATE && msg.message <= NVM_DISABLE) {
      if (msg.message == NVM_QUIT) {
        if (!isStopRequested()) {
          std::lock_guard lock(engineLock);
          for (NVStageBase* stage : windows) destroyQueue.push_back(stage);
        }
        processDestroyQueue();
        return;
      }
      handleThreadMessage(msg);
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void NVEngine::handleThreadMessage(const MSG& msg) {
  NVStageBase* stage = reinterpret_cast<NVStageBase*>(msg.lParam);
  // A stage named in a message may have gone since it was posted.
  const bool live = stage != nullptr && hasWindow(stage);
  switch (msg.message) {
    case NVM_CREATE: processCreateQueue(); break;
    case NVM_DESTROY: processDestroyQueue(); break;
    case NVM_FOCUS: SetFocus(live ? stage->hwnd.load() : nullptr); break;
    case NVM_CURSOR:
      if (live) SetCursor(stage->cursor);
      break;
    case NVM_ENABLE:
    case NVM_DISABLE:
      if (live) {
        EnableWindow(stage->hwnd, msg.message == NVM_ENABLE);
        stage->enabled = msg.message == NVM_ENABLE;
      }
      break;
    default: break;
  }
}

void NVEngine::processCreateQueue() {
  while (!isStopRequested()) {
    NVStageBase* stage;
    {
      std::lock_guard lock(engineLock);
      if (createQueue.empty()) return;
      stage = createQueue.front();
      createQueue.pop_front();
    }
    if (stage->createWindow(this)) {
      std::lock_guard lock(engineLock);
      windows.push_back(stage);
    }
  }
}

void NVEngine::processDestroyQueue() {
  while (!isStopRequested()) {
    NVStageBase* stage;
    {
      std::lock_guard lock(engineLock);
      if (destroyQueue.empty()) return;
      stage = destroyQueue.front();
      destroyQueue.pop_front();
    }
    if (stage->destroyWindow(this)) {
      std::lock_guard lock(engineLock);
      windows.remove(stage);
      stage->created = false;
    }
  }
}

void NVEngine::onEnd() {
  std::vector<NVStageBase*> live;
  {
    std::lock_guard lock(engineLock);
    eventQueue.clear();
    live.assign(windows.begin(), windows.end());
  }
  // The windows end with their thread; take them down explicitly so that
  // every host releases them the same way and the stages know.
  for (auto it = live.rbegin(); it != live.rend(); ++it) (*it)->destroyWindow(this);
  std::lock_guard lock(engineLock);
  for (NVStageBase* stage : live) stage->created = false;
  windows.clear();
}

void NVEngine::refreshKeyState() {
  BYTE keys[256];
  if (!GetKeyboardState(keys)) return;
  std::lock_guard lock(engineLock);
  for (int i = 0; i < 256; ++i) systemState.keyState[i] = keys[i];
  ++systemState.keyState[256];
  // Every queued message has been handled: a press still held in the record
  // whose button is up was released over a window this thread never heard
  // from.
  systemState.presses.releaseWhereUp(keys, timeGetTime());
}

void NVEngine::pushEvent(const NVEventState& event) {
  std::lock_guard lock(engineLock);
  eventQueue.push_back(event);
}

bool NVEngine::popEvent(NVEventState& event) {
  std::lock_guard lock(engineLock);
  if (eventQueue.empty()) return false;
  event = eventQueue.front();
  eventQueue.pop_front();
  return true;
}

void NVEngine::requestFocus(const NVFocusRequest& request) {
  std::lock_guard lock(engineLock);
  focusRequests.push_back(request);
}

std::vector<NVFocusRequest> NVEngine::takeFocusRequests() {
  std::lock_guard lock(engineLock);
  std::vector<NVFocusRequest> taken;
  taken.swap(focusRequests);
  return taken;
}

NVStageBase* NVEngine::stageForWindow(HWND hwnd) {
  std::lock_guard lock(engineLock);
  auto it = windowMap.find(hwnd);
  return it == windowMap.end() ? nullptr : it->second;
}

bool NVEngine::hasWindow(NVStageBase* stage) {
  std::lock_guard lock(engineLock);
  for (NVStageBase* s : windows)
    if (s == stage) return true;
  return false;
}

namespace {

bool names(const NVEventState& e, const void* t) {
  return e.stage == t || e.item2D == t || e.item3D == t || e.widget == t;
}

void clearRecord(NVUserState& r, const void* t) {
  if (r.stage == t) r.stage = nullptr;
  if (r.item2D == t) r.item2D = nullptr;
  if (r.item3D == t) r.item3D = nullptr;
  if (r.widget == t) r.widget = nullptr;
  if (r.focusStage == t) r.focusStage = nullptr;
  if (r.focusItem2D == t) r.focusItem2D = nullptr;
  if (r.focusItem3D == t) r.focusItem3D = nullptr;
  if (r.focusWidget == t) r.focusWidget = nullptr;
}

}  // namespace

void NVEngine::forgetTarget(const void* target) {
  if (!target) return;
  std::lock_guard lock(engineLock);
  std::erase_if(eventQueue, [target](const NVEventState& e) { return names(e, target); });
  std::erase_if(focusRequests, [target](const NVFocusRequest& r) {
    return r.stage == target || r.item2D == target || r.widget == target || r.item3D == target;
  });
  for (NVUserState* r : {&currentInput, &previousInput, &pendingInput}) clearRecord(*r, target);
}
