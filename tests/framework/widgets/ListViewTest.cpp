// The list view: its items, pointer and keyboard selection, reordering,
// deletion, scrolling and the in-place editor, through injected input.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/compose/NVStageItem.h"
#include "framework/widgets/NVListView.h"
#include "framework/widgets/NVTextBox.h"
#include "framework/widgets/NVVScroll.h"
#include "platform/host/display/null/NullDisplay.h"
#include "tests/framework/widgets/WidgetWindow.h"
#include "tests/support/EngineHarness.h"

namespace {

constexpr BYTE kReturn = 0x0D, kEscape = 0x1B, kUp = 0x26, kDown = 0x28, kDelete = 0x2E;

std::string joined(const NVListView& list) {
  std::string out;
  for (const NVString& item : list.items) out += item.toStdString() + ",";
  return out;
}

void fill(NVListView& list, std::initializer_list<const char*> texts) {
  list.items.clear();
  for (const char* t : texts) list.addItem(NVString(t));
}

TEST(ListViewItems, IndicesOutOfRangeAreHarmless) {
  NVListView list(10, 100);
  EXPECT_EQ(list.typeName, "NVListView");
  EXPECT_EQ(list.getX(), 10);
  EXPECT_EQ(list.getWidth(), 480);
  EXPECT_EQ(list.scrollBar->getHeight(), 98);
  list.removeItem(0);  // empty: nothing
  fill(list, {"a", "b", "c", "d"});
  EXPECT_EQ(list.getItem(1).toStdString(), "b");
  EXPECT_EQ(list.getItem(-1).toStdString(), "");
  EXPECT_EQ(list.getItem(4).toStdString(), "");
  EXPECT_EQ(list.getSelectedItem().toStdString(), "");
  list.setItem(NVString("x"), 4);
  list.setItem(NVString("x"), -1);
  list.setItem(NVString("B"), 1);
  EXPECT_EQ(joined(list), "a,B,c,d,");
  list.removeItem(9);  // out of range: the last one
  EXPECT_EQ(joined(list), "a,B,c,");
  list.removeItem(0);
  EXPECT_EQ(joined(list), "B,c,");
}

// Removing items leaves the selection where it was, also past the last line.
TEST(ListViewItems, RemovalsLeaveTheSelectionAlone) {
  struct Case {
    bool editable;
    int selected, removed;
  };
  const Case cases[] = {
      {false, 2, 2}, {false, 2, 0}, {false, 1, 2}, {false, 0, 0},
      {true, 2, 2},  {true, 3, 1},  {true, 0, 2},  {false, -1, 1},
  };
  for (const Case& c : cases) {
    NVListView list(10, 100);
    list.setEditable(c.editable);
    fill(list, {"a", "b", "c"});
    list.selected = c.selected;
    list.removeItem(c.removed);
    EXPECT_EQ(list.items.size(), 2u);
    EXPECT_EQ(list.selected, c.selected) << c.editable << " " << c.selected << " " << c.removed;
  }
  NVListView list(10, 100);
  fill(list, {"a"});
  list.selected = 0;
  list.removeItem(0);
  EXPECT_EQ(list.selected, 0);
  EXPECT_EQ(list.getSelectedItem().toStdString(), "");
}

TEST(ListViewItems, TheAddLineIsCodePage932) {
  EXPECT_EQ(NVListView::addLineText().toStdString(),
            "\x5b\x90\x56\x82\xb5\x82\xa2\x8d\x80\x96\xda\x82\xf0\x92\xc7\x89\xc1\x5d");
}

// A list 480 x 200 at (10, 10) of the client; line i covers list rows
// i * 18 + 1 .. i * 18 + 18 while unscrolled.
class ListViewTest : public WidgetWindow {
 protected:
  static constexpr int kX = 10, kY = 10;
  void SetUp() override {
    WidgetWindow::SetUp();
    list = new NVListView(kY, 200);
    attach(list);
  }
  void clickLine(int line) { click(kX + 200, kY + line * 18 + 10 - list->scrollBar->getPosition()); }
  // Focuses the list with a press below its lines.
  void focusList() { click(kX + 200, kY + 190); }
  bool editorShown() const { return list->editor->stageItemHost->shown; }

  NVListView* list = nullptr;
};

TEST_F(ListViewTest, KeyboardMovesReordersAndDeletes) {
  struct Case {
    bool editable;
    int start;
    BYTE key;
    bool control;
    int selected;
    const char* order;
  };
  const Case cases[] = {
      {false, 2, kDown, false, 2, "a,b,c,"},  // the last item keeps the selection
      {true, 2, kDown, false, 3, "a,b,c,"},   // onto the add line
      {true, 3, kDown, false, 3, "a,b,c,"},     {false, 0, kUp, false, 0, "a,b,c,"},
      {false, 2, kUp, false, 1, "a,b,c,"},      {false, -1, kDown, false, 0, "a,b,c,"},
      {true, 1, kUp, true, 0, "b,a,c,"},        {true, 1, kDown, true, 2, "a,c,b,"},
      {true, 2, kDown, true, 3, "a,b,c,"},                                          // no item below the last one
      {true, 0, kUp, true, 0, "a,b,c,"},        {true, 3, kUp, true, 2, "a,b,c,"},  // the add line is not an item
      {true, -1, kDown, true, 0, "a,b,c,"},                                         // nothing selected: nothing swapped
      {false, 1, kUp, true, 0, "a,b,c,"},  // a list that is not editable keeps its order
      {false, 1, kDelete, false, 1, "a,b,c,"},  {true, 1, kDelete, false, 1, "a,c,"},
      {true, 2, kDelete, false, 2, "a,b,"},     {true, 3, kDelete, false, 3, "a,b,c,"},
      {true, -1, kDelete, false, -1, "a,b,c,"}, {false, 1, 0x41, false, 1, "a,b,c,"},
  };
  focusList();
  for (const Case& c : cases) {
    list->setEditable(c.editable);
    fill(*list, {"a", "b", "c"});
    list->selected = c.start;
    key(c.key, c.control ? std::initializer_list<BYTE>{VK_CONTROL} : std::initializer_list<BYTE>{});
    EXPECT_EQ(list->selected, c.selected) << c.editable << " " << c.start << " key " << int(c.key);
    EXPECT_EQ(joined(*list), c.order) << c.editable << " " << c.start << " key " << int(c.key);
  }
}

// A resized list moves its scroll bar and draws at its new size.
TEST_F(ListViewTest, ResizingRedrawsAtTheNewSize) {
  fill(*list, {"a", "b"});
  list->selected = 0;
  list->setRect(kX, kY, 400, 150);
  frames();
  EXPECT_EQ(list->image->getWidth(), 400);
  EXPECT_EQ(list->image->getHeight(), 150);
  EXPECT_EQ(list->scrollBar->getX(), 400 - 17);
  EXPECT_EQ(list->scrollBar->getHeight(), 148);
  const nvhost::gdi::PixelImage pixels = snapshot();
  EXPECT_EQ(clientPixel(pixels, kX + 200, kY + 149), rgb(155, 162, 173));
  EXPECT_EQ(clientPixel(pixels, kX + 399, kY + 75), rgb(110 + 22, 117 + 22, 118 + 27));
  EXPECT_EQ(clientPixel(pixels, kX + 400 - 18, kY + 5), rgb(113, 177, 139));  // the band's right border
}

// Text from the input method carries no key: it must not repeat the last one.
TEST_F(ListViewTest, InputMethodTextIsNoKey) {
  list->setEditable(true);
  fill(*list, {"a", "b", "c", "d"});
  clickLine(1);
  key(kDelete);
  EXPECT_EQ(joined(*list), "a,c,d,");
  nvhost::NullDisplay::commitIme("\x82\xA0");
  // The commit is posted: the window thread has taken it once it has been
  // idle again, and the frames after that deliver its key.
  waitForKeyStates(engine);
  frames();
  EXPECT_EQ(joined(*list), "a,c,d,");
  EXPECT_EQ(list->selected, 1);
  EXPECT_TRUE(engine->takeImeResult().isEmpty());
}

TEST_F(ListViewTest, PressesSelectLines) {
  fill(*list, {"a", "b", "c"});
  struct Step {
    bool editable;
    int line;
    int selected;
    bool editing;
  };
  const Step steps[] = {
      {false, 1, 1, false},  {false, 1, 1, false},                      // again: no editor on a plain list
      {false, 3, -1, false},                                            // below the last item
      {true, 3, 3, false},                                              // the add line
      {true, 6, -1, false},  {true, 2, 2, false},  {true, 2, 2, true},  // the selected line again: edit it
  };
  for (const Step& s : steps) {
    list->setEditable(s.editable);
    clickLine(s.line);
    EXPECT_EQ(list->selected, s.selected) << s.line;
    EXPECT_EQ(list->editing, s.editing) << s.line;
  }
  EXPECT_TRUE(editorShown());
  EXPECT_EQ(list->editor->getText().toStdString(), "c");
  EXPECT_EQ(list->editor->getY(), 2 * 18 + 2);
  EXPECT_EQ(list->editor->getWidth(), 480 - 18);
}

// 20 lines in a list 200 high: the range is 20 * 18 - 198; the selection
// keeps itself in view, and the scroll bar's changes redraw the list.
TEST_F(ListViewTest, TheSelectionStaysInView) {
  for (int i = 0; i < 20; ++i) list->addItem(NVString(std::to_string(i)));
  EXPECT_EQ(list->scrollBar->getMaximum(), 20 * 18 - 198);
  focusList();
  list->selected = 10;
  key(kDown);
  EXPECT_EQ(list->scrollBar->getPosition(), 0);  // line 11 starts inside the view
  key(kDown);
  EXPECT_EQ(list->selected, 12);
  EXPECT_EQ(list->scrollBar->getPosition(), 12 * 18 - 200 + 19);
  list->selected = 2;
  key(kUp);
  EXPECT_EQ(list->scrollBar->getPosition(), 18);
  // The band of line 1 now starts at list row 1 - (18 - 18) = 1.
  EXPECT_EQ(clientPixel(kX + 100, kY + 1), rgb(113, 177, 139));
  // Scrolling on moves the band out of the view.
  list->scrollBar->setPosition(36);
  frames(2);
  EXPECT_EQ(clientPixel(kX + 100, kY + 1), rgb(247, 250, 255));
}

class ListEditorTest : public ListViewTest {
 protected:
  void SetUp() override {
    ListViewTest::SetUp();
    list->setEditable(true);
    fill(*list, {"a", "b", "c"});
  }
  // Opens the editor on a line with Return and waits for it to take the keys.
  void edit(int line) {
    clickLine(line);
    key(kReturn);
    ASSERT_TRUE(list->editing);
    ASSERT_TRUE(editorShown());
    frames(2);
  }
};

TEST_F(ListEditorTest, ReturnWritesAndEscapeDiscards) {
  edit(1);
  EXPECT_EQ(list->editor->getText().toStdString(), "b");
  key(0x58);  // x, typed at the cursor, which starts at 0
  key(kReturn);
  EXPECT_EQ(joined(*list), "a,xb,c,");
  EXPECT_FALSE(editorShown());
  EXPECT_FALSE(list->editing);
  frames(2);
  key(0x51);  // not typed into the hidden editor
  EXPECT_EQ(list->editor->getText().toStdString(), "xb");
  EXPECT_EQ(joined(*list), "a,xb,c,");
  key(kDown);  // the list has the keyboard again
  EXPECT_EQ(list->selected, 2);

  key(kReturn);
  frames(2);
  key(0x59);
  key(kEscape);
  EXPECT_EQ(joined(*list), "a,xb,c,");
  EXPECT_FALSE(editorShown());
  frames(2);
  key(kUp);
  EXPECT_EQ(list->selected, 1);
}

// Text committed by the input method is typed into the editor; the key that
// opened the editor is not taken for a second Return.
TEST_F(ListEditorTest, InputMethodTextIsTyped) {
  edit(1);
  const std::string kana = "\x82\xA0";
  nvhost::NullDisplay::commitIme(kana);
  frames();
  EXPECT_TRUE(list->editing);
  EXPECT_EQ(list->editor->getText().toStdString(), kana + "b");
  key(kReturn);
  EXPECT_EQ(list->getItem(1).toStdString(), kana + "b");
}

TEST_F(ListEditorTest, LosingTheFocusWrites) {
  edit(0);
  key(0x5A);
  click(505, 240);  // the window's client area, outside the list
  EXPECT_EQ(joined(*list), "za,b,c,");
  EXPECT_FALSE(editorShown());
}

TEST_F(ListEditorTest, TheAddLineAppends) {
  edit(3);
  EXPECT_EQ(list->editor->getText().toStdString(), "");
  key(kReturn);  // nothing typed: nothing added
  EXPECT_EQ(joined(*list), "a,b,c,");
  frames(2);
  key(kReturn);
  frames(2);
  for (BYTE k : {0x4E, 0x45, 0x57}) key(k);
  key(kReturn);
  EXPECT_EQ(joined(*list), "a,b,c,new,");
  EXPECT_EQ(list->selected, 3);
  EXPECT_EQ(list->getSelectedItem().toStdString(), "new");
}

// Return opens the editor only on a list that can be edited.
TEST_F(ListViewTest, ReturnOpensTheEditorOnlyWhenEditable) {
  fill(*list, {"a", "b", "c"});
  focusList();
  for (bool editable : {false, true}) {
    list->setEditable(editable);
    list->selected = 1;
    key(kReturn);
    EXPECT_EQ(list->editing, editable) << editable;
    EXPECT_EQ(editorShown(), editable) << editable;
  }
}

// A press on another line while the editor is open: an item's edit is
// written, the add line's is dropped, and the editor takes the new line's
// text and hides; a press below the lines selects nothing and leaves the
// editor open with nothing written.
TEST_F(ListEditorTest, PressesOnOtherLinesWhileEditing) {
  struct Step {
    int from;
    const char* typed;
    int to;
    const char* order;
    int selected;
    bool editing;
    const char* editorText;
  };
  const Step steps[] = {
      {0, "q", 2, "q,b,c,", 2, false, "c"},
      {3, "r", 1, "q,b,c,", 1, false, "b"},
      {1, "s", 8, "q,b,c,", -1, true, "s"},
  };
  for (const Step& s : steps) {
    list->selected = s.from;
    list->openEditor(s.from);
    list->editor->setText(NVString(s.typed));
    NVEventState press;
    press.widget = list;
    press.localY = s.to * 18 + 10;
    list->onPress(press);
    EXPECT_EQ(joined(*list), s.order) << s.from << " to " << s.to;
    EXPECT_EQ(list->selected, s.selected) << s.from << " to " << s.to;
    EXPECT_EQ(list->editing, s.editing) << s.from << " to " << s.to;
    EXPECT_EQ(editorShown(), s.editing) << s.from << " to " << s.to;
    EXPECT_EQ(list->editor->getText().toStdString(), s.editorText) << s.from << " to " << s.to;
  }
}

// Pressing another line with the pointer while the editor is open keeps what
// was typed on an item and drops what was typed on the add line.
TEST_F(ListEditorTest, PressingAnotherLineKeepsTheEdit) {
  edit(0);
  key(0x51);
  clickLine(2);
  EXPECT_EQ(joined(*list), "qa,b,c,");
  EXPECT_EQ(list->selected, 2);
  EXPECT_FALSE(editorShown());
  edit(3);
  key(0x52);
  clickLine(1);
  EXPECT_EQ(joined(*list), "qa,b,c,");
  EXPECT_EQ(list->selected, 1);
  clickLine(6);  // below the lines: editing nothing, selecting nothing
  EXPECT_EQ(list->selected, -1);
  EXPECT_EQ(joined(*list), "qa,b,c,");
}

}  // namespace
