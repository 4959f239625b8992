#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/compose/NV3DItem.h"
#include "framework/compose/NV3DStage.h"
#include "framework/core/NVEventConnector.h"
#include "framework/core/NVEventDispatch.h"
#include "framework/widgets/NVWidget.h"
#include "platform/host/display/null/NullDisplay.h"
#include "tests/support/EngineHarness.h"

namespace {

using nvhost::NullDisplay;

std::vector<std::string> gCalls;

class TracingWidget : public NVWidget {
 public:
  TracingWidget(std::string name, int x, int y, int w, int h) : NVWidget(x, y, w, h), name_(std::move(name)) {}
  void onAttach() override { gCalls.push_back(name_ + " attach"); }
  void onDetach() override { gCalls.push_back(name_ + " detach"); }
  void onResize(int w, int h) override {
    gCalls.push_back(name_ + " resize " + std::to_string(w) + "x" + std::to_string(h));
  }
  void onEnableChanged(bool on) override { gCalls.push_back(name_ + (on ? " enabled" : " disabled")); }

 private:
  std::string name_;
};

// Widgets hosted by 3D items of a stage on a shown window of the null
// display (the items are laid out for it; nothing draws them here).
class Widget3DHostTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { useNullDisplay(); }
  void SetUp() override {
    NullDisplay::movePointer(1200, 1000);
    window = makeTopLevel(100, 100, 300, 200);
    engine = window->engine;
    stage3D = new NV3DStage(window, nullptr);
    gCalls.clear();
  }
  void TearDown() override {
    delete stage3D;
    delete window;
    freeDeferred();
  }
  // A widget entered in the stage as a root, shown.
  NV3DItem* enter(NVWidget& widget) {
    NV3DItem* host = widget.item3D();
    stage3D->addItem(host, true);
    return host;
  }

  NVStageBase* window = nullptr;
  NVEngine* engine = nullptr;
  NV3DStage* stage3D = nullptr;
};

TEST_F(Widget3DHostTest, TheHostStartsFromTheWidgetsValues) {
  TracingWidget widget("w", 5, 6, 0, 8);
  widget.setText(NVString("abc"));
  widget.setEnabled(false);
  widget.passEventsToParent = true;
  NV3DItem* host = widget.item3D();
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(widget.hostKind, NVHostKind::Item3D);
  EXPECT_EQ(host->ownerWidget, &widget);
  EXPECT_EQ(host->x, 5);
  EXPECT_EQ(host->width, 1);
  EXPECT_EQ(host->text, NVString("abc"));
  EXPECT_FALSE(host->enabled);
  EXPECT_TRUE(host->bubbleEvents);
  EXPECT_EQ(gCalls, (std::vector<std::string>{"w disabled"}));
  EXPECT_EQ(widget.item3D(), host);
  EXPECT_EQ(widget.item2D(), nullptr);
  EXPECT_EQ(widget.stageItem(), nullptr);
  EXPECT_EQ(widget.hostItem3D(), host);
  EXPECT_EQ(widget.getEngine(), nullptr);  // not in a stage yet
}

TEST_F(Widget3DHostTest, ChildrenBecomeChildItemsOfTheHost) {
  TracingWidget parent("parent", 10, 20, 200, 100), child("child", 3, 4, 30, 20);
  NV3DItem* parentHost = enter(parent);
  gCalls.clear();
  parent.addChild(&child, true);
  ASSERT_EQ(child.hostKind, NVHostKind::Item3D);
  NV3DItem* childHost = child.item3D();
  EXPECT_EQ(childHost->parent, parentHost);
  EXPECT_EQ(childHost->depth, 1);
  EXPECT_EQ(childHost->stage3D, stage3D);
  EXPECT_TRUE(childHost->visible);
  EXPECT_EQ(child.parent, &parent);
  EXPECT_EQ(parent.children.size(), 1u);
  EXPECT_EQ(child.getStageX(), 13);
  EXPECT_EQ(child.getStageY(), 24);
  EXPECT_EQ(child.getEngine(), engine);
  parent.removeChild(&child);
  EXPECT_EQ(childHost->parent, nullptr);
  EXPECT_EQ(childHost->stage3D, nullptr);
  EXPECT_EQ(child.parent, nullptr);
  EXPECT_TRUE(parent.children.empty());
  EXPECT_EQ(gCalls, (std::vector<std::string>{"child enabled", "child attach", "child detach"}));
}

TEST_F(Widget3DHostTest, GeometryVisibilityAlphaAndTextReachTheHost) {
  TracingWidget widget("w", 0, 0, 40, 30);
  NV3DItem* host = enter(widget);
  gCalls.clear();
  EXPECT_EQ(widget.setRect(10, 20, 60, 50), 1);
  EXPECT_EQ(host->x, 10);
  EXPECT_EQ(host->textureImage.getWidth(), 60);
  EXPECT_EQ(gCalls, (std::vector<std::string>{"w resize 60x50"}));
  EXPECT_EQ(widget.moveBy(5, -5), 1);
  EXPECT_EQ(widget.getX(), 15);
  EXPECT_EQ(widget.getY(), 15);
  EXPECT_EQ(widget.moveTo(1, 2), 1);
  EXPECT_EQ(widget.getWidth(), 60);
  EXPECT_NEAR(host->getPosition().x, 2 * (1 + 30) / 300.0 - 1, 1e-9);
  EXPECT_NEAR(host->getPosition().y, 1 - 2 * (2 + 25) / 200.0, 1e-9);
  widget.hide();
  EXPECT_EQ(host->getPosition(), dv_Vector(-30000, -30000, -1000));
  widget.show();
  EXPECT_NEAR(host->getPosition().x, 2 * (1 + 30) / 300.0 - 1, 1e-9);
  widget.setAlpha(400);
  EXPECT_EQ(host->alpha, 255);
  widget.setTextOffset(4, 5);
  EXPECT_EQ(host->textX, 4);
  EXPECT_EQ(host->textY, 5);
  widget.setText(NVString("x"));
  EXPECT_EQ(widget.getText(), NVString("x"));
}

TEST_F(Widget3DHostTest, DisablingAParentDisablesItsChildrenFirst) {
  TracingWidget parent("parent", 0, 0, 100, 100), child("child", 0, 0, 10, 10);
  enter(parent);
  parent.addChild(&child, true);
  gCalls.clear();
  parent.setEnabled(false);
  EXPECT_EQ(gCalls, (std::vector<std::string>{"child disabled", "parent disabled"}));
  EXPECT_FALSE(child.isEnabled());
  EXPECT_FALSE(child.item3D()->enabled);
  parent.removeChild(&child);
}

TEST_F(Widget3DHostTest, DestroyingTheWidgetTakesItsItemOutOfTheStage) {
  auto* widget = new TracingWidget("w", 0, 0, 10, 10);
  enter(*widget);
  ASSERT_EQ(stage3D->roots.size(), 1u);
  delete widget;
  EXPECT_TRUE(stage3D->roots.empty());
}

// Events addressed to a 3D host reach the widget's connector through the
// engine, and only while the host is enabled.
TEST_F(Widget3DHostTest, EventsAndFocusReachTheHostedWidget) {
  TracingWidget widget("w", 0, 0, 10, 10);
  NV3DItem* host = enter(widget);
  std::vector<NVEventState> heard;
  auto* connector = new NVEventConnector(&widget);
  for (NVEventKind kind : {NV_EV_FOCUS, NV_EV_CHANGED})
    connector->connect(kind, [&heard](NVEventState e) { heard.push_back(e); });
  NullDisplay::movePointer(150, 150);
  runFrames(engine, 3);
  host->requestFocus();
  ASSERT_TRUE(runFramesUntil(
      engine, [&] { return !heard.empty(); }, 200));
  EXPECT_EQ(heard[0].kind, NV_EV_FOCUS);
  EXPECT_EQ(heard[0].item3D, host);
  EXPECT_EQ(heard[0].widget, &widget);
  EXPECT_EQ(engine->currentInput.focusItem3D, host);
  heard.clear();
  widget.setEnabled(false);
  raiseWidgetEvent(&widget, NV_EV_CHANGED);
  runFrames(engine, 2);
  EXPECT_TRUE(heard.empty());
  widget.setEnabled(true);
  raiseWidgetEvent(&widget, NV_EV_CHANGED);
  ASSERT_TRUE(runFramesUntil(
      engine, [&] { return !heard.empty(); }, 50));
  EXPECT_EQ(heard[0].kind, NV_EV_CHANGED);
  EXPECT_EQ(heard[0].stage, window);
  delete connector;
}

}  // namespace
