// The one window procedure of every framework window. It runs on the window
// thread: it keeps the stage's rectangle and flags in step with the window
// system, gathers keys, wheel and input-method text for the next frame's
// input sampling, fills the dropped-file list, and turns the remaining
// messages of interest into events. Handlers never run here.
#include <cstring>
#include <map>
#include <mutex>
#include <string>

#include "framework/core/NVEngine.h"
#include "framework/core/NVEngineLock.h"
#include "framework/core/NVThreadMessages.h"
#include "framework/core/NVStageBase.h"
#include "framework/core/NVWindowClasses.h"
#include "platform/desktop/DroppedFiles.h"

namespace {

// Window handle to stage, for every framework window of every engine.
nvrt::RankedMutex gLookupLock{nvrt::LockRank::targetLookup, "gLookupLock"};
std::map<HWND, NVStageBase*> gLookup;

NVStageBase* lookup(HWND hwnd) {
  std::lock_guard guard(gLookupLock);
  auto it = gLookup.find(hwnd);
  return it == gLookup.end() ? nullptr : it->second;
}

// A right double click on the frame (non-client area) reaches the stage as
// kind 9 with this value and the flag set, which no client click carries.
constexpr int kNonClientDoubleClickValue = -12345;

// Queues an event addressed to the stage itself for the next frame.
void pushStageEvent(NVStageBase* stage, NVEventKind kind, int value = 0, std::uint8_t flag = 0) {
  if (!stage->engine) return;
  NVEventState event;
  event.kind = kind;
  event.stage = stage;
  event.value = value;
  event.flag = flag;
  stage->engine->pushEvent(event);
}

short signedLow(LPARAM v) { return static_cast<short>(v & 0xFFFF); }
short signedHigh(LPARAM v) { return static_cast<short>((v >> 16) & 0xFFFF); }

// The list goes with the drop's event, and every path is taken at its full
// length: a path cut short could name another, existing file.
void takeDroppedFiles(NVStageBase* stage, HDROP drop) {
  auto paths = std::make_shared<const std::vector<std::string>>(nvrt::droppedFiles(drop));
  DragFinish(drop);
  NVEventState event;
  event.kind = NV_EV_DROPFILES;
  event.stage = stage;
  event.value = static_cast<int>(paths->size() & 0xFFFF);
  event.files = std::move(paths);
  stage->engine->pushEvent(event);
}

// Button messages, client and non-client: which button, and whether it went
// down (a double-click message is a press too). False for other messages.
bool buttonMessage(UINT message, NVPointerButton& button, bool& down, bool& client) {
  client = message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK;
  const bool nonClient = message >= WM_NCLBUTTONDOWN && message <= WM_NCMBUTTONDBLCLK;
  if (!client && !nonClient) return false;
  const UINT step = message - (client ? WM_LBUTTONDOWN : WM_NCLBUTTONDOWN);
  // In message order: left, right, middle.
  static const NVPointerButton kButtons[] = {NVPointerButton::Left, NVPointerButton::Right, NVPointerButton::Middle};
  button = kButtons[step / 3];
  down = step % 3 != 1;
  return true;
}

// Every press is remembered until a frame has taken it, with its time and
// screen point, and so is where its release was; frames may come much later
// than the messages. The screen point is the pointer's when the message was
// made: a client point turned with the window's place now would be off by
// any move the window has made since (a title drag moves it on every frame).
void recordButton(UINT message, NVEngine* engine) {
  NVPointerButton button = NVPointerButton::None;
  bool down = false, client = false;
  if (!buttonMessage(message, button, down, client)) return;
  const DWORD time = GetMessageTime();
  const DWORD pos = GetMessagePos();
  const int x = signedLow(LPARAM(pos)), y = signedHigh(LPARAM(pos));
  std::lock_guard lock(engineLock);
  if (down)
    engine->systemState.presses.pressed(button, time, x, y);
  else
    engine->systemState.presses.released(button, time, x, y);
}

void startComposition(HWND hwnd, NVEngine* engine) {
  HIMC imc = ImmGetContext(hwnd);
  if (!imc) return;
  const NVEngine::ImeComposition ime = engine->imeComposition();
  LOGFONTA font = {};
  font.lfHeight = ime.fontHeight;
  font.lfWeight = FW_MEDIUM;
  font.lfCharSet = SHIFTJIS_CHARSET;
  font.lfOutPrecision = OUT_OUTLINE_PRECIS;
  font.lfQuality = PROOF_QUALITY;
  font.lfPitchAndFamily = FF_MODERN | FIXED_PITCH;
  std::strncpy(font.lfFaceName, ime.fontName.cStr(), 31);
  ImmSetCompositionFontA(imc, &font);
  COMPOSITIONFORM form = {};
  form.dwStyle = CFS_POINT;
  form.ptCurrentPos.x = ime.x;
  form.ptCurrentPos.y = ime.y;
  ImmSetCompositionWindow(imc, &form);
  ImmReleaseContext(hwnd, imc);
}

void takeImeResult(HWND hwnd, NVEngine* engine) {
  HIMC imc = ImmGetContext(hwnd);
  if (!imc) return;
  char buffer[1024] = {};
  const LONG got = ImmGetCompositionStringA(imc, GCS_RESULTSTR, buffer, sizeof buffer);
  ImmReleaseContext(hwnd, imc);
  std::lock_guard lock(engineLock);
  engine->imeResultText = NVString(buffer, got > 0 ? static_cast<size_t>(got) : 0);
  engine->pendingInput.imeResult = true;
}

bool updateImeOpen(HWND hwnd, NVStageBase* stage) {
  HIMC imc = ImmGetContext(hwnd);
  if (!imc) return false;
  stage->imeOpen = ImmGetOpenStatus(imc) != 0;
  ImmReleaseContext(hwnd, imc);
  return true;
}

// Messages whose result is 0; false for those that go on to default processing.
bool handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, NVStageBase* stage) {
  NVEngine* engine = stage->engine;
  if (engine) recordButton(message, engine);
  switch (message) {
    case WM_MOVE:
      stage->x = signedLow(lParam), stage->y = signedHigh(lParam);
      pushStageEvent(stage, NV_EV_MOVED);
      return true;
    case WM_SIZE:
      stage->width = signedLow(lParam), stage->height = signedHigh(lParam);
      pushStageEvent(stage, NV_EV_RESIZED);
      return true;
    case WM_ACTIVATE:
      if ((wParam & 0xFFFF) != 0)
        stage->shown = true;
      else if ((wParam >> 16) != 0)
        stage->shown = false;
      return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_NCRBUTTONDOWN: return true;
    case WM_PAINT: stage->paintFromWindow(hwnd); return true;
    case WM_CLOSE: pushStageEvent(stage, NV_EV_CLOSE); return true;
    case WM_NCLBUTTONDOWN:
      if (engine) engine->requestFocus({stage, nullptr, stage->widget, nullptr});
      return false;
    case WM_NCRBUTTONDBLCLK: pushStageEvent(stage, NV_EV_RDOUBLE, kNonClientDoubleClickValue, 1); return true;
    case WM_COMMAND: pushStageEvent(stage, NV_EV_COMMAND, static_cast<int>(wParam & 0xFFFF)); return true;
    case WM_CTLCOLORSTATIC: SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT); return true;
    case WM_DROPFILES:
      if (engine) takeDroppedFiles(stage, reinterpret_cast<HDROP>(wParam));
      return true;
    default: break;
  }
  if (!engine) return false;
  std::lock_guard lock(engineLock);
  switch (message) {
    case WM_KEYDOWN:
      engine->pendingInput.keyCode = static_cast<std::uint8_t>(wParam & 0xFF);
      engine->pendingInput.keyDown = true;
      return true;
    case WM_KEYUP: engine->pendingInput.keyUp = true; return true;
    case WM_MOUSEWHEEL: engine->pendingInput.wheel = static_cast<short>((wParam >> 16) & 0xFFFF); return true;
    default: return false;
  }
}

}  // namespace

LRESULT CALLBACK nvWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    std::lock_guard guard(gLookupLock);
    gLookup[hwnd] = static_cast<NVStageBase*>(create->lpCreateParams);
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  NVStageBase* stage = lookup(hwnd);
  if (!stage) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_DESTROY) {
    std::lock_guard guard(gLookupLock);
    gLookup.erase(hwnd);
    return 0;
  }
  if (message == NVM_RESIZE) {
    stage->applyRect();
  } else if (message == WM_IME_STARTCOMPOSITION) {
    if (stage->engine) startComposition(hwnd, stage->engine);
  } else if (message == WM_IME_COMPOSITION) {
    if (stage->engine && (lParam & GCS_RESULTSTR)) takeImeResult(hwnd, stage->engine);
  } else if (message == WM_IME_NOTIFY && wParam == IMN_SETOPENSTATUS) {
    updateImeOpen(hwnd, stage);
  } else if (handle(hwnd, message, wParam, lParam, stage)) {
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}
