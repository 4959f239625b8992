// The engine: owns the window thread (where every framework window lives and
// every window message arrives) and everything the two threads exchange:
// input records, the event queue, the create and destroy queues, the list of
// live windows. The main thread drives the frame cycle on it.
#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <list>
#include <map>
#include <vector>

#include "framework/core/NVEventState.h"
#include "framework/core/NVString.h"
#include "framework/core/NVSystemState.h"
#include "framework/core/NVThread.h"
#include "framework/core/NVUserState.h"
#include "platform/win32.h"

class NVStageBase;
class NV2DItemBase;
class NV3DItemBase;
class NVWidget;

struct NVFocusRequest {
  NVStageBase* stage = nullptr;
  NV2DItemBase* item2D = nullptr;
  NVWidget* widget = nullptr;
  NV3DItemBase* item3D = nullptr;
};

class NVEngine : public NVThread {
 public:
  NVEngine();
  ~NVEngine() override;

  // The main engine; null until the first stage is constructed.
  static NVEngine* instance;
  // Creates the main engine once.
  static NVEngine* ensureInstance();

  // Asks the window thread to end; safe from any thread.
  void quit();
  void requestStop() override { NVThread::requestStop(); }
  void onStart() override;
  void run() override;
  void onEnd() override;

  void pushEvent(const NVEventState& event);
  // Removes and returns the oldest event; false when the queue is empty.
  bool popEvent(NVEventState& event);
  void requestFocus(const NVFocusRequest& request);
  std::vector<NVFocusRequest> takeFocusRequests();

  // Whether work for the window thread can still be queued.
  bool acceptsWork() const { return !isStopRequested() && !isFinished(); }
  void postToWindowThread(unsigned message, LPARAM lParam = 0);

  // Forgets a target that is being destroyed: queued events, focus requests
  // and input records that name it, so nothing reaches it afterwards.
  void forgetTarget(const void* target);
  // The same for every engine alive.
  static void forgetEverywhere(const void* target);

  // Window bookkeeping (window thread writes, main thread reads, under the lock).
  NVStageBase* stageForWindow(HWND hwnd);
  bool hasWindow(NVStageBase* stage);

  // The input-method fields cross threads: text widgets set the font and
  // position and take the committed text on the main thread, the window
  // procedure reads the first two and writes the third. These take the lock.
  // Returns the committed text and clears it.
  NVString takeImeResult();
  void setImeFont(const NVString& faceName, int height);
  void setImePosition(int x, int y);
  struct ImeComposition {
    NVString fontName;
    int fontHeight, x, y;
  };
  ImeComposition imeComposition();

  // Guarded by the engine lock.
  int imeX = 0, imeY = 0;
  NVString imeResultText;
  NVString imeFontName;
  int imeFontHeight = 13;
  NVUserState currentInput, previousInput, pendingInput;
  NVSystemState systemState;
  std::vector<NVFocusRequest> focusRequests;
  std::atomic<DWORD> windowThreadId{0};
  std::list<NVStageBase*> windows;
  std::deque<NVEventState> eventQueue;
  std::deque<NVStageBase*> createQueue;
  std::deque<NVStageBase*> destroyQueue;
  std::map<HWND, NVStageBase*> windowMap;
  NVStageBase* mainWindow = nullptr;

 private:
  void handleThreadMessage(const MSG& msg);
  void processCreateQueue();
  void processDestroyQueue();
  void refreshKeyState();
};

// The current main window, copied from the engine by every turn of the
// frame loop for the parts that read it; also a sign that the loop runs.
extern std::atomic<NVStageBase*> currentMainWindow;
