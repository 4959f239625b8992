// The whole tool run in-process on the host's null display: briselMain on a
// thread of its own, as a program's main thread, while the test injects
// input and reads back what the display was told.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/BriselApp.h"
#include "app/MessageLog.h"
#include "framework/core/NVEngine.h"
#include "framework/core/NVEngineLock.h"
#include "framework/core/NVInput.h"
#include "framework/core/NVStageBase.h"
#include "platform/host/display/null/NullDisplay.h"
#include "platform/runtime/TextCodec.h"
#include "tests/support/EngineHarness.h"
#include "tests/support/Waiting.h"

// Whether the running program's input record, as its frame loop (or a modal
// loop) last sampled it, satisfies `seen`; waits for it.
inline bool programSees(const std::function<bool(const NVUserState&)>& seen) {
  return waitFor(
      [&] {
        std::lock_guard lock(engineLock);
        return NVEngine::instance && seen(NVEngine::instance->currentInput);
      },
      {.periodMs = 1});
}

// Waits until the program's loops (its frame loop, or a modal view's while
// one is open) have begun `frames` more input samples: with two, the frame
// under way when this was called has ended, and so has everything it did
// with the input it had sampled.
inline bool waitForFrames(unsigned frames = 2) {
  const unsigned first = inputSampleCount();
  return waitFor([&] { return inputSampleCount() - first >= frames; }, {.periodMs = 1});
}

// The pointer moved to (x, y) and seen there by the program.
inline bool movePointerSeen(int x, int y) {
  nvhost::NullDisplay::movePointer(x, y);
  return programSees([x, y](const NVUserState& input) { return input.screenX == x && input.screenY == y; });
}

// A press or release of `button`, seen by the program.
inline bool pressSeen(int button = VK_LBUTTON) {
  nvhost::NullDisplay::pressButton(button);
  return programSees([](const NVUserState& input) { return input.button != NVPointerButton::None; });
}
inline bool releaseSeen(int button = VK_LBUTTON) {
  nvhost::NullDisplay::releaseButton(button);
  return programSees([](const NVUserState& input) { return input.button == NVPointerButton::None; });
}

// The message log's lines, copied while the program may still write them.
inline std::vector<std::string> logSnapshot() {
  std::vector<std::string> lines;
  for (const NVString& line : applicationLog().snapshot()) lines.push_back(nvrt::cp932ToUtf8Display(line.bytes()));
  return lines;
}

// Waits until the program has logged `line` and then gone back to its prompt.
inline bool waitForLoggedThenPrompt(const std::string& line) {
  return waitFor([&] {
    const std::vector<std::string> log = logSnapshot();
    auto it = std::find(log.begin(), log.end(), line);
    return it != log.end() && log.back() == "MQOファイルをここにD&Dしてください。" && it + 1 != log.end();
  });
}

class BriselWindow : public ::testing::Test {
 protected:
  // Files handed to the program at start, as a file manager's "Open with" does.
  virtual std::vector<std::string> startFiles() { return {}; }
  // Changes to the desktop before the program starts.
  virtual void prepareDesktop() {}
  void SetUp() override {
    nvhost::NullDisplay::select();
    prepareDesktop();
    nvhost::NullDisplay::movePointer(1200, 1000);
    const std::vector<std::string> files = startFiles();
    program = std::thread([this, files] { status = briselMain(files); });
    // The frame loop copies the main window on every turn: once it runs,
    // the window is built and its handlers are connected.
    ASSERT_TRUE(waitFor([] { return currentMainWindow.load() != nullptr; }));
    frame = currentMainWindow.load()->hwnd;
  }
  void TearDown() override {
    if (program.joinable()) {
      closeByButton();
      program.join();
    }
  }
  // A click the program has seen each step of: the pointer where it is
  // meant, the button down, the button up. False if a step was not seen.
  bool clickAt(int x, int y) { return movePointerSeen(x, y) && pressSeen() && releaseSeen(); }
  // The close button: 30 x 20 at the right end of the title bar. A click
  // that the frame loop missed is repeated.
  void closeByButton() {
    for (int attempt = 0; attempt < 5; ++attempt) {
      clickAt(300 + 312 - 6 - 15, 300 + 14);
      if (waitFor([] { return NVEngine::instance->isStopRequested(); })) return;
    }
  }
  std::vector<std::string> logLines() const { return logSnapshot(); }

  std::thread program;
  int status = -1;
  HWND frame = nullptr;
};
