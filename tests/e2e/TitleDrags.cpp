#include "TitleDrags.h"

#include <gtest/gtest.h>

#include "tests/support/Waiting.h"

namespace e2e {

void dragTitleThereAndBack(XvfbScreen& screen, unsigned long frame, int count, int grabDX, int grabDY) {
  int x = 0, y = 0;
  ASSERT_TRUE(screen.originOf(frame, x, y));
  auto at = [&](int wantX, int wantY) {
    return waitFor([&] { return screen.originOf(frame, x, y) && x == wantX && y == wantY; });
  };
  int wantX = x, wantY = y;
  for (int i = 0; i < count; ++i) {
    const int dx = i % 2 == 0 ? 60 : -60, dy = i % 2 == 0 ? 24 : -24;
    ASSERT_TRUE(at(wantX, wantY)) << "before drag " << i << ": at " << x << "," << y;
    const int grabX = wantX + grabDX, grabY = wantY + grabDY;
    screen.movePointer(grabX, grabY);
    screen.setButton(1, true);
    screen.movePointer(grabX + dx / 2, grabY + dy / 2);
    ASSERT_TRUE(at(wantX + dx / 2, wantY + dy / 2))
        << "drag " << i << ": the window did not follow; at " << x << "," << y;
    screen.movePointer(grabX + dx, grabY + dy);
    wantX += dx, wantY += dy;
    ASSERT_TRUE(at(wantX, wantY)) << "drag " << i << ": at " << x << "," << y;
    screen.setButton(1, false);
  }
}

}  // namespace e2e
