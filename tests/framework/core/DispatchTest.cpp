#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/compose/NV2DItem.h"
#include "framework/core/NVEngineLock.h"
#include "framework/core/NVEventDispatch.h"
#include "framework/widgets/NVWidget.h"
#include "tests/support/EngineHarness.h"

namespace {

class DispatchTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { useNullDisplay(); }
  void SetUp() override {
    top = makeTopLevel(20, 20, 200, 150);
    engine = top->engine;
    child = new NVStageBase();
    child->setRect(10, 10, 50, 40);
    ASSERT_TRUE(top->addChild(child, true));
  }
  void TearDown() override {
    delete child;
    delete top;
    freeDeferred();
  }
  void push(NVEventKind kind, NVStageBase* stage) {
    NVEventState e;
    e.kind = kind;
    e.stage = stage;
    engine->pushEvent(e);
  }

  NVStageBase* top = nullptr;
  NVStageBase* child = nullptr;
  NVEngine* engine = nullptr;
};

TEST_F(DispatchTest, ConnectorsAndHandlersRunInTheOrderTheyWereMade) {
  std::vector<std::string> calls;
  NVEventConnector first(top), second(top);
  first.connect(NV_EV_CLOSE, [&](NVEventState) { calls.push_back("first.a"); });
  second.connect(NV_EV_CLOSE, [&](NVEventState) { calls.push_back("second"); });
  first.connect(NV_EV_CLOSE, [&](NVEventState) { calls.push_back("first.b"); });
  raiseCloseRequest(top);
  dispatchEvents(engine);
  EXPECT_EQ(calls, (std::vector<std::string>{"first.a", "first.b", "second"}));
}

TEST_F(DispatchTest, DisabledStagesAndTheirChildrenHearNothing) {
  EventRecorder topHears(top), childHears(child);
  top->setEnabled(false);
  EXPECT_FALSE(top->enabled);
  EXPECT_FALSE(IsWindowEnabled(top->hwnd));
  raiseCloseRequest(top);
  raiseCloseRequest(child);
  dispatchEvents(engine);
  EXPECT_TRUE(topHears.events.empty());
  EXPECT_TRUE(childHears.events.empty());
  top->setEnabled(true);
  raiseCloseRequest(child);
  dispatchEvents(engine);
  EXPECT_EQ(childHears.kinds(), (std::vector<int>{NV_EV_CLOSE}));
}

TEST_F(DispatchTest, EventsBubbleToTheParentOnlyWhenAsked) {
  std::vector<std::string> calls;
  NVEventConnector onTop(top), onChild(child);
  onTop.connect(NV_EV_COMMAND, [&](NVEventState e) { calls.push_back(e.stage == child ? "top sees child" : "top"); });
  onChild.connect(NV_EV_COMMAND, [&](NVEventState) { calls.push_back("child"); });
  push(NV_EV_COMMAND, child);
  dispatchEvents(engine);
  EXPECT_EQ(calls, (std::vector<std::string>{"child"}));
  calls.clear();
  child->passToParent = true;
  push(NV_EV_COMMAND, child);
  dispatchEvents(engine);
  EXPECT_EQ(calls, (std::vector<std::string>{"child", "top sees child"}));
}

TEST_F(DispatchTest, AnEventRaisedByAHandlerIsDeliveredInTheSameStep) {
  EventRecorder recorder(top, {NV_EV_CHANGED});
  NVEventConnector raiser(top);
  raiser.connect(NV_EV_COMMAND, [&](NVEventState) { push(NV_EV_CHANGED, top); });
  push(NV_EV_COMMAND, top);
  dispatchEvents(engine);
  EXPECT_EQ(recorder.kinds(), (std::vector<int>{NV_EV_CHANGED}));
}

TEST_F(DispatchTest, AHandlerMayDeleteItsOwnConnector) {
  auto* doomed = new NVEventConnector(top);
  int calls = 0;
  doomed->connect(NV_EV_COMMAND, [&](NVEventState) {
    ++calls;
    delete doomed;
  });
  EventRecorder after(top, {NV_EV_COMMAND});
  push(NV_EV_COMMAND, top);
  push(NV_EV_COMMAND, top);
  dispatchEvents(engine);
  EXPECT_EQ(calls, 1);  // gone for the second record
  EXPECT_EQ(after.events.size(), 2u);
  freeDeferred();
}

TEST_F(DispatchTest, RecordsWithoutATargetAreDropped) {
  EventRecorder recorder(top, {NV_EV_COMMAND});
  NVEventState e;
  e.kind = NV_EV_COMMAND;
  engine->pushEvent(e);
  EXPECT_TRUE(dispatchEvents(engine));
  EXPECT_TRUE(recorder.events.empty());
}

TEST_F(DispatchTest, EventsForADestroyedStageAreForgotten) {
  auto* doomed = new NVStageBase();
  doomed->setRect(60, 60, 20, 20);
  ASSERT_TRUE(top->addChild(doomed, true));
  push(NV_EV_COMMAND, doomed);
  engine->requestFocus({doomed, nullptr, nullptr, nullptr});
  top->removeChild(doomed);
  delete doomed;
  EXPECT_TRUE(engine->takeFocusRequests().empty());
  std::lock_guard lock(engineLock);
  for (const NVEventState& e : engine->eventQueue) EXPECT_NE(e.stage, doomed);
}

// A modal view runs a second engine: a widget deleted there must vanish from
// that engine's queue too, not only from the main engine's.
TEST_F(DispatchTest, EveryEngineForgetsADeletedWidget) {
  NVEngine second;
  auto* widget = new NVWidget();
  for (NVEngine* e : {engine, &second}) {
    NVEventState event;
    event.kind = NV_EV_CHANGED;
    event.widget = widget;
    e->pushEvent(event);
    e->requestFocus({nullptr, nullptr, widget, nullptr});
  }
  delete widget;
  for (NVEngine* e : {engine, &second}) {
    EXPECT_TRUE(e->takeFocusRequests().empty());
    std::lock_guard lock(engineLock);
    for (const NVEventState& event : e->eventQueue) EXPECT_NE(event.widget, widget);
  }
}

TEST_F(DispatchTest, AConnectorOfAWidgetWithoutAHostHearsNothing) {
  NVWidget widget;
  NVEventConnector connector(&widget);
  int calls = 0;
  connector.connect(NV_EV_COMMAND, [&](NVEventState) { ++calls; });
  push(NV_EV_COMMAND, top);
  raiseWidgetEvent(&widget, NV_EV_CHANGED);
  dispatchEvents(engine);
  EXPECT_EQ(calls, 0);
}

// A record for a 2D item reaches it only while the item and every parent
// item are enabled; with bubbling set it reaches the parent's connectors after
// the item's own, and further up only while each item on the way bubbles.
TEST_F(DispatchTest, TwoDItemsHearThroughTheirEnabledChainAndBubbleWhenAsked) {
  NV2DItem* root = new NV2DItem(0, 0, 0, 60, 60);
  NV2DItem* middle = new NV2DItem(0, 5, 5, 40, 40);
  NV2DItem* leaf = new NV2DItem(0, 5, 5, 20, 20);
  NV2DItemBase::addChild(root, middle, true);
  NV2DItemBase::addChild(middle, leaf, true);
  std::vector<std::string> heard;
  NVEventConnector onRoot(root), onMiddle(middle), onLeaf(leaf);
  onRoot.connect(NV_EV_CHANGED, [&](NVEventState) { heard.push_back("root"); });
  onMiddle.connect(NV_EV_CHANGED, [&](NVEventState) { heard.push_back("middle"); });
  onLeaf.connect(NV_EV_CHANGED, [&](NVEventState) { heard.push_back("leaf"); });
  struct Case {
    const char* name;
    bool middleEnabled, rootEnabled, leafBubbles, middleBubbles;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"no bubbling", true, true, false, false, {"leaf"}},
      {"one level", true, true, true, false, {"leaf", "middle"}},
      {"two levels", true, true, true, true, {"leaf", "middle", "root"}},
      {"only the middle bubbles", true, true, false, true, {"leaf"}},
      {"disabled parent", false, true, true, true, {}},
      {"disabled root", true, false, true, true, {}},
  };
  for (const Case& c : cases) {
    middle->enabled = c.middleEnabled;
    root->enabled = c.rootEnabled;
    leaf->bubbleEvents = c.leafBubbles;
    middle->bubbleEvents = c.middleBubbles;
    heard.clear();
    NVEventState e;
    e.kind = NV_EV_CHANGED;
    e.item2D = leaf;
    e.stage = top;
    engine->pushEvent(e);
    dispatchEvents(engine);
    EXPECT_EQ(heard, c.expected) << c.name;
  }
  delete leaf;
  delete middle;
  delete root;
}

}  // namespace
