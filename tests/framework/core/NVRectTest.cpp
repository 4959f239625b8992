#include <gtest/gtest.h>

#include "framework/core/NVRect.h"

namespace {

TEST(NVRect, SizesAndEmptiness) {
  struct Case {
    NVRect r;
    int width, height;
    bool empty;
  };
  const Case cases[] = {
      {{0, 0, 10, 5}, 10, 5, false}, {{-3, -4, 2, 1}, 5, 5, false},        {{4, 4, 4, 9}, 0, 5, true},
      {{4, 4, 9, 4}, 5, 0, true},    {{300, 300, 0, 0}, -300, -300, true},  // the stages' "nothing dirty" value
      {{2, 2, 3, 3}, 1, 1, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.r.width(), c.width) << c.r.left << "," << c.r.top;
    EXPECT_EQ(c.r.height(), c.height) << c.r.left << "," << c.r.top;
    EXPECT_EQ(c.r.isEmpty(), c.empty) << c.r.left << "," << c.r.top;
  }
}

TEST(NVRect, JoinIntersectAndGrow) {
  struct Case {
    NVRect a, b, joined, intersected;
  };
  const Case cases[] = {
      // Overlapping.
      {{0, 0, 10, 10}, {5, 5, 15, 20}, {0, 0, 15, 20}, {5, 5, 10, 10}},
      // Apart: the join spans both, the intersection is empty.
      {{0, 0, 2, 2}, {8, 9, 10, 12}, {0, 0, 10, 12}, {8, 9, 2, 2}},
      // An inverted "nothing yet" rectangle widens to exactly the other.
      {{300, 300, 0, 0}, {20, 30, 70, 70}, {20, 30, 70, 70}, {300, 300, 0, 0}},
      // Contained.
      {{-5, -5, 50, 50}, {1, 2, 3, 4}, {-5, -5, 50, 50}, {1, 2, 3, 4}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.a.joined(c.b), c.joined);
    EXPECT_EQ(c.b.joined(c.a), c.joined);
    EXPECT_EQ(c.a.intersected(c.b), c.intersected);
    EXPECT_EQ(c.b.intersected(c.a), c.intersected);
  }
  EXPECT_EQ(NVRect({10, 10, 20, 20}).grown(2), NVRect({8, 8, 22, 22}));
  EXPECT_EQ(NVRect({10, 10, 20, 20}).grown(-5), NVRect({15, 15, 15, 15}));
  EXPECT_TRUE(NVRect({10, 10, 20, 20}).grown(-5).isEmpty());
  EXPECT_NE(NVRect({0, 0, 1, 1}), NVRect({0, 0, 1, 2}));
}

}  // namespace
