#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "framework/compose/NVStageItem.h"
#include "framework/core/NVEngine.h"
#include "framework/widgets/NVAnimation.h"
#include "framework/widgets/NVTextBox.h"
#include "framework/window/NVExWindow.h"
#include "platform/host/display/null/NullDisplay.h"
#include "platform/host/text/TextEngine.h"
#include "tests/support/EngineHarness.h"
#include "tests/support/ReferencePicture.h"

namespace {

using nvhost::NullDisplay;

// A focused text box with a selection against its reference picture; the
// selection band's colour is also checked by value.
TEST(TextBoxPicture, TheSelectionBandIsDrawnInTheCaretColour) {
  useNullDisplay();
  // The caret blinks: a clock that stands still keeps it shown for the picture.
  setAnimationClock([] { return 0u; });
  NullDisplay::movePointer(1200, 1000);
  NVExWindow* window = new NVExWindow(100, 100, 300, 60, NVString("text box"));
  window->attach(true, nullptr, nullptr);
  NVEngine* engine = window->engine;
  NVTextBox* box = new NVTextBox(NVString(""));
  box->setRect(10, 10, 200, 18);
  ASSERT_TRUE(window->addChild(box->stageItem(), true));
  box->onAttach();
  box->setText(NVString("Brisel text box"));
  NVEventState focus;
  focus.widget = box;
  box->onFocusIn(focus);
  box->cursorPos = box->selectionStart = 0;
  box->selectionEnd = 6;
  box->refresh();
  ASSERT_TRUE(box->hasSelection);
  runFrames(engine, 3);

  nvhost::gdi::PixelImage pixels;
  ASSERT_TRUE(NullDisplay::windowPixels(window->frameStage->hwnd, pixels));
  const refpic::Picture picture{pixels.width, pixels.height, pixels.words};
  EXPECT_TRUE(refpic::matchesReference("framework/widgets/textbox_selection", picture,
                                       refpic::forText(picture, nvhost::text::rasterizerVersion())));
  // The band's first column, in window coordinates: frame side 6, title 28,
  // the box's place and the caret's.
  const int bandX = 6 + 10 + box->caret->getX(), bandY = 28 + 10 + box->caret->getY();
  const std::uint32_t expected =
      (std::uint32_t{box->caretColour[2]} << 16) | (std::uint32_t{box->caretColour[1]} << 8) | box->caretColour[0];
  // Glyphs are drawn over the band; a plain column at its left edge stays.
  EXPECT_EQ(pixels.words[bandY * pixels.width + bandX] & 0xFFFFFFu, expected);
  EXPECT_GT(box->caret->getWidth(), 10);

  box->onFocusOut(focus);
  setAnimationClock({});
  window->removeChild(box->stageItem());
  delete box;
  delete window;
  freeDeferred();
}

}  // namespace
