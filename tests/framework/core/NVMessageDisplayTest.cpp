#include <gtest/gtest.h>

#include "framework/core/NVApplicationInfo.h"
#include "framework/core/NVMessageDisplay.h"
#include "framework/widgets/NVWidget.h"

namespace {

TEST(NVMessageDisplay, ReplacesTheWholeTextOfTheDesignatedWidget) {
  setMessageText(NVString("nobody listens"));  // no widget yet: nothing happens
  NVWidget label;
  messageWidget = &label;
  setMessageText(NVString("first\nline"));
  setMessageText(NVString("second"));
  EXPECT_EQ(label.getText(), "second");
  setMessageText(NVString(""));
  EXPECT_EQ(label.getText(), "");
  messageWidget = nullptr;
}

TEST(NVApplicationInfo, DefaultsThenTheApplicationsValues) {
  EXPECT_EQ(getApplicationName(), "Nolva Application");
  EXPECT_EQ(getApplicationVersion(), "1.0.0");
  EXPECT_FALSE(getApplicationRights().isEmpty());
  EXPECT_TRUE(getCreditLines().empty());
  setApplicationName(NVString("Brisel"));
  setApplicationVersion(NVString("2.0"));
  setApplicationRights(NVString("rights"));
  addCreditLine(NVString("one"));
  addCreditLine(NVString(""));
  addCreditLine(NVString("three"));
  EXPECT_EQ(getApplicationName(), "Brisel");
  EXPECT_EQ(getApplicationVersion(), "2.0");
  EXPECT_EQ(getApplicationRights(), "rights");
  const std::vector<NVString> expected = {NVString("one"), NVString(""), NVString("three")};
  EXPECT_EQ(getCreditLines(), expected);
}

}  // namespace
