#include "app/BriselApp.h"

#include <string>
#include <vector>

#include "app/BuildVersion.h"
#include "app/ConversionMessages.h"
#include "app/ConversionQueue.h"
#include "app/MessageLog.h"
#include "app/StartPaths.h"
#include "framework/compose/NVStageItem.h"
#include "framework/core/NVApplicationInfo.h"
#include "framework/core/NVEngine.h"
#include "framework/core/NVEngineLock.h"
#include "framework/core/NVEventConnector.h"
#include "framework/core/NVFrameCycle.h"
#include "framework/core/NVMessageDisplay.h"
#include "framework/widgets/NVLabel.h"
#include "framework/window/NVModal.h"
#include "framework/widgets/NVPushButton.h"
#include "framework/window/NVExWindow.h"
#include "platform/runtime/TextCodec.h"

namespace {

NVString text(const char* utf8) { return NVString(nvrt::utf8ToCp932Text(utf8)); }

}  // namespace

void onClose(NVEventState) {
  if (NVEngine::instance) NVEngine::instance->quit();
}

namespace {

// The drops not yet converted; only the main thread touches it.
ConversionQueue& conversions() {
  static ConversionQueue queue;
  return queue;
}

}  // namespace

// Queues the drop's files; the frame loop converts them one per turn, in the
// order of the drops.
void onDropFiles(NVEventState event) {
  std::vector<std::string> paths;
  if (event.files) {
    paths = *event.files;
  } else if (NVEngine* engine = NVEngine::instance) {
    std::lock_guard lock(engineLock);
    paths = engine->systemState.droppedFiles;
  }
  conversions().add(std::move(paths));
}

void setApplicationInfo() {
  setApplicationName(NVString("Brisel"));
  setApplicationVersion(NVString(buildVersion()));
  setApplicationRights(text("Brisel: UVを取り除くだけの小さな道具。"));
  addCreditLine(text("Nolvaばんざい　ヾ(´ー｀)ﾉﾞ"));
  addCreditLine(text("Dovanばんざい　ヾ(´ー｀)ﾉﾞ"));
  addCreditLine(NVString(""));
  addCreditLine(text("我唯一唯我"));
  addCreditLine(text("何は無くとも地球は廻る。"));
}

namespace {

// Everything between the window's construction and its destruction.
void runWindow(NVExWindow& window, const std::vector<std::string>& files);

}  // namespace

int briselMain(const std::vector<std::string>& files) {
  // Making the window makes the program's folder current: names given
  // relative to the folder the user started in are resolved first.
  const std::vector<std::string> paths = resolveStartPaths(files);
  {
    NVExWindow window(300, 300, 300, 300, NVString("Brisel"));
    runWindow(window, paths);
  }
  // What the window's destruction deferred is released like any frame's.
  freeDeferred();
  return 0;
}

namespace {

void runWindow(NVExWindow& window, const std::vector<std::string>& files) {
  NVEngine* engine = NVEngine::instance;
  if (!engine) return;
  window.attach(true, engine->mainWindow, engine);
  window.disableResize();
  window.maximizeOnDoubleClick = false;
  window.maximizeButton->hide();
  if (window.hwnd) DragAcceptFiles(window.hwnd, TRUE);
  setApplicationInfo();
  initOnce();
  auto* label = new NVLabel(NVString(""));
  messageWidget = label;
  applicationLog().setDisplay(setMessageText);
  if (window.addChild(label->stageItem(), true)) label->onAttach();
  addMessage(msg::prompt());
  initOnce();
  auto* connector = new NVEventConnector(&window);
  connector->connect(NV_EV_CLOSE, onClose);
  connector->connect(NV_EV_DROPFILES, onDropFiles);
  window.show();
  // A run starts with nothing waiting, whatever an earlier run left.
  conversions().clear();
  if (!files.empty()) conversions().add(files);
  while (NVEngine::instance) {
    {
      std::lock_guard lock(engineLock);
      currentMainWindow = engine->mainWindow;
    }
    if (engine->isStopRequested() || engine->isFinished()) break;
    if (!runFrameSteps(engine)) break;
    // A close clicked during a batch is seen before the next file: the
    // file under way is finished, the rest are left as they are.
    if (!conversions().convertNext()) Sleep(1);
  }
  // The window thread takes its windows with it; wait for it so the process
  // ends with nothing half torn down.
  for (int i = 0; i < 5000 && !engine->isFinished(); ++i) Sleep(1);
  if (engine->isFinished()) engine->joinThread();
  // Nothing will dispatch to the connector any more; let it go with the run.
  delete connector;
}

}  // namespace
