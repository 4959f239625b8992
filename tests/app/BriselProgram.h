// The whole tool run in-process on the host's null display: briselMain on a
// thread of its own, as a program's main thread, while the test injects
// input and reads back what the display was told.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/BriselApp.h"
#include "app/MessageLog.h"
#include "framework/core/NVEngine.h"
#include "framework/window/NVStageBase.h"
#include "platform/host/display/null/NullDisplay.h"
#include "platform/runtime/TextCodec.h"

// Polls `done` every `periodMs` for up to ten seconds. Checks that read
// pixels hold the drawing lock the program's frames need, so they should not
// poll too often.
inline bool waitFor(const std::function<bool()>& done, int periodMs = 5) {
  for (int waited = 0; waited < 10000; waited += periodMs) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(periodMs));
  }
  return done();
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
  void clickAt(int x, int y) {
    nvhost::NullDisplay::movePointer(x, y);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    nvhost::NullDisplay::pressButton();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    nvhost::NullDisplay::releaseButton();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
  }
  // The close button: 30 x 20 at the right end of the title bar. A click
  // that the frame loop missed is repeated.
  void closeByButton() {
    for (int attempt = 0; attempt < 5; ++attempt) {
      clickAt(300 + 312 - 6 - 15, 300 + 14);
      if (waitFor([] { return NVEngine::instance->isStopRequested(); })) return;
    }
  }
  std::vector<std::string> logLines() const {
    std::vector<std::string> lines;
    for (const NVString& line : applicationLog().lines()) lines.push_back(nvrt::cp932ToUtf8Display(line.bytes()));
    return lines;
  }

  std::thread program;
  int status = -1;
  HWND frame = nullptr;
};
