// Animations on an injected clock: the order and values of the start, update
// and end callbacks at chosen times, repeats, stops, restarts, and callbacks
// that delete or replace things while the frame step runs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/widgets/NVAnimation.h"

namespace {

class AnimationTest : public testing::Test {
 protected:
  void SetUp() override {
    setAnimationClock([this] { return now; });
  }
  void TearDown() override {
    setAnimationClock({});
    freeDeferred();
  }

  // Records every callback of an animation as "kind frame elapsed".
  void record(NVAnimation& a, const char* tag = "") {
    const std::string t = tag;
    a.setOnStart([this, t](NVAnimeData d) { return note(t + "start", d); });
    a.setOnUpdate([this, t](NVAnimeData d) { return note(t + "update", d); });
    a.setOnEnd([this, t](NVAnimeData d) { return note(t + "end", d); });
  }
  bool note(const std::string& kind, const NVAnimeData& d) {
    log.push_back(kind + " " + std::to_string(d.frameCount) + " " + std::to_string(d.elapsed));
    progress.push_back(d.progress);
    return false;
  }
  // One frame step at the given clock time.
  void frameAt(unsigned int time) {
    now = time;
    runAnimations();
  }

  unsigned int now = 5000;
  std::vector<std::string> log;
  std::vector<double> progress;
};

using Log = std::vector<std::string>;

TEST_F(AnimationTest, ProgressRunsLinearlyAndEndsOnce) {
  NVAnimation a;
  EXPECT_EQ(a.typeName, "NVAnimation");
  EXPECT_EQ(a.duration, 1000u);
  record(a);
  a.data.spare = 77;
  a.start();
  EXPECT_TRUE(a.running);
  EXPECT_EQ(a.startTime, 5000u);
  frameAt(5250);
  frameAt(5999);
  frameAt(6200);
  frameAt(6300);
  EXPECT_EQ(log, (Log{"start 0 0", "update 1 250", "update 2 999", "end 3 1000"}));
  EXPECT_EQ(progress, (std::vector<double>{0.0, 0.25, 0.999, 1.0}));
  EXPECT_FALSE(a.running);
  EXPECT_FALSE(a.finished);
  EXPECT_EQ(a.data.frameCount, 0);
  EXPECT_EQ(a.data.elapsed, 0);
  EXPECT_EQ(a.data.spare, 77);
  EXPECT_EQ(activeAnimationCount(), 0);
}

// A new animation is idle with callbacks that do nothing; every callback is
// handed the animation itself; the millisecond clock may wrap around during
// a run without ending it early or late.
TEST_F(AnimationTest, CallbacksSeeTheirAnimationAcrossAClockWrap) {
  NVAnimation idle;
  EXPECT_FALSE(idle.running || idle.finished || idle.stopped || idle.repeat);
  EXPECT_FALSE(idle.onStart(idle.data));
  EXPECT_FALSE(idle.onUpdate(idle.data));
  EXPECT_FALSE(idle.onEnd(idle.data));
  NVAnimation a;
  std::vector<const NVAnimation*> seen;
  record(a);
  auto keep = [&seen](NVAnimeData d) {
    seen.push_back(d.animation);
    return false;
  };
  a.setOnStart(keep);
  a.setOnEnd(keep);
  a.setOnUpdate([&seen, this](NVAnimeData d) {
    seen.push_back(d.animation);
    return note("update", d);
  });
  now = 0xFFFFFF00u;
  a.start();
  frameAt(0x40u);   // 0x140 ms after the start
  frameAt(0x2E7u);  // 999 ms
  frameAt(0x2E8u);  // 1000 ms: the end
  frameAt(0x2E9u);
  EXPECT_EQ(log, (Log{"update 1 320", "update 2 999"}));
  EXPECT_EQ(seen, (std::vector<const NVAnimation*>{&a, &a, &a, &a}));
  EXPECT_FALSE(a.running);
}

TEST_F(AnimationTest, EndsExactlyAtItsDuration) {
  NVAnimation a;
  record(a);
  a.duration = 100;
  a.start();
  frameAt(5100);
  EXPECT_EQ(log, (Log{"start 0 0", "end 1 100"}));
}

TEST_F(AnimationTest, UpdateReturningTrueEndsTheRunInThatFrame) {
  NVAnimation a;
  record(a);
  a.setOnUpdate([this](NVAnimeData d) {
    note("update", d);
    return true;
  });
  a.start();
  frameAt(5010);
  frameAt(5020);
  EXPECT_EQ(log, (Log{"start 0 0", "update 1 10", "end 1 10"}));
  EXPECT_FALSE(a.running);
}

TEST_F(AnimationTest, RepeatRestartsFromTheEndFrame) {
  NVAnimation a;
  record(a);
  a.duration = 50;
  a.repeat = true;
  a.start();
  frameAt(5030);
  frameAt(5051);  // ends; the next period is measured from here
  frameAt(5090);
  frameAt(5101);
  frameAt(5102);
  EXPECT_EQ(log, (Log{"start 0 0", "update 1 30", "end 2 50", "start 0 0", "update 1 39", "end 2 50", "start 0 0",
                      "update 1 1"}));
  EXPECT_EQ(a.startTime, 5101u);
  EXPECT_TRUE(a.running);
}

TEST_F(AnimationTest, StopEndsAtTheNextStepAndStartWorksAgain) {
  NVAnimation a;
  record(a);
  a.repeat = true;
  a.start();
  frameAt(5100);
  a.stop();
  EXPECT_FALSE(a.repeat);
  frameAt(5200);
  frameAt(5300);
  EXPECT_EQ(log, (Log{"start 0 0", "update 1 100", "end 2 200"}));
  EXPECT_EQ(activeAnimationCount(), 0);
  EXPECT_FALSE(a.stopped);
  a.start();
  frameAt(5400);
  EXPECT_EQ(log.back(), "update 1 100");
  EXPECT_EQ(log.at(3), "start 0 0");
  EXPECT_EQ(activeAnimationCount(), 1);
}

TEST_F(AnimationTest, StartWhileRunningAndStopWhileIdleDoNothing) {
  NVAnimation a;
  record(a);
  a.stop();
  EXPECT_FALSE(a.stopped);
  EXPECT_FALSE(a.finished);
  a.start();
  now = 5500;
  a.start();
  EXPECT_EQ(a.startTime, 5000u);
  EXPECT_EQ(log, (Log{"start 0 0"}));
  EXPECT_EQ(activeAnimationCount(), 1);
}

TEST_F(AnimationTest, AZeroDurationEndsWithFullProgress) {
  NVAnimation a;
  record(a);
  a.duration = 0;
  a.start();
  frameAt(5000);
  EXPECT_EQ(log, (Log{"start 0 0", "end 1 0"}));
  EXPECT_EQ(progress.back(), 1.0);
}

TEST_F(AnimationTest, FramesVisitAnimationsInStartOrder) {
  NVAnimation a, b;
  record(a, "a");
  record(b, "b");
  b.start();
  a.start();
  frameAt(5001);
  EXPECT_EQ(log, (Log{"bstart 0 0", "astart 0 0", "bupdate 1 1", "aupdate 1 1"}));
}

TEST_F(AnimationTest, CallbackDeletingALaterAnimation) {
  NVAnimation a;
  auto* b = new NVAnimation;
  record(a, "a");
  record(*b, "b");
  a.start();
  b->start();
  a.setOnUpdate([&](NVAnimeData d) {
    note("aupdate", d);
    delete b;
    b = nullptr;
    return false;
  });
  frameAt(5010);
  frameAt(5020);
  EXPECT_EQ(log, (Log{"astart 0 0", "bstart 0 0", "aupdate 1 10", "aupdate 2 20"}));
  EXPECT_EQ(activeAnimationCount(), 1);
}

TEST_F(AnimationTest, CallbackDeletingItsOwnAnimationAndAnEarlierOne) {
  auto* first = new NVAnimation;
  auto* middle = new NVAnimation;
  NVAnimation last;
  record(*first, "f");
  record(last, "l");
  first->start();
  middle->start();
  last.start();
  middle->setOnUpdate([&](NVAnimeData) {
    delete first;
    delete middle;
    return true;  // its animation is gone: no end may follow
  });
  frameAt(5010);
  frameAt(5020);
  EXPECT_EQ(log, (Log{"fstart 0 0", "lstart 0 0", "fupdate 1 10", "lupdate 1 10", "lupdate 2 20"}));
  EXPECT_EQ(activeAnimationCount(), 1);
}

TEST_F(AnimationTest, EndCallbackDeletingItsAnimation) {
  auto* a = new NVAnimation;
  NVAnimation b;
  record(b, "b");
  a->duration = 10;
  a->setOnEnd([&](NVAnimeData) {
    delete a;
    return false;
  });
  a->start();
  b.start();
  frameAt(5020);
  EXPECT_EQ(log, (Log{"bstart 0 0", "bupdate 1 20"}));
  EXPECT_EQ(activeAnimationCount(), 1);
}

TEST_F(AnimationTest, FirstEndSwitchesToAFastRepeat) {
  // The scroll bar's auto-repeat: a first long wait, then fast repeats set up
  // from inside the first end, with the end callback replaced.
  NVAnimation a;
  record(a);
  a.duration = 300;
  int repeats = 0;
  a.setOnEnd([&](NVAnimeData d) {
    note("first-end", d);
    a.duration = 50;
    a.repeat = true;
    a.setOnEnd([&](NVAnimeData e) {
      ++repeats;
      return note("end", e);
    });
    return false;
  });
  a.start();
  frameAt(5300);
  frameAt(5350);
  frameAt(5400);
  EXPECT_EQ(log, (Log{"start 0 0", "first-end 1 300", "start 0 0", "end 1 50", "start 0 0", "end 1 50", "start 0 0"}));
  EXPECT_EQ(repeats, 2);
}

TEST_F(AnimationTest, StartingAnotherFromACallbackRunsItInTheSameStep) {
  NVAnimation a, b;
  record(a, "a");
  record(b, "b");
  a.setOnStart([&](NVAnimeData d) {
    note("astart", d);
    b.start();
    return false;
  });
  a.start();
  frameAt(5005);
  EXPECT_EQ(log, (Log{"astart 0 0", "bstart 0 0", "aupdate 1 5", "bupdate 1 5"}));
}

TEST_F(AnimationTest, DestroyingARunningAnimationLeavesTheList) {
  {
    NVAnimation a;
    a.start();
    EXPECT_EQ(activeAnimationCount(), 1);
  }
  EXPECT_EQ(activeAnimationCount(), 0);
  frameAt(6000);
}

TEST(AnimationRealClock, ProgressStaysWithinTheRun) {
  NVAnimation a;
  a.duration = 1000000;
  double last = -1.0;
  a.setOnUpdate([&](NVAnimeData d) {
    EXPECT_GE(d.progress, last);
    EXPECT_LE(d.progress, 1.0);
    last = d.progress;
    return false;
  });
  a.start();
  for (int i = 0; i < 5; ++i) runAnimations();
  EXPECT_EQ(a.data.frameCount, 5);
  EXPECT_GE(last, 0.0);
  a.stop();
  runAnimations();
  EXPECT_FALSE(a.running);
}

}  // namespace
