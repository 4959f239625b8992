// Undo and redo on a text box that was just created and attached, through
// keys injected on the null display: each kind of edit is taken back to the
// text, cursor, selection and scroll start it was made from, and redone to
// the state it left.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/widgets/NVTextBox.h"
#include "framework/widgets/NVTextBoxClipboard.h"
#include "platform/host/display/null/NullDisplay.h"
#include "tests/framework/widgets/WidgetWindow.h"

namespace {

using nvhost::NullDisplay;

// A double-byte character (hiragana A in code page 932).
const std::string kWide = "\x82\xA0";

enum class Act { Type, Back, Delete, Left, ShiftLeft, Cut, Paste, SelectAll, Ime };

struct Step {
  Act act;
  std::string text = "";  // what Type types (lowercase letters) or Ime commits
  int times = 1;
};

struct State {
  std::string text;
  int cursor, selectionStart, selectionEnd;
};

struct Case {
  const char* name;
  std::string initial;
  std::vector<Step> setup;  // the state undo goes back to is the one after these
  std::vector<Step> edit;   // one undo step
  State undone, redone;
  std::string clipboard = "";
  int scrollStart = 0;  // the first shown byte before the edit
};

class TextBoxUndoTest : public WidgetWindow {
 protected:
  // Control held, then the letter held, each delivered in frames of its own:
  // the box decides by the letters down when the key arrives.
  void chord(BYTE letter) {
    NullDisplay::pressKey(VK_CONTROL);
    settle();
    frames();
    NullDisplay::pressKey(letter);
    settle();
    frames();
    NullDisplay::releaseKey(letter);
    NullDisplay::releaseKey(VK_CONTROL);
    settle();
    frames(1);
  }
  void run(const Step& step) {
    for (int i = 0; i < step.times; ++i) {
      switch (step.act) {
        case Act::Type:
          for (char c : step.text) key(static_cast<BYTE>(c - 'a' + 0x41));
          break;
        case Act::Back: key(VK_BACK); break;
        case Act::Delete: key(VK_DELETE); break;
        case Act::Left: key(VK_LEFT); break;
        case Act::ShiftLeft: key(VK_LEFT, {VK_SHIFT}); break;
        case Act::Cut: chord('X'); break;
        case Act::Paste: chord('V'); break;
        case Act::SelectAll: chord('A'); break;
        case Act::Ime:
          NullDisplay::commitIme(step.text);
          settle();
          frames();
          break;
      }
    }
  }
  static State stateOf(const NVTextBox& box) {
    return {box.getText().toStdString(), box.cursorPos, box.selectionStart, box.selectionEnd};
  }
};

void expectState(const NVTextBox& box, const State& expected, int scrollStart, const std::string& where) {
  EXPECT_EQ(box.getText().toStdString(), expected.text) << where;
  EXPECT_EQ(box.cursorPos, expected.cursor) << where;
  EXPECT_EQ(box.selectionStart, expected.selectionStart) << where;
  EXPECT_EQ(box.selectionEnd, expected.selectionEnd) << where;
  EXPECT_EQ(box.hasSelection, expected.selectionStart != expected.selectionEnd) << where;
  EXPECT_EQ(box.scrollStart, scrollStart) << where;
}

TEST_F(TextBoxUndoTest, EachEditOnANewBoxIsUndoneAndRedoneExactly) {
  const std::string forty(40, 'w');
  const Case cases[] = {
      {"typing", "", {}, {{Act::Type, "abcdef"}}, {"", 0, 0, 0}, {"abcdef", 6, 6, 6}},
      {"backspace", "", {{Act::Type, "abcdef"}}, {{Act::Back, "", 3}}, {"abcdef", 6, 6, 6}, {"abc", 3, 3, 3}},
      {"delete", "hello", {{Act::Left, "", 2}}, {{Act::Delete}}, {"hello", 3, 3, 3}, {"helo", 3, 3, 3}},
      {"delete a selection", "hello", {{Act::ShiftLeft, "", 2}}, {{Act::Delete}}, {"hello", 3, 5, 3}, {"hel", 3, 3, 3}},
      {"cut", "hello", {{Act::Left}, {Act::ShiftLeft, "", 3}}, {{Act::Cut}}, {"hello", 1, 4, 1}, {"ho", 1, 1, 1}},
      {"paste over a selection",
       "hello",
       {{Act::ShiftLeft, "", 2}},
       {{Act::Paste}},
       {"hello", 3, 5, 3},
       {"helXY", 5, 5, 5},
       "XY"},
      {"paste at the cursor", "ab", {{Act::Left}}, {{Act::Paste}}, {"ab", 1, 1, 1}, {"aXYb", 3, 1, 1}, "XY"},
      {"input method", "ab", {{Act::Left}}, {{Act::Ime, kWide}}, {"ab", 1, 1, 1}, {"a" + kWide + "b", 3, 3, 3}},
      {"typing over select all", "hello", {{Act::SelectAll}}, {{Act::Type, "x"}}, {"hello", 5, 0, 5}, {"x", 1, 1, 1}},
      {"typing in scrolled text",
       "",
       {{Act::Type, forty}, {Act::Left, "", 35}},
       {{Act::Type, "x"}},
       {forty, 5, 5, 5},
       {"wwwwwx" + forty.substr(5), 6, 6, 6},
       "",
       5},  // forty w do not fit: the cursor went back left of the first shown byte
  };
  int y = 10;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    setClipboardText(NVString(c.clipboard.c_str()));
    NVTextBox* box = new NVTextBox(NVString(c.initial.c_str()));
    box->setRect(10, y, 200, 18);
    attach(box);
    // Giving the box its host shows the text there and is no edit: the one
    // entry is the construction's.
    ASSERT_EQ(box->history.size(), 1u);
    // Focus; the press puts the cursor after the text.
    click(10 + 195, y + 9);
    y += 20;
    ASSERT_EQ(box->cursorPos, static_cast<int>(c.initial.size()));
    for (const Step& s : c.setup) run(s);
    const int scrollBefore = box->scrollStart;
    EXPECT_EQ(scrollBefore, c.scrollStart);
    ASSERT_EQ(stateOf(*box).text, c.undone.text);
    for (const Step& s : c.edit) run(s);
    ASSERT_EQ(stateOf(*box).text, c.redone.text);
    const int scrollAfter = box->scrollStart;
    chord('Z');
    expectState(*box, c.undone, scrollBefore, "after undo");
    chord('Y');
    expectState(*box, c.redone, scrollAfter, "after redo");
    chord('Z');
    expectState(*box, c.undone, scrollBefore, "after a second undo");
  }
}

}  // namespace
