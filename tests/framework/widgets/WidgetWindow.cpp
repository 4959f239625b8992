#include "tests/framework/widgets/WidgetWindow.h"

#include <chrono>
#include <mutex>
#include <thread>

#include "framework/compose/NVStageItem.h"
#include "framework/core/NVEngineLock.h"
#include "framework/widgets/NVAnimation.h"
#include "platform/host/display/null/NullDisplay.h"
#include "tests/support/EngineHarness.h"

using nvhost::NullDisplay;

void WidgetWindow::SetUpTestSuite() { useNullDisplay(); }

void WidgetWindow::SetUp() {
  NullDisplay::movePointer(1200, 1000);
  window = new NVExWindow(kWindowX, kWindowY, 520, 260, NVString("widgets"));
  window->attach(true, nullptr, nullptr);
  engine = window->engine;
}

void WidgetWindow::TearDown() {
  if (pressed_) release();
  for (auto it = attached_.rbegin(); it != attached_.rend(); ++it) {
    window->removeChild((*it)->stageItem());
    delete *it;
  }
  delete window;
  setAnimationClock({});
  freeDeferred();
}

void WidgetWindow::attach(NVWidget* widget) {
  ASSERT_TRUE(window->addChild(widget->stageItem(), true));
  widget->onAttach();
  attached_.push_back(widget);
  frames();
}

void WidgetWindow::frames(int count) { runFrames(engine, count); }

void WidgetWindow::moveTo(int x, int y) {
  NullDisplay::movePointer(kWindowX + kFrameLeft + x, kWindowY + kFrameTop + y);
  frames();
}

void WidgetWindow::press() {
  pressed_ = true;
  NullDisplay::pressButton();
  // The window thread must have seen the button before a frame samples it.
  settle();
  frames();
}

void WidgetWindow::release() {
  pressed_ = false;
  NullDisplay::releaseButton();
  settle();
  frames();
}

void WidgetWindow::click(int x, int y) {
  moveTo(x, y);
  press();
  release();
}

void WidgetWindow::settle() { waitForKeyStates(engine); }

void WidgetWindow::key(BYTE virtualKey, std::initializer_list<BYTE> held) {
  for (BYTE h : held) NullDisplay::pressKey(h);
  settle();
  NullDisplay::typeKey(virtualKey);
  // The key messages are posted: once the window thread is idle again it
  // has taken them, and the frames after that deliver the key.
  settle();
  frames();
  for (BYTE h : held) NullDisplay::releaseKey(h);
  settle();
  frames(1);
}

nvhost::gdi::PixelImage WidgetWindow::snapshot() {
  nvhost::gdi::PixelImage pixels;
  NullDisplay::windowPixels(window->frameStage->hwnd, pixels);
  return pixels;
}

std::uint32_t WidgetWindow::clientPixel(int x, int y) { return clientPixel(snapshot(), x, y); }

std::uint32_t WidgetWindow::clientPixel(const nvhost::gdi::PixelImage& pixels, int x, int y) {
  const int wx = kFrameLeft + x, wy = kFrameTop + y;
  if (wx < 0 || wy < 0 || wx >= pixels.width || wy >= pixels.height) return 0xFFFFFFFFu;
  return pixels.words[static_cast<size_t>(wy) * pixels.width + wx] & 0xFFFFFFu;
}
