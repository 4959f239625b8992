// The credit view of the running tool: a right double click on the title bar
// opens it over a disabled main window; OK or its close button end it.
#include <gtest/gtest.h>

#include <atomic>

#include "app/BriselApp.h"
#include "framework/core/NVApplicationInfo.h"
#include "framework/core/NVEngine.h"
#include "framework/core/NVEngineLock.h"
#include "framework/core/NVGUICoreObject.h"
#include "framework/widgets/NVCreditView.h"
#include "framework/widgets/NVListView.h"
#include "framework/widgets/NVTransParentLabel.h"
#include "platform/host/display/null/NullDisplay.h"
#include "platform/runtime/TextCodec.h"
#include "tests/app/BriselProgram.h"
#include "tests/support/EngineHarness.h"
#include "tests/support/ReferencePicture.h"

namespace {

using nvhost::NullDisplay;

// The credit window on a 1024 x 768 work area: frame at (262, 184), client
// area 6 and 28 pixels in.
constexpr int kCreditX = 262, kCreditY = 184, kClientX = kCreditX + 6, kClientY = kCreditY + 28;

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};

Rgb pixelAt(const nvhost::gdi::PixelImage& desktop, int x, int y) {
  const std::uint32_t p = desktop.words[y * desktop.width + x];
  return {static_cast<int>(p >> 16 & 0xFF), static_cast<int>(p >> 8 & 0xFF), static_cast<int>(p & 0xFF)};
}

class BriselCredit : public BriselWindow {
 protected:
  void prepareDesktop() override { NullDisplay::setDesktop(1024, 768, RECT{0, 0, 1024, 768}); }

  void pause() { std::this_thread::sleep_for(std::chrono::milliseconds(30)); }

  // Waits until the program's frame loop has sampled the button as down or
  // up, so that no press falls between two of its frames.
  static bool programSees(bool down) {
    return waitFor([down] {
      std::lock_guard lock(engineLock);
      return NVEngine::instance && (NVEngine::instance->currentInput.button != 0) == down;
    }, 1);
  }

  void press(int button = VK_LBUTTON) {
    NullDisplay::pressButton(button);
    ASSERT_TRUE(programSees(true));
  }

  void release(int button = VK_LBUTTON) {
    NullDisplay::releaseButton(button);
    ASSERT_TRUE(programSees(false));
  }

  // On Brisel's title bar. The second press opens the view, whose own loop
  // then samples the input, so the last release is not waited for.
  void rightDoubleClickOnTheProgram(int x, int y) {
    NullDisplay::movePointer(x, y);
    pause();
    press(VK_RBUTTON);
    release(VK_RBUTTON);
    press(VK_RBUTTON);
    NullDisplay::releaseButton(VK_RBUTTON);
    pause();
  }

  // A click held long enough for the view's own loop to see it.
  void slowClick(int x, int y, int button = VK_LBUTTON) {
    NullDisplay::movePointer(x, y);
    pause();
    NullDisplay::pressButton(button);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    NullDisplay::releaseButton(button);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
  }

  // The credit window is up once its wash shows at both corners.
  bool creditShown() {
    const nvhost::gdi::PixelImage desktop = NullDisplay::desktopPixels();
    return pixelAt(desktop, kClientX, kClientY) == Rgb{255, 255, 255} &&
           pixelAt(desktop, kClientX + 499, kClientY + 399) == Rgb{210, 228, 218};
  }

  // The view disables the main window first, then shows itself. A machine
  // loaded enough to stretch the two presses beyond the double-click time
  // gets another double click.
  void openCredit() {
    bool disabled = false;
    for (int attempt = 0; attempt < 3 && !disabled; ++attempt) {
      rightDoubleClickOnTheProgram(400, 310);
      disabled = waitFor([&] { return !IsWindowEnabled(frame); });
    }
    ASSERT_TRUE(disabled);
    const bool shown = waitFor([&] { return creditShown(); }, 20);
    if (!shown) {
      const auto desktop = NullDisplay::desktopPixels();
      refpic::writePng("credit_not_shown.png", {desktop.width, desktop.height, desktop.words});
    }
    ASSERT_TRUE(shown) << "the desktop is in credit_not_shown.png";
  }
};

TEST_F(BriselCredit, ARightDoubleClickOpensItAndOkClosesIt) {
  openCredit();
  // Pressing OK closes the view at once; the main window is enabled again.
  NullDisplay::movePointer(kClientX + 440, kClientY + 380);
  pause();
  NullDisplay::pressButton();
  ASSERT_TRUE(waitFor([&] { return IsWindowEnabled(frame) != FALSE; }));
  NullDisplay::releaseButton();
  EXPECT_FALSE(creditShown());
  // The program goes on as before and ends with its close button.
  closeByButton();
  program.join();
  EXPECT_EQ(status, 0);
}

TEST_F(BriselCredit, TheCloseButtonClosesItTooAndASecondRequestDoesNothing) {
  openCredit();
  // A right double click on the credit window's own title bar asks for the
  // view again while it is open: nothing happens.
  NullDisplay::movePointer(kCreditX + 100, kCreditY + 12);
  pause();
  for (int i = 0; i < 2; ++i) {
    NullDisplay::pressButton(VK_RBUTTON);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    NullDisplay::releaseButton(VK_RBUTTON);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_TRUE(creditShown());
  EXPECT_FALSE(IsWindowEnabled(frame));
  // The close button: 30 x 20 at the right end of the 500-pixel title.
  const int closeX = kCreditX + 6 + 500 - 15, closeY = kCreditY + 6 - 2 + 10;
  slowClick(closeX, closeY);
  ASSERT_TRUE(waitFor([&] { return IsWindowEnabled(frame) != FALSE; }));
  EXPECT_FALSE(creditShown());
  closeByButton();
  program.join();
  EXPECT_EQ(status, 0);
}

// Two right clicks whose presses and releases all arrive between two frames
// still make the double click that opens the view; its frame window carries
// the view's own title.
TEST_F(BriselCredit, AQuickRightDoubleClickOpensItUnderItsOwnTitle) {
  NullDisplay::movePointer(400, 310);
  for (int i = 0; i < 2; ++i) {
    NullDisplay::pressButton(VK_RBUTTON);
    NullDisplay::releaseButton(VK_RBUTTON);
  }
  ASSERT_TRUE(waitFor([&] { return !IsWindowEnabled(frame); }));
  ASSERT_TRUE(waitFor([&] { return creditShown(); }, 20));
  HWND credit = WindowFromPoint(POINT{kCreditX + 100, kCreditY + 12});
  while (credit != nullptr && GetParent(credit) != nullptr) credit = GetParent(credit);
  ASSERT_NE(credit, nullptr);
  EXPECT_EQ(NullDisplay::title(credit), nvrt::utf8ToCp932Text("クレジット情報"));
  EXPECT_EQ(NullDisplay::title(frame), "Brisel");
  const int closeX = kCreditX + 6 + 500 - 15, closeY = kCreditY + 6 - 2 + 10;
  slowClick(closeX, closeY);
  ASSERT_TRUE(waitFor([&] { return IsWindowEnabled(frame) != FALSE; }));
  closeByButton();
  program.join();
  EXPECT_EQ(status, 0);
}

// What the view shows for Brisel: its name, version and five credit lines.
TEST(BriselCreditContent, TheViewShowsTheToolsNameVersionAndCredits) {
  useNullDisplay();
  setApplicationInfo();
  NVCreditView view;
  view.modalEngine = new NVEngine();
  view.open();
  EXPECT_EQ(view.nameLabel->getText(), "Brisel");
  EXPECT_EQ(view.versionLabel->getText(), "version : 1.0.0");
  EXPECT_EQ(view.rightsLabel->getText(), getApplicationRights());
  ASSERT_EQ(view.creditList->getItemCount(), 5);
  const char* expected[] = {"Nolvaばんざい　ヾ(´ー｀)ﾉﾞ", "Dovanばんざい　ヾ(´ー｀)ﾉﾞ", "", "我唯一唯我",
                            "何は無くとも地球は廻る。"};
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(view.creditList->getItem(i).bytes(), nvrt::utf8ToCp932Text(expected[i])) << i;
  view.close();
  freeDeferred();
}

}  // namespace
