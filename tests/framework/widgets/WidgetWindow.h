// A framework-drawn window on the null display for widget tests: widgets are
// attached as stage items of its client area, pointer and keys are injected in
// client coordinates, and the client's composed pixels are read back.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "framework/core/NVEngine.h"
#include "framework/widgets/NVWidget.h"
#include "framework/window/NVExWindow.h"
#include "platform/host/gdi/Surfaces.h"
#include "platform/win32.h"

class WidgetWindow : public ::testing::Test {
 protected:
  static constexpr int kWindowX = 100, kWindowY = 100;
  // The client area inside the frame: side edge 6, title bar 28.
  static constexpr int kFrameLeft = 6, kFrameTop = 28;

  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  // Hosts the widget in the client area and attaches it; the fixture deletes it.
  void attach(NVWidget* widget);
  // Injected input in client coordinates; each call runs a few frames.
  void moveTo(int x, int y);
  void press();
  void release();
  void click(int x, int y);
  // A key pressed and released while the `held` keys are down.
  void key(BYTE virtualKey, std::initializer_list<BYTE> held = {});
  // Waits until the engine's copy of the keyboard shows every injected key.
  void settle();
  void frames(int count = 3);
  // A client pixel as 0xRRGGBB, from a fresh read of the window or from a
  // snapshot of it.
  std::uint32_t clientPixel(int x, int y);
  nvhost::gdi::PixelImage snapshot();
  static std::uint32_t clientPixel(const nvhost::gdi::PixelImage& pixels, int x, int y);

  NVExWindow* window = nullptr;
  NVEngine* engine = nullptr;

 private:
  std::vector<NVWidget*> attached_;
  bool pressed_ = false;
};

inline std::uint32_t rgb(int r, int g, int b) {
  return (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) | static_cast<std::uint32_t>(b);
}
