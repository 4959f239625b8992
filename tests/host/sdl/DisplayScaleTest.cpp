// The display's scale factor from its sources, and the arithmetic between
// desktop and host pixels.
#include "platform/host/display/sdl/DisplayScale.h"

#include <gtest/gtest.h>

namespace {

using nvhost::sdl::DisplayScale;

TEST(DisplayScaleTest, TheFirstValidSourceGivesTheFactor) {
  struct Case {
    const char* brisel;
    const char* gdk;
    const char* dpi;  // null: no such resource
    int factor;
    int complaints;
    bool dpiAsked;
  };
  const Case cases[] = {
      {nullptr, nullptr, nullptr, 1, 0, true}, {"2", nullptr, nullptr, 2, 0, false},
      {"3", "2", "192", 3, 0, false},          {"4", nullptr, nullptr, 4, 0, false},
      {"1", "3", "288", 1, 0, false},          {" 2 ", nullptr, nullptr, 2, 0, false},
      {"", "2", "384", 2, 0, false},           {nullptr, "1", "192", 1, 0, false},
      {nullptr, nullptr, "192", 2, 0, true},   {"0", "2", nullptr, 2, 1, false},
      {"5", nullptr, "192", 2, 1, true},       {"-1", "7", "288", 3, 2, true},
      {"1.5", "abc", nullptr, 1, 2, true},     {"2x", "", "96", 1, 1, true},
      {"2\n3", nullptr, nullptr, 1, 1, true},  {nullptr, nullptr, "96", 1, 0, true},
      {nullptr, nullptr, "120", 1, 0, true},   {nullptr, nullptr, "143.9", 1, 0, true},
      {nullptr, nullptr, "144", 2, 0, true},   {nullptr, nullptr, "192.5", 2, 0, true},
      {nullptr, nullptr, " 288", 3, 0, true},  {nullptr, nullptr, "384", 4, 0, true},
      {nullptr, nullptr, "480", 4, 0, true},   {nullptr, nullptr, "40", 1, 0, true},
      {nullptr, nullptr, "0", 1, 1, true},     {nullptr, nullptr, "-192", 1, 1, true},
      {nullptr, nullptr, "1e3", 1, 1, true},   {nullptr, nullptr, "dpi", 1, 1, true},
      {nullptr, nullptr, "", 1, 0, true},
  };
  for (const Case& c : cases) {
    const std::string what = std::string("BRISEL_SCALE ") + (c.brisel ? c.brisel : "(unset)") + ", GDK_SCALE " +
                             (c.gdk ? c.gdk : "(unset)") + ", Xft.dpi " + (c.dpi ? c.dpi : "(none)");
    bool asked = false;
    std::vector<std::string> complaints;
    const DisplayScale scale = DisplayScale::choose(
        c.brisel, c.gdk,
        [&] {
          asked = true;
          return std::string(c.dpi ? c.dpi : "");
        },
        complaints);
    EXPECT_EQ(scale.factor(), c.factor) << what;
    EXPECT_EQ(static_cast<int>(complaints.size()), c.complaints) << what;
    EXPECT_EQ(asked, c.dpiAsked) << what;
    for (const std::string& line : complaints) {
      EXPECT_EQ(line.find('\n'), std::string::npos) << what << ": " << line;
      EXPECT_NE(line.find("ignored"), std::string::npos) << what << ": " << line;
    }
  }
}

TEST(DisplayScaleTest, AComplaintNamesTheSettingAndItsValue) {
  std::vector<std::string> complaints;
  DisplayScale::choose(
      "9", "0.5", [] { return std::string("lots"); }, complaints);
  ASSERT_EQ(complaints.size(), 3u);
  EXPECT_NE(complaints[0].find("BRISEL_SCALE=\"9\""), std::string::npos) << complaints[0];
  EXPECT_NE(complaints[1].find("GDK_SCALE=\"0.5\""), std::string::npos) << complaints[1];
  EXPECT_NE(complaints[2].find("Xft.dpi \"lots\""), std::string::npos) << complaints[2];
}

TEST(DisplayScaleTest, FactorsOutsideTheRangeAreBroughtToItsEnds) {
  EXPECT_EQ(DisplayScale(0).factor(), 1);
  EXPECT_EQ(DisplayScale(-3).factor(), 1);
  EXPECT_EQ(DisplayScale(9).factor(), 4);
  EXPECT_EQ(DisplayScale().factor(), 1);
}

TEST(DisplayScaleTest, DesktopPositionsRoundTowardMinusInfinityWithTheWindowsOffset) {
  struct Case {
    int factor, desktop, offset, host;
  };
  const Case cases[] = {
      {1, 5, 0, 5},   {1, -7, 0, -7}, {2, 0, 0, 0},   {2, 1, 0, 0}, {2, 3, 0, 1},  {2, -1, 0, -1},
      {2, -2, 0, -1}, {2, -3, 0, -2}, {2, 2, 1, 0},   {2, 3, 1, 1}, {2, 0, 1, -1}, {3, 8, 0, 2},
      {3, 8, 2, 2},   {3, 9, 2, 2},   {3, -4, 0, -2}, {4, 7, 3, 1}, {4, 6, 3, 0},
  };
  for (const Case& c : cases) {
    const DisplayScale scale(c.factor);
    EXPECT_EQ(scale.toHost(c.desktop, c.offset), c.host) << c.factor << " " << c.desktop << " " << c.offset;
    // The host pixel's block holds the desktop pixel.
    const int first = scale.toDesktop(c.host, c.offset);
    EXPECT_LE(first, c.desktop);
    EXPECT_GT(first + c.factor, c.desktop);
  }
}

TEST(DisplayScaleTest, OffsetsAndSizes) {
  struct Case {
    int factor, desktop, offset, size;
  };
  const Case cases[] = {{1, 601, 0, 601}, {2, 600, 0, 300}, {2, 601, 1, 300}, {2, -3, 1, 1},
                        {3, 601, 1, 200}, {4, 603, 3, 150}, {2, 1, 1, 1},     {4, 2, 2, 1}};
  for (const Case& c : cases) {
    const DisplayScale scale(c.factor);
    EXPECT_EQ(scale.offsetOf(c.desktop), c.offset) << c.factor << " " << c.desktop;
    EXPECT_EQ(scale.sizeToHost(c.desktop), c.size) << c.factor << " " << c.desktop;
    // A position and its offset give the position back.
    EXPECT_EQ(scale.toDesktop(scale.toHost(c.desktop, c.offset), c.offset), c.desktop);
  }
}

TEST(DisplayScaleTest, DesktopAreasBecomeThePixelsWhollyInside) {
  struct Case {
    int factor, x, y, width, height;
    RECT host;
  };
  const Case cases[] = {
      {1, 0, 0, 1024, 768, RECT{0, 0, 1024, 768}},  {2, 0, 0, 2048, 1536, RECT{0, 0, 1024, 768}},
      {2, 0, 0, 2049, 1535, RECT{0, 0, 1024, 767}}, {2, 1, 27, 2047, 1509, RECT{1, 14, 1024, 768}},
      {3, -5, 0, 10, 9, RECT{-1, 0, 1, 3}},
  };
  for (const Case& c : cases) {
    const RECT r = DisplayScale(c.factor).areaToHost(c.x, c.y, c.width, c.height);
    EXPECT_EQ(r.left, c.host.left) << c.factor << " " << c.x;
    EXPECT_EQ(r.top, c.host.top) << c.factor << " " << c.y;
    EXPECT_EQ(r.right, c.host.right) << c.factor << " " << c.width;
    EXPECT_EQ(r.bottom, c.host.bottom) << c.factor << " " << c.height;
  }
}

}  // namespace
