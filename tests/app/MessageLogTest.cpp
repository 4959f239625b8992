#include <gtest/gtest.h>

#include "app/MessageLog.h"
#include "framework/core/NVMessageDisplay.h"
#include "framework/widgets/NVWidget.h"

namespace {

TEST(MessageLog, ShowsTheLastTwentyLinesOnePerLine) {
  NVWidget label;
  messageWidget = &label;
  MessageLog log;
  log.setDisplay(setMessageText);
  std::vector<std::string> heard;
  log.setListener([&heard](const NVString& line) { heard.push_back(line.bytes()); });
  log.add(NVString("prompt"));
  EXPECT_EQ(label.getText(), "prompt\n");
  std::string expected;
  for (int i = 1; i <= 25; ++i) log.add(NVString("line ") + i);
  for (int i = 6; i <= 25; ++i) expected += "line " + std::to_string(i) + "\n";
  EXPECT_EQ(label.getText(), expected.c_str());
  EXPECT_EQ(log.snapshot().size(), 20u);
  EXPECT_EQ(heard.size(), 26u);  // the listener hears every line, dropped or not
  log.add(NVString(""));
  EXPECT_EQ(log.snapshot().back(), "");
  EXPECT_EQ(label.getText().bytes().substr(label.getText().bytes().size() - 2), "\n\n");
  messageWidget = nullptr;
}

TEST(MessageLog, AddMessageWritesToTheApplicationsLog) {
  applicationLog().clear();
  addMessage(NVString("one"));
  addMessage(NVString("two"));
  EXPECT_EQ(applicationLog().text(), "one\ntwo\n");
}

}  // namespace
