#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "framework/core/NVEngineLock.h"
#include "tests/support/EngineHarness.h"

namespace {

std::vector<std::string> gDestroyed;

// Records the order in which stages go.
class NamedStage : public NVStageBase {
 public:
  explicit NamedStage(std::string name) : name_(std::move(name)) { setRect(5, 5, 40, 30); }
  void onDestroying() override { gDestroyed.push_back(name_); }

 private:
  std::string name_;
};

class StageTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { useNullDisplay(); }
  void SetUp() override {
    top = makeTopLevel(30, 30, 300, 200);
    engine = top->engine;
  }
  void TearDown() override {
    delete top;
    freeDeferred();
  }
  NVStageBase* top = nullptr;
  NVEngine* engine = nullptr;
};

TEST_F(StageTest, SetRectWithUnchangedValuesDoesNothing) {
  EXPECT_FALSE(top->setRect(30, 30, 300, 200));
  EXPECT_TRUE(top->setRect(40, 50, 300, 200));
  RECT r;
  GetWindowRect(top->hwnd, &r);
  EXPECT_EQ(r.left, 40);
  EXPECT_EQ(r.top, 50);
  EXPECT_EQ(r.right - r.left, 300);
}

TEST_F(StageTest, HidingAChildDirtiesItsAreaOfTheParent) {
  NVStageBase child;
  child.setRect(20, 30, 50, 40);
  ASSERT_TRUE(top->addChild(&child, true));
  top->resetDirty();
  EXPECT_TRUE(child.hide());
  {
    std::lock_guard lock(engineLock);
    EXPECT_EQ(top->dirty.left, 20);
    EXPECT_EQ(top->dirty.top, 30);
    EXPECT_EQ(top->dirty.right, 70);
    EXPECT_EQ(top->dirty.bottom, 70);
  }
  EXPECT_FALSE(IsWindowVisible(child.hwnd));
  top->removeChild(&child);
}

TEST_F(StageTest, RemovingAStageTakesDownGrandchildrenFirst) {
  gDestroyed.clear();
  NamedStage child("child"), grandchild("grandchild"), greatGrandchild("great-grandchild");
  ASSERT_TRUE(top->addChild(&child, true));
  ASSERT_TRUE(child.addChild(&grandchild, true));
  ASSERT_TRUE(grandchild.addChild(&greatGrandchild, true));
  EXPECT_EQ(GetParent(grandchild.hwnd), child.hwnd);
  HWND childWindow = child.hwnd, grandchildWindow = grandchild.hwnd;
  ASSERT_TRUE(top->removeChild(&child));
  EXPECT_EQ(gDestroyed, (std::vector<std::string>{"great-grandchild", "grandchild", "child"}));
  EXPECT_FALSE(IsWindow(childWindow));
  EXPECT_FALSE(IsWindow(grandchildWindow));
  EXPECT_FALSE(grandchild.created);
  EXPECT_TRUE(child.children.empty());
  EXPECT_FALSE(top->removeChild(&child));  // not a child any more
}

TEST_F(StageTest, AFrameWindowAddedAsAChildBecomesAnOwnedTopLevelWindow) {
  NVStageBase popup;
  popup.typeName = "NVExWindow";
  popup.setWindowParams(WS_POPUP, 0, NVString("NV_WINDOW"), NVString("owned"));
  popup.setRect(100, 100, 60, 60);
  ASSERT_TRUE(top->addChild(&popup, true));
  EXPECT_TRUE(popup.attached);
  EXPECT_TRUE(top->children.empty());
  EXPECT_TRUE(IsWindowVisible(popup.hwnd));
  EXPECT_TRUE(top->removeChild(&popup));
  EXPECT_FALSE(popup.created);
}

TEST_F(StageTest, EnablingBeforeCreationOnlyRecordsTheFlag) {
  NVStageBase loose;
  loose.setEnabled(false);
  EXPECT_FALSE(loose.enabled);
  loose.setFocus();  // no engine yet: nothing happens
  EXPECT_TRUE(engine->takeFocusRequests().empty());
}

TEST_F(StageTest, SetFocusRequestsTheFocusOnce) {
  top->setFocus();
  const auto requests = engine->takeFocusRequests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].stage, top);
}

TEST_F(StageTest, PaintSeesTheAreaTheWindowSystemAskedFor) {
  struct Painter : NVStageBase {
    void paint(HDC) override {
      std::lock_guard lock(engineLock);
      seen = {dirty.left, dirty.top, dirty.right, dirty.bottom};
      painted = true;
    }
    RECT seen{};
    std::atomic<bool> painted{false};
  } painter;
  painter.setRect(0, 0, 100, 100);
  ASSERT_TRUE(top->addChild(&painter, true));
  ASSERT_TRUE(runFramesUntil(engine, [&] { return painter.painted.load(); }));
  painter.painted = false;
  RECT area = {10, 20, 30, 40};
  InvalidateRect(painter.hwnd, &area, FALSE);
  ASSERT_TRUE(runFramesUntil(engine, [&] { return painter.painted.load(); }));
  EXPECT_LE(painter.seen.left, 10);
  EXPECT_LE(painter.seen.top, 20);
  EXPECT_GE(painter.seen.right, 30);
  EXPECT_GE(painter.seen.bottom, 40);
  EXPECT_FALSE(painter.isDirty());
  top->removeChild(&painter);
}

// Six device contexts may be held at once; a seventh waits until one is
// given back.
TEST_F(StageTest, AtMostSixDeviceContextsAreHeldAtOnce) {
  // The window thread's painting counts too; whatever it holds now it gives
  // back, and while six are held here it waits like anyone else.
  std::vector<HDC> held;
  for (int i = 0; i < 6; ++i) {
    held.push_back(top->acquireDC());
    ASSERT_NE(held.back(), nullptr) << i;
  }
  EXPECT_EQ(heldDeviceContexts(), 6);
  std::atomic<HDC> seventh{nullptr};
  std::atomic<bool> returned{false};
  std::thread waiter([&] {
    seventh = top->acquireDC();
    returned = true;
  });
  // A seventh that did not wait would come back at once.
  for (int i = 0; i < 100 && !returned; ++i) Sleep(1);
  EXPECT_FALSE(returned);
  EXPECT_EQ(heldDeviceContexts(), 6);
  top->releaseDC(held.back());
  held.pop_back();
  for (int i = 0; i < 10000 && !returned; ++i) Sleep(1);
  waiter.join();
  ASSERT_TRUE(returned);
  EXPECT_NE(seventh.load(), nullptr);
  EXPECT_EQ(heldDeviceContexts(), 6);
  top->releaseDC(seventh);
  for (HDC dc : held) top->releaseDC(dc);
  for (int i = 0; i < 10000 && heldDeviceContexts() != 0; ++i) Sleep(1);
  EXPECT_EQ(heldDeviceContexts(), 0);
}

}  // namespace
