// The null display: a virtual desktop without output, for tests. Its static
// functions are the test API: they inject input through the host's entry
// points exactly as a real driver would, and report what the host told the
// display.
#pragma once

#include <map>
#include <mutex>

#include "platform/runtime/RankedMutex.h"
#include <string>
#include <vector>

#include "platform/host/display/Display.h"
#include "platform/host/gdi/Surfaces.h"

namespace nvhost {

class NullDisplay final : public Display {
 public:
  const char* name() const override { return "null"; }
  void windowShown(HWND window, const RECT& screen) override;
  void windowHidden(HWND window) override;
  void windowMoved(HWND window, const RECT& screen) override;
  void windowTitleChanged(HWND window, const std::string& cp932Title) override;
  void windowDestroyed(HWND window) override;
  void present(HWND window, const RECT& area) override;
  void cursorChanged(HCURSOR cursor) override;
  void clipboardChanged(const std::string& cp932Text) override;

  // Chooses the null display (before the first window) and resets the
  // desktop to 1280 x 1024 with the whole desktop as work area.
  static bool select();
  static void setDesktop(int width, int height, const RECT& workArea);

  // Input. Times are message times in milliseconds; 0 means now.
  static void movePointer(int x, int y, DWORD time = 0);
  static void pressButton(int button = VK_LBUTTON, DWORD time = 0);
  static void releaseButton(int button = VK_LBUTTON, DWORD time = 0);
  static void click(int x, int y, int button = VK_LBUTTON, DWORD time = 0);
  static void pressKey(BYTE virtualKey);
  static void releaseKey(BYTE virtualKey);
  // A key pressed and released, with Shift and Control held around it when
  // asked.
  static void typeKey(BYTE virtualKey, bool shift = false, bool control = false);
  // Wheel notches; positive away from the user.
  static void turnWheel(int notches);
  static void commitIme(const std::string& cp932);
  static bool dropFiles(int x, int y, const std::vector<std::string>& utf8Paths);
  static void requestClose(HWND window);
  static void requestRestore(HWND window);
  static void requestActivation(HWND window);
  // The desktop itself moves or resizes a shown top-level window (a window
  // manager, another program); the host follows on the window's thread.
  static void placeWindow(HWND window, const RECT& screen);
  // Text another program puts on the desktop's clipboard.
  static void offerClipboard(const std::string& cp932Text);

  // What the display was told.
  static bool isShown(HWND window);
  static RECT shownRect(HWND window);
  static std::string title(HWND window);
  static HCURSOR cursor();
  static std::string clipboardText();

  // Pixels, as gdi drew them. A window's pixels include its frame; the
  // desktop shows the shown top-level windows over black. Every pixel read
  // back is opaque.
  static bool windowPixels(HWND window, gdi::PixelImage& image);
  static gdi::PixelImage desktopPixels();
  // The union of the areas presented for a top-level window (window
  // coordinates) since the last call; empty when nothing was presented.
  static RECT takePresented(HWND window);

 private:
  static NullDisplay* instance();

  nvrt::RankedMutex mutex_{nvrt::LockRank::nullDisplay, "nullDisplayMutex"};
  std::map<HWND, RECT> shown_;
  std::map<HWND, std::string> titles_;
  HCURSOR cursor_ = nullptr;
  std::string clipboard_;
  std::map<HWND, RECT> presented_;
};

}  // namespace nvhost
