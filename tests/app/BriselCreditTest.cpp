// The credit view of the running tool: a right double click on the title bar
// opens it over a disabled main window; OK or its close button end it.
#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "app/BriselApp.h"
#include "framework/core/NVApplicationInfo.h"
#include "framework/core/NVEngine.h"
#include "framework/core/NVEngineLock.h"
#include "framework/core/NVGUICoreObject.h"
#include "framework/window/NVCreditView.h"
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

  // The pointer moved and sampled by whichever loop runs: the program's
  // frame loop, or the view's own once it is open.
  void moveTo(int x, int y) {
    NullDisplay::movePointer(x, y);
    ASSERT_TRUE(waitForFrames(2));
  }

  // On Brisel's title bar: each step is seen by the program's frame loop
  // before the next is made. The second press opens the view, whose own loop
  // then samples the input, so the last release is only made.
  void rightDoubleClickOnTheProgram(int x, int y) {
    moveTo(x, y);
    ASSERT_TRUE(pressSeen(VK_RBUTTON));
    ASSERT_TRUE(releaseSeen(VK_RBUTTON));
    ASSERT_TRUE(pressSeen(VK_RBUTTON));
    NullDisplay::releaseButton(VK_RBUTTON);
  }

  // A click on the view: its window keeps the press and the release until
  // the view's loop samples them; the caller waits for what the click does.
  void click(int x, int y, int button = VK_LBUTTON) {
    moveTo(x, y);
    NullDisplay::pressButton(button);
    NullDisplay::releaseButton(button);
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
    const bool shown = waitFor([&] { return creditShown(); }, {.periodMs = 20});
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
  moveTo(kClientX + 440, kClientY + 380);
  NullDisplay::pressButton();
  ASSERT_TRUE(waitFor([&] { return IsWindowEnabled(frame) != FALSE && !creditShown(); }));
  NullDisplay::releaseButton();
  // The program goes on as before and ends with its close button.
  closeByButton();
  program.join();
  EXPECT_EQ(status, 0);
}

TEST_F(BriselCredit, TheCloseButtonClosesItTooAndASecondRequestDoesNothing) {
  openCredit();
  // A right double click on the credit window's own title bar asks for the
  // view again while it is open: nothing happens.
  moveTo(kCreditX + 100, kCreditY + 12);
  for (int i = 0; i < 2; ++i) {
    NullDisplay::pressButton(VK_RBUTTON);
    NullDisplay::releaseButton(VK_RBUTTON);
  }
  // The view's loop samples the two clicks over four frames and has acted on
  // the double click once a fifth began.
  ASSERT_TRUE(waitForFrames(5));
  EXPECT_TRUE(creditShown());
  EXPECT_FALSE(IsWindowEnabled(frame));
  // The close button: 30 x 20 at the right end of the 500-pixel title.
  const int closeX = kCreditX + 6 + 500 - 15, closeY = kCreditY + 6 - 2 + 10;
  click(closeX, closeY);
  ASSERT_TRUE(waitFor([&] { return IsWindowEnabled(frame) != FALSE && !creditShown(); }));
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
  ASSERT_TRUE(waitFor([&] { return creditShown(); }, {.periodMs = 20}));
  HWND credit = WindowFromPoint(POINT{kCreditX + 100, kCreditY + 12});
  while (credit != nullptr && GetParent(credit) != nullptr) credit = GetParent(credit);
  ASSERT_NE(credit, nullptr);
  EXPECT_EQ(NullDisplay::title(credit), nvrt::utf8ToCp932Text("クレジット情報"));
  EXPECT_EQ(NullDisplay::title(frame), "Brisel");
  const int closeX = kCreditX + 6 + 500 - 15, closeY = kCreditY + 6 - 2 + 10;
  click(closeX, closeY);
  ASSERT_TRUE(waitFor([&] { return IsWindowEnabled(frame) != FALSE; }));
  closeByButton();
  program.join();
  EXPECT_EQ(status, 0);
}

// The top-level window at a screen point.
HWND topLevelAt(int x, int y) {
  HWND h = WindowFromPoint(POINT{x, y});
  while (h != nullptr && GetParent(h) != nullptr) h = GetParent(h);
  return h;
}

// As soon as the view's window is gone the main window takes input again: a
// quick right double click made at that moment on the title bar the view
// covered opens the view again, every time. (A main window still disabled
// while the view's engine winds down drops the first press, and the second
// alone is no double click.)
TEST_F(BriselCredit, ADoubleClickMadeAsSoonAsTheViewIsGoneOpensItAgain) {
  const int closeX = kCreditX + 6 + 500 - 15, closeY = kCreditY + 6 - 2 + 10;
  openCredit();
  for (int cycle = 0; cycle < 5; ++cycle) {
    SCOPED_TRACE("cycle " + std::to_string(cycle));
    click(closeX, closeY);
    ASSERT_TRUE(waitFor([&] { return topLevelAt(400, 310) == frame; }, {.periodMs = 1}));
    NullDisplay::movePointer(400, 310);
    for (int i = 0; i < 2; ++i) {
      NullDisplay::pressButton(VK_RBUTTON);
      NullDisplay::releaseButton(VK_RBUTTON);
    }
    ASSERT_TRUE(waitFor([&] { return creditShown(); }, {.periodMs = 1})) << "the view did not open again";
  }
  click(closeX, closeY);
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
  view.modalEngine = std::make_unique<NVEngine>();
  view.open();
  EXPECT_EQ(view.nameLabel->getText(), "Brisel");
  EXPECT_EQ(view.versionLabel->getText(), "version : 1.0.0");
  EXPECT_EQ(view.rightsLabel->getText(), getApplicationRights());
  ASSERT_EQ(view.creditList->getItemCount(), 5);
  const char* expected[] = {"Nolvaばんざい　ヾ(´ー｀)ﾉﾞ", "Dovanばんざい　ヾ(´ー｀)ﾉﾞ", "", "我唯一唯我",
                            "何は無くとも地球は廻る。"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(view.creditList->getItem(i).bytes(), nvrt::utf8ToCp932Text(expected[i])) << i;
  view.close();
  freeDeferred();
}

}  // namespace
