#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "framework/compose/NV2DItem.h"
#include "framework/compose/NVStageItem.h"
#include "framework/core/NVEngine.h"
#include "framework/core/NVEngineLock.h"
#include "framework/widgets/NVAnimation.h"
#include "framework/widgets/NVTextBox.h"
#include "framework/widgets/NVTextBoxClipboard.h"
#include "framework/widgets/NVTextBoxText.h"
#include "framework/window/NVExWindow.h"
#include "platform/host/display/null/NullDisplay.h"
#include "tests/support/EngineHarness.h"

namespace {

using nvhost::NullDisplay;

constexpr int kClientX = 100 + 6, kClientY = 100 + 28;
// A double-byte character (hiragana A in code page 932).
const std::string kWide = "\x82\xA0";

class TextBoxTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { useNullDisplay(); }
  void SetUp() override {
    NullDisplay::movePointer(1200, 1000);
    window = new NVExWindow(100, 100, 300, 200, NVString("text"));
    window->attach(true, nullptr, nullptr);
    engine = window->engine;
    box = new NVTextBox(NVString(""));
    box->setRect(10, 10, 200, 18);
    ASSERT_TRUE(window->addChild(box->stageItem(), true));
    box->onAttach();
    setCapsLock(false);
  }
  void TearDown() override {
    window->removeChild(box->stageItem());
    delete box;
    delete window;
    freeDeferred();
  }
  void settle() { waitForKeyStates(engine); }
  bool capsLockOn() {
    std::lock_guard lock(engineLock);
    return engine->systemState.keyState[0x14] == 1;
  }
  void setCapsLock(bool on) {
    settle();
    if (capsLockOn() == on) return;
    NullDisplay::pressKey(0x14);
    NullDisplay::releaseKey(0x14);
    settle();
  }
  // Presses `key` on the box with the given keys held on the desktop keyboard.
  void key(int code, std::initializer_list<int> held = {}) {
    for (int h : held) NullDisplay::pressKey(static_cast<BYTE>(h));
    if (held.size()) settle();
    NVEventState event;
    event.kind = NV_EV_KEYDOWN;
    event.widget = box;
    event.keyCode = static_cast<std::uint8_t>(code);
    box->onKey(event);
    for (int h : held) NullDisplay::releaseKey(static_cast<BYTE>(h));
    if (held.size()) settle();
  }
  void type(const std::string& lowercase) {
    for (char c : lowercase) key(c >= 'a' && c <= 'z' ? c - 0x20 : c);
  }
  std::string text() const { return box->getText().toStdString(); }
  NVExWindow* window = nullptr;
  NVEngine* engine = nullptr;
  NVTextBox* box = nullptr;
};

TEST(TextBoxCharacters, LeadBytesAndBoundaries) {
  const NVString mixed(("a" + kWide + "b").c_str());
  EXPECT_TRUE(nvtextbox::characterStartsAt(mixed, 1));
  EXPECT_FALSE(nvtextbox::characterStartsAt(mixed, 2));
  EXPECT_TRUE(nvtextbox::isInsideCharacter(mixed, 2));
  EXPECT_FALSE(nvtextbox::isInsideCharacter(mixed, 1));
  EXPECT_FALSE(nvtextbox::isInsideCharacter(mixed, 3));
  // The second byte of a character may itself look like a lead byte.
  const NVString trail("\x81\x81\x81\x81");
  EXPECT_FALSE(nvtextbox::characterStartsAt(trail, 1));
  EXPECT_TRUE(nvtextbox::characterStartsAt(trail, 2));
}

TEST(TextBoxCharacters, JapaneseLayoutMap) {
  struct Case {
    int key;
    bool shifted;
    char expected;
  };
  const Case cases[] = {
      {0x20, true, ' '},   {0x30, false, '0'}, {0x30, true, 0},     {0x31, true, '!'},  {0x39, true, ')'},
      {0x41, false, 'a'},  {0x5A, true, 'Z'},  {0x60, true, '0'},   {0x69, false, '9'}, {0x6A, true, '*'},
      {0x6C, false, 0},    {0x6F, false, '/'}, {0xBA, false, ':'},  {0xBA, true, '*'},  {0xBB, true, '+'},
      {0xBD, true, '='},   {0xBF, true, '?'},  {0xC0, false, '@'},  {0xC0, true, '`'},  {0xDB, true, '{'},
      {0xDC, false, '\\'}, {0xDE, true, '~'},  {0xE2, false, '\\'}, {0xE2, true, '_'},  {0x70, false, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(nvtextbox::mapKey(static_cast<std::uint8_t>(c.key), c.shifted), c.expected) << std::hex << c.key;
}

TEST_F(TextBoxTest, TypingWithShiftAndCapsLock) {
  type("ab");
  key(0x43, {0x10});
  setCapsLock(true);
  key(0x31);
  key(0x44);
  key(0x44, {0x10});
  setCapsLock(false);
  key(0x45, {0x14});  // toggled on while held down: not counted as on
  setCapsLock(false);
  EXPECT_EQ(text(), "abC!Dde");
  EXPECT_EQ(box->cursorPos, 7);
}

TEST_F(TextBoxTest, CursorMovesAndDeletesWholeDoubleByteCharacters) {
  box->setText(NVString(("a" + kWide + "b").c_str()));
  box->cursorPos = 3;
  key(0x25);
  EXPECT_EQ(box->cursorPos, 1);
  key(0x27);
  EXPECT_EQ(box->cursorPos, 3);
  key(0x08);
  EXPECT_EQ(text(), "ab");
  box->setText(NVString((kWide + "b").c_str()));
  key(0x2E);
  EXPECT_EQ(text(), "b");
  key(0x08);  // at position 0: nothing changes
  EXPECT_EQ(text(), "b");
}

TEST_F(TextBoxTest, ShiftArrowsSelectAndTypingReplacesTheSelection) {
  type("hello");
  key(0x25, {0x10});
  key(0x25, {0x10});
  EXPECT_TRUE(box->hasSelection);
  EXPECT_EQ(box->selectionStart, 5);
  EXPECT_EQ(box->selectionEnd, 3);
  key(0x58);
  EXPECT_EQ(text(), "helx");
  EXPECT_FALSE(box->hasSelection);
}

TEST_F(TextBoxTest, ImeCommitsReplaceTheSelectionOnce) {
  type("ab");
  engine->imeResultText = NVString(kWide.c_str());
  key(0xE5);
  EXPECT_EQ(text(), "ab" + kWide);
  EXPECT_TRUE(engine->imeResultText.isEmpty());
  EXPECT_EQ(box->cursorPos, 4);
}

// The window thread writes each commit while the main thread's key handling
// takes the one before: every commit is inserted once, none is lost or torn.
TEST_F(TextBoxTest, ImeCommitsFromTheWindowThreadAreEachInsertedOnce) {
  constexpr int kCommits = 20;
  NullDisplay::click(kClientX + 20, kClientY + 15);
  settle();
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  std::atomic<int> inserted{0};
  std::atomic<bool> gaveUp{false};
  std::thread committer([&] {
    for (int i = 0; i < kCommits && !gaveUp; ++i) {
      NullDisplay::commitIme(kWide);
      while (inserted < i + 1 && !gaveUp) std::this_thread::yield();
    }
  });
  while (inserted < kCommits && std::chrono::steady_clock::now() < deadline) {
    key(0xE5);
    inserted = static_cast<int>(text().size() / kWide.size());
  }
  gaveUp = true;
  committer.join();
  std::string expected;
  for (int i = 0; i < kCommits; ++i) expected += kWide;
  EXPECT_EQ(text(), expected);
}

TEST_F(TextBoxTest, ATypingRunIsOneUndoStepAndRedoBringsItBack) {
  type("abc");
  key(0x5A, {0x11, 0x5A});
  EXPECT_EQ(text(), "");
  key(0x59, {0x11, 0x59});
  EXPECT_EQ(text(), "abc");
  key(0x59, {0x11, 0x59});  // at the newest state: nothing
  EXPECT_EQ(text(), "abc");
}

TEST_F(TextBoxTest, SetTextIsUndoable) {
  box->setText(NVString("first"));
  box->setText(NVString("second"));
  key(0x5A, {0x11, 0x5A});
  EXPECT_EQ(text(), "first");
}

TEST_F(TextBoxTest, TheHistoryKeepsThirtyEntries) {
  for (int i = 0; i < 31; ++i) box->setText(NVString(std::to_string(i).c_str()));
  ASSERT_EQ(box->history.size(), 30u);
  EXPECT_EQ(box->history.front().text, "0");  // the empty text of construction has gone
  EXPECT_EQ(box->history.back().text, "29");
}

TEST_F(TextBoxTest, ClipboardShortcuts) {
  type("abc");
  key(0x41, {0x11, 0x41});
  EXPECT_EQ(box->cursorPos, 3);  // select all leaves the cursor
  key(0x43, {0x11, 0x43});
  EXPECT_EQ(getClipboardText(), "abc");
  setClipboardText(NVString("xy"));
  key(0x56, {0x11, 0x56});
  EXPECT_EQ(text(), "xy");
  EXPECT_EQ(box->cursorPos, 2);
  key(0x56, {0x11, 0x56});  // no selection: inserted at the cursor
  EXPECT_EQ(text(), "xyxy");
  key(0x41, {0x11, 0x41});
  key(0x58, {0x11, 0x58});
  EXPECT_EQ(text(), "");
  EXPECT_EQ(getClipboardText(), "xyxy");
  key(0x51, {0x11});  // Control+Q has no action: a lowercase q
  EXPECT_EQ(text(), "q");
  key(0x43, {0x11, 0x43});  // copy without a selection types c
  EXPECT_EQ(text(), "qc");
}

TEST_F(TextBoxTest, MaxLengthNeverSplitsACharacter) {
  box->setText(NVString(std::string(1030, 'a').c_str()));
  EXPECT_EQ(box->getText().length(), 1024);
  box->setText(NVString((std::string(1023, 'a') + kWide + "bb").c_str()));
  EXPECT_EQ(box->getText().length(), 1023);
}

TEST_F(TextBoxTest, TheVisibleTextFollowsTheCursor) {
  box->setText(NVString(std::string(200, 'w').c_str()));
  box->cursorPos = 200;
  box->refresh();
  EXPECT_GT(box->scrollStart, 0);
  EXPECT_EQ(box->stageItem()->text, box->getText().mid(box->scrollStart, 200));
  EXPECT_LE(box->caret->getX() + box->caret->getWidth(), box->getWidth());
  key(0x24);  // Home has no action here and types nothing
  box->cursorPos = 0;
  box->refresh();
  EXPECT_EQ(box->scrollStart, 0);
}

TEST_F(TextBoxTest, DraggingOutsideScrollsByTheDistance) {
  box->setText(NVString(std::string(300, 'w').c_str()));
  NVEventState press;
  press.widget = box;
  press.localX = 0;
  box->onPress(press);
  press.localX = box->getWidth() + 35;
  box->onDrag(press);
  EXPECT_EQ(box->autoScrollStep, 5);
  press.localX = -25;
  box->onDrag(press);
  EXPECT_EQ(box->autoScrollStep, -4);
  press.localX = 5;
  box->onDragEnd(press);
  EXPECT_EQ(box->autoScrollStep, 0);
  EXPECT_FALSE(box->dragging);
}

TEST_F(TextBoxTest, AutoScrollStepsOncePerFrame) {
  box->setText(NVString(std::string(300, 'w').c_str()));
  NVEventState press;
  press.widget = box;
  box->onPress(press);
  press.localX = box->getWidth() + 35;
  box->onDrag(press);
  box->scrollAnimation->data.progress = 0.1;
  box->scrollAnimation->onUpdate(box->scrollAnimation->data);
  box->scrollAnimation->onUpdate(box->scrollAnimation->data);
  EXPECT_EQ(box->cursorPos, 10);
  EXPECT_EQ(box->selectionEnd, 10);
  EXPECT_EQ(box->selectionStart, 0);
  EXPECT_TRUE(box->hasSelection);
}

TEST_F(TextBoxTest, AutoScrollNeverStopsInsideACharacter) {
  box->setText(NVString(("a" + kWide + kWide).c_str()));
  box->autoScrollStep = 2;
  box->scrollAnimation->onUpdate(box->scrollAnimation->data);
  EXPECT_EQ(box->cursorPos, 1);
}

TEST_F(TextBoxTest, ClickingPlacesTheCursorAndTypedKeysArrive) {
  box->setText(NVString("abcdef"));
  NullDisplay::movePointer(kClientX + 10 + 150, kClientY + 10 + 8);
  runFrames(engine, 3);
  NullDisplay::pressButton();
  runFrames(engine, 3);
  NullDisplay::releaseButton();
  runFrames(engine, 3);
  EXPECT_EQ(box->cursorPos, 6);
  // The engine samples one key per frame, with the modifiers held then.
  NullDisplay::typeKey(0x47);
  runFrames(engine, 4);
  NullDisplay::pressKey(0x10);
  runFrames(engine, 2);
  NullDisplay::typeKey(0x31);
  runFrames(engine, 4);
  NullDisplay::releaseKey(0x10);
  runFrames(engine, 2);
  EXPECT_EQ(text(), "abcdefg!");
  NullDisplay::commitIme(kWide);
  runFrames(engine, 4);
  EXPECT_EQ(text(), "abcdefg!" + kWide);
}

}  // namespace

namespace {

TEST_F(TextBoxTest, FocusSetsTheBlinkTimeAndEveryWayOutRestoresIt) {
  const UINT before = GetCaretBlinkTime();
  NVEventState focus;
  focus.widget = box;
  box->onFocusIn(focus);
  EXPECT_EQ(GetCaretBlinkTime(), 750u);
  EXPECT_TRUE(box->blinkAnimation->running);
  box->onFocusOut(focus);
  EXPECT_EQ(GetCaretBlinkTime(), before);
  NVTextBox* other = new NVTextBox(NVString(""));
  other->onFocusIn(focus);
  delete other;  // deleted while focused
  EXPECT_EQ(GetCaretBlinkTime(), before);
}

}  // namespace

namespace {

bool caretShown(NVTextBox* box) {
  if (box->caret->stageItemHost) return box->caret->stageItemHost->shown;
  return box->caret->item2DHost && box->caret->item2DHost->visible;
}

// The caret of a box in its own window blinks over 1500 ms: shown while the
// sine of the phase is above -0.1, across every period.
TEST_F(TextBoxTest, TheCaretBlinksOverItsPeriodFrameAfterFrame) {
  unsigned int now = 5000;
  setAnimationClock([&now] { return now; });
  NVEventState focus;
  focus.widget = box;
  box->onFocusIn(focus);
  struct Moment {
    unsigned int at;
    bool shown;
  };
  const Moment moments[] = {{370, true},   {700, true},  {900, false},  {1120, false},
                            {1400, false}, {1870, true}, {2620, false}, {3370, true}};
  unsigned int elapsed = 0;
  for (const Moment& m : moments) {
    // Ten-millisecond frames, as a running program would make them.
    while (elapsed < m.at) {
      elapsed += 10;
      now = 5000 + elapsed;
      runAnimations();
    }
    EXPECT_EQ(caretShown(box), m.shown) << "at " << m.at << " ms";
  }
  box->onFocusOut(focus);
  runAnimations();
  setAnimationClock({});
}

}  // namespace
