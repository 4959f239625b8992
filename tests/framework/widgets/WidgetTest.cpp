#include <gtest/gtest.h>

#include <list>
#include <string>
#include <vector>

#include "framework/compose/NV2DItem.h"
#include "framework/compose/NVImage.h"
#include "framework/compose/NVStageItem.h"
#include "framework/compose/NVStringStyle.h"
#include "framework/widgets/NVLabel.h"
#include "framework/widgets/NVPushButton.h"
#include "framework/window/NVExWindow.h"
#include "platform/host/display/null/NullDisplay.h"
#include "platform/win32_layered.h"
#include "tests/support/EngineHarness.h"

namespace {

using nvhost::NullDisplay;

std::vector<std::string> gEnableCalls;

class TracingWidget : public NVWidget {
 public:
  TracingWidget(std::string name, int w = 20, int h = 10) : NVWidget(0, 0, w, h), name_(std::move(name)) {}
  void onEnableChanged(bool effective) override { gEnableCalls.push_back(name_ + (effective ? "+" : "-")); }

 private:
  std::string name_;
};

class WidgetTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { useNullDisplay(); }
  void SetUp() override {
    NullDisplay::movePointer(1200, 1000);
    window = new NVExWindow(100, 100, 300, 200, NVString("widgets"));
    window->attach(true, nullptr, nullptr);
    engine = window->engine;
  }
  void TearDown() override {
    delete window;
    freeDeferred();
  }
  NVExWindow* window = nullptr;
  NVEngine* engine = nullptr;
};

TEST_F(WidgetTest, HostlessWidgetsKeepTheirOwnValues) {
  NVWidget widget(5, 6, 7, 8);
  widget.setRect(1, 2, 30, 40);
  EXPECT_EQ(widget.getWidth(), 30);
  widget.moveTo(50, 60);
  EXPECT_EQ(widget.getX(), 1);
  EXPECT_EQ(widget.getEngine(), nullptr);
}

TEST_F(WidgetTest, AWidgetGetsOneHostForLife) {
  NVWidget widget(0, 0, 0, 0);
  NVStageItem* host = widget.stageItem();
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(host->width, 1);  // a stage item is at least 1 x 1
  EXPECT_EQ(widget.item2D(), nullptr);
  EXPECT_EQ(widget.stageItem(), host);
  EXPECT_EQ(widget.hostKind, NVHostKind::StageItem);
}

TEST_F(WidgetTest, AddingToAParentWithoutAWindowAddsNothing) {
  TracingWidget parent("parent"), child("child");
  parent.addChild(&child, true);
  EXPECT_EQ(child.parent, nullptr);
  EXPECT_TRUE(parent.children.empty());
}

TEST_F(WidgetTest, DisablingAParentDisablesTheDescendantsFirst) {
  TracingWidget parent("parent", 200, 100), child("child"), grandchild("grandchild");
  ASSERT_TRUE(window->addChild(parent.stageItem(), true));
  parent.addChild(&child, true);
  child.addChild(&grandchild, true);
  ASSERT_EQ(child.parent, &parent);
  gEnableCalls.clear();
  parent.setEnabled(false);
  EXPECT_EQ(gEnableCalls, (std::vector<std::string>{"grandchild-", "child-", "parent-"}));
  EXPECT_FALSE(grandchild.isEnabled());
  // Enabling a child under a disabled parent announces the effective state.
  gEnableCalls.clear();
  grandchild.setEnabled(true);
  EXPECT_EQ(gEnableCalls, (std::vector<std::string>{"grandchild-"}));
  EXPECT_FALSE(grandchild.isEnabled());
  gEnableCalls.clear();
  parent.setEnabled(true);
  EXPECT_EQ(gEnableCalls, (std::vector<std::string>{"grandchild+", "child+", "parent+"}));
  child.removeChild(&grandchild);
  parent.removeChild(&child);
  window->removeChild(parent.stageItem());
}

TEST_F(WidgetTest, RemovingAWidgetAddedTwiceRemovesBothEntries) {
  TracingWidget parent("parent", 200, 100), child("child");
  ASSERT_TRUE(window->addChild(parent.stageItem(), true));
  parent.addChild(&child, true);
  parent.children.push_back(&child);  // as a second addChild would leave it
  parent.removeChild(&child);
  EXPECT_TRUE(parent.children.empty());
  window->removeChild(parent.stageItem());
}

// Records every hook of the widget base with what its host showed when the
// hook ran.
class HookWidget : public NVWidget {
 public:
  HookWidget() : NVWidget(3, 4, 50, 20) {}
  void onAttach() override { calls.push_back(std::string("attach") + (hostParent() ? " under" : " alone")); }
  void onDetach() override { calls.push_back(std::string("detach") + (hostParent() ? " under" : " alone")); }
  void onShow() override { calls.push_back(std::string("show") + (hostShown() ? " shown" : " hidden")); }
  void onHide() override { calls.push_back(std::string("hide") + (hostShown() ? " shown" : " hidden")); }
  void onResize(int w, int h) override {
    calls.push_back("resize " + std::to_string(w) + "x" + std::to_string(h) + " host " + std::to_string(getWidth()));
  }
  void onEnableChanged(bool effective) override { calls.push_back(effective ? "enable+" : "enable-"); }
  bool hostParent() const { return stageItemHost && stageItemHost->parent; }
  bool hostShown() const { return stageItemHost && stageItemHost->shown; }
  std::vector<std::string> calls;
};

// What a widget is given before it has a host goes into the host when it is
// made, and the enabled state is announced once; nothing else runs.
TEST_F(WidgetTest, HostingCopiesTheWidgetsValues) {
  NVImage face(50, 20);
  HookWidget widget;
  widget.setText(NVString("caption"));
  widget.setImage(&face);
  widget.passEventsToParent = true;
  widget.setEnabled(false);
  EXPECT_FALSE(widget.isEnabled());
  widget.setTextOffset(7, 7);  // no host: nothing to keep it
  EXPECT_EQ(widget.moveTo(9, 9), 0);
  EXPECT_EQ(widget.moveBy(1, 1), 0);
  widget.show();
  widget.hide();
  EXPECT_EQ(widget.calls, (std::vector<std::string>{"show hidden", "hide hidden"}));
  widget.calls.clear();
  NVStageItem* host = widget.stageItem();
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(widget.calls, (std::vector<std::string>{"enable-"}));
  EXPECT_EQ(host->x, 3);
  EXPECT_EQ(host->y, 4);
  EXPECT_EQ(host->width, 50);
  EXPECT_EQ(host->height, 20);
  EXPECT_EQ(host->text, "caption");
  EXPECT_EQ(host->image, &face);
  EXPECT_FALSE(host->enabled);
  EXPECT_TRUE(host->passToParent);
  EXPECT_EQ(host->textX, 0);
  EXPECT_FALSE(host->shown);
  EXPECT_EQ(widget.getText(), "caption");
}

// The hooks of a child in a parent's stage item: attach after its host is
// under the parent, detach before it leaves, show and hide before the host
// changes, resize after the host took the new size.
TEST_F(WidgetTest, TheHooksRunAroundTheirHostsChanges) {
  TracingWidget parent("parent", 200, 100);
  ASSERT_TRUE(window->addChild(parent.stageItem(), true));
  HookWidget child;
  parent.addChild(&child, false);
  ASSERT_EQ(child.parent, &parent);
  EXPECT_EQ(parent.children, (std::list<NVWidget*>{&child}));
  child.show();
  EXPECT_TRUE(child.stageItemHost->shown);
  child.hide();
  EXPECT_FALSE(child.stageItemHost->shown);
  EXPECT_EQ(child.setRect(5, 6, 30, 40), 1);
  EXPECT_EQ(child.getX(), 5);
  EXPECT_EQ(child.getHeight(), 40);
  child.setSize(31, 41);
  EXPECT_EQ(child.getX(), 5);
  EXPECT_NE(child.moveTo(8, 9), 0);
  EXPECT_EQ(child.getX(), 8);
  child.setTextOffset(4, 2);
  EXPECT_EQ(child.stageItemHost->textX, 4);
  parent.removeChild(&child);
  EXPECT_EQ(child.parent, nullptr);
  EXPECT_TRUE(parent.children.empty());
  EXPECT_EQ(child.calls, (std::vector<std::string>{"enable+", "attach under", "show hidden", "hide shown",
                                                   "resize 30x40 host 30", "resize 31x41 host 31", "detach under"}));
  window->removeChild(parent.stageItem());
}

TEST_F(WidgetTest, AButtonCentresItsCaptionAndFollowsThePointer) {
  NVPushButton empty(0, 0, 80, 24, NVString(""));
  const NVPoint none = empty.centreText();
  EXPECT_EQ(none.x, 0);
  EXPECT_EQ(none.y, 0);

  NVPushButton button(20, 20, 80, 24, NVString("OK"));
  ASSERT_TRUE(window->addChild(button.stageItem(), true));
  button.onAttach();
  NVStageItem* host = button.stageItem();
  const SIZE caption = NVStringStyle::sharedDefault()->measure(NVString("OK"));
  const int centreX = 40 - caption.cx / 2, centreY = 12 - caption.cy / 2;
  EXPECT_EQ(host->image, button.normalFace.get());
  EXPECT_EQ(host->textX, centreX);
  EXPECT_EQ(host->textY, centreY);
  enum class Do { Over, Away, Press, Release };
  struct Step {
    Do act;
    NVImage* face;
    int shift;  // the caption moves by (1, 1) while pressed
  };
  const Step steps[] = {
      {Do::Over, button.hoverFace.get(), 0},
      {Do::Away, button.normalFace.get(), 0},
      {Do::Over, button.hoverFace.get(), 0},
      {Do::Press, button.pressedFace.get(), 1},
      {Do::Away, nullptr, 1},
      {Do::Release, button.normalFace.get(), 0},  // released outside
      {Do::Over, button.hoverFace.get(), 0},
      {Do::Press, button.pressedFace.get(), 1},
      {Do::Release, button.hoverFace.get(), 0},  // released inside
  };
  int n = 0;
  for (const Step& step : steps) {
    switch (step.act) {
      case Do::Over: NullDisplay::movePointer(100 + 6 + 40, 100 + 28 + 30); break;
      case Do::Away: NullDisplay::movePointer(100 + 6 + 250, 100 + 28 + 150); break;
      case Do::Press: NullDisplay::pressButton(); break;
      case Do::Release: NullDisplay::releaseButton(); break;
    }
    runFrames(engine, 3);
    if (step.face) {
      EXPECT_EQ(host->image, step.face) << "step " << n;
    }
    EXPECT_EQ(host->textX, centreX + step.shift) << "step " << n;
    EXPECT_EQ(host->textY, centreY + step.shift) << "step " << n;
    ++n;
  }
  // A new size: every face painted at it, the caption centred in it.
  button.setRect(20, 20, 100, 30);
  for (NVImage* face : {button.normalFace.get(), button.hoverFace.get(), button.pressedFace.get()}) {
    EXPECT_EQ(face->getWidth(), 100);
    EXPECT_EQ(face->getHeight(), 30);
  }
  EXPECT_EQ(host->image, button.normalFace.get());
  EXPECT_EQ(host->textX, 50 - caption.cx / 2);
  EXPECT_EQ(host->textY, 15 - caption.cy / 2);
  window->removeChild(host);
}

TEST_F(WidgetTest, ADisabledButtonShowsItsNormalFaceDimmed) {
  NVPushButton button(20, 20, 80, 24, NVString("OK"));
  ASSERT_TRUE(window->addChild(button.stageItem(), true));
  button.onAttach();
  const std::uint32_t corner = button.normalFace->getPixels()[0];
  const std::uint32_t middle = button.normalFace->getPixels()[12 * 80 + 40];
  button.setEnabled(false);
  EXPECT_EQ(button.normalFace->getPixels()[0], corner);  // transparent corners stay
  EXPECT_NE(button.normalFace->getPixels()[12 * 80 + 40], middle);
  EXPECT_EQ(button.stageItem()->image, button.normalFace.get());
  // A disabled button hears no pointer: it keeps its dimmed normal face.
  NullDisplay::movePointer(100 + 6 + 60, 100 + 28 + 30);
  runFrames(engine, 3);
  NullDisplay::pressButton();
  runFrames(engine, 3);
  NullDisplay::releaseButton();
  runFrames(engine, 3);
  EXPECT_EQ(button.stageItem()->image, button.normalFace.get());
  EXPECT_NE(button.normalFace->getPixels()[12 * 80 + 40], middle);
  // Enabled again: the normal face repainted as it was.
  button.setEnabled(true);
  EXPECT_EQ(button.normalFace->getPixels()[12 * 80 + 40], middle);
  EXPECT_EQ(button.stageItem()->image, button.normalFace.get());
  NullDisplay::movePointer(1200, 1000);
  runFrames(engine, 3);
  window->removeChild(button.stageItem());
}

TEST_F(WidgetTest, TheLabelIsCreatedAtTheOriginWithItsBackground) {
  NVLabel label(NVString("line\n"));
  EXPECT_EQ(label.getX(), 0);
  EXPECT_EQ(label.getWidth(), 300);
  ASSERT_TRUE(window->addChild(label.stageItem(), true));
  label.onAttach();
  EXPECT_EQ(label.stageItem()->image, label.backgroundImage.get());
  EXPECT_EQ(label.backgroundImage->getPixels()[0], 0xFFF7FAFFu);
  // Moving or resizing it keeps the background it was attached with.
  label.setRect(10, 10, 100, 50);
  EXPECT_EQ(label.backgroundImage->getWidth(), 300);
  EXPECT_EQ(label.backgroundImage->getHeight(), 300);
  EXPECT_EQ(label.stageItem()->image, label.backgroundImage.get());
  window->removeChild(label.stageItem());
}

// A widget whose stage item is a window of its own takes an alpha: the
// window becomes layered and the desktop blends it. Inside a parent window
// the item stays opaque.
TEST_F(WidgetTest, AStageItemInAWindowOfItsOwnTakesAnAlpha) {
  NVImage face(40, 30);
  face.fill(200, 100, 0, 255);
  NVWidget inside(10, 10, 40, 30);
  inside.setImage(&face);
  ASSERT_TRUE(window->addChild(inside.stageItem(), true));
  inside.setAlpha(100);
  EXPECT_EQ(inside.stageItemHost->alpha, 255);

  NVWidget own(700, 600, 40, 30);
  own.setImage(&face);
  NVStageItem* item = own.stageItem();
  item->setWindowParams(WS_POPUP, 0, NVString("NV_TOUMEI"), NVString(""));
  item->attach(true, nullptr, engine);
  ASSERT_TRUE(item->created);
  struct Case {
    int given, kept;
  };
  for (const Case& c : {Case{128, 128}, Case{300, 255}, Case{-5, 0}, Case{51, 51}}) {
    own.setAlpha(c.given);
    EXPECT_EQ(item->alpha, c.kept) << c.given;
    BYTE alpha = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(item->hwnd, nullptr, &alpha, nullptr)) << c.given;
    EXPECT_EQ(alpha, c.kept) << c.given;
  }
  // 51 of 255 over the black desktop: a fifth of each channel.
  runFrames(engine, 3);
  const nvhost::gdi::PixelImage desktop = NullDisplay::desktopPixels();
  EXPECT_EQ(desktop.words[610 * desktop.width + 720] & 0xFFFFFFu, (40u << 16) | (20u << 8) | 0u);
  item->detach();
  window->removeChild(inside.stageItem());
}

}  // namespace
