#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "toolkit/dv_ErrorQueue.h"
#include "toolkit/dv_Report.h"

namespace {

class ErrorQueueTest : public ::testing::Test {
 protected:
  void TearDown() override {
    dv_SetReportMode(0);
    dv_ErrorQueue::instance().discardAll();
  }
  dv_ErrorQueue& queue() { return dv_ErrorQueue::instance(); }
};

TEST_F(ErrorQueueTest, ModeZeroStoresAndPrintsNothing) {
  EXPECT_EQ(dv_GetReportMode(), 0);
  testing::internal::CaptureStderr();
  testing::internal::CaptureStdout();
  dv_ReportError("dv_MatrixAdmin", "setScale", 1, "Zero Scale Error.");
  dv_ReportFormatted("Vector = (%g, %g, %g)", 1.0, 2.0, 3.0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(queue().size(), 0u);
  EXPECT_FALSE(dv_FlushOneReport());
}

TEST_F(ErrorQueueTest, OddModesPrintAtOnceOnTheirStream) {
  struct Case {
    int mode;
    bool onStderr;
  };
  for (const Case c : {Case{3, true}, Case{5, false}}) {
    dv_SetReportMode(c.mode);
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    dv_ReportError("dv_MatrixAdmin", "setScale", 1, "Zero Scale Error.");
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();
    const std::string expected = "dv_MatrixAdmin::setScale -- ErrorCode 1\nZero Scale Error.\n";
    EXPECT_EQ(c.onStderr ? err : out, expected) << "mode " << c.mode;
    EXPECT_EQ(c.onStderr ? out : err, "") << "mode " << c.mode;
    EXPECT_EQ(queue().size(), 0u);
  }
}

TEST_F(ErrorQueueTest, HookModesConsumeSilently) {
  for (int mode : {1, 7}) {
    dv_SetReportMode(mode);
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    dv_ReportError("a message");
    EXPECT_EQ(testing::internal::GetCapturedStdout() + testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(queue().size(), 0u) << "mode " << mode;
  }
}

TEST_F(ErrorQueueTest, ModeFourHoldsReportsUntilFlushed) {
  dv_SetReportMode(4);
  testing::internal::CaptureStderr();
  dv_ReportError("first");
  dv_ReportError("second");
  dv_ReportError("third");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(queue().size(), 3u);
  testing::internal::CaptureStderr();
  EXPECT_TRUE(dv_FlushOneReport());
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "first\n");
  EXPECT_EQ(queue().size(), 2u);
}

TEST_F(ErrorQueueTest, SwitchingFromTwoToThreePrintsTheOldestReport) {
  dv_SetReportMode(2);
  dv_ReportError("old");
  dv_SetReportMode(3);
  testing::internal::CaptureStderr();
  dv_ReportError("new");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "old\n");
  EXPECT_EQ(queue().size(), 1u);
}

TEST_F(ErrorQueueTest, ReportFormsAndTheirText) {
  dv_SetReportMode(2);
  dv_ReportError("Cls", "fn", 7);
  dv_ReportError("message only");
  dv_ReportFormatted("%s=%d", "n", 42);
  std::string text;
  ASSERT_TRUE(queue().takeOne(text));
  EXPECT_EQ(text, "Cls::fn -- ErrorCode 7\n");
  ASSERT_TRUE(queue().takeOne(text));
  EXPECT_EQ(text, "message only");
  ASSERT_TRUE(queue().takeOne(text));
  EXPECT_EQ(text, "n=42");
  EXPECT_FALSE(queue().takeOne(text));
  EXPECT_FALSE(dv_FlushOneReport());
}

TEST_F(ErrorQueueTest, FormattedReportsAreCutAt1023Characters) {
  dv_SetReportMode(2);
  const std::string longText(2000, 'x');
  dv_ReportFormatted("%s", longText.c_str());
  std::string text;
  ASSERT_TRUE(queue().takeOne(text));
  EXPECT_EQ(text, std::string(1023, 'x'));
}

TEST_F(ErrorQueueTest, ModeOutsideTheTableIsIgnored) {
  dv_SetReportMode(4);
  dv_SetReportMode(10);
  dv_SetReportMode(-1);
  EXPECT_EQ(dv_GetReportMode(), 4);
}

TEST_F(ErrorQueueTest, ModeNineAppendsToTheLogFile) {
  const std::string path = testing::TempDir() + "dv_error_queue_log.txt";
  std::remove(path.c_str());
  dv_SetReportMode(9);
  dv_ReportError("before any log file");
  ASSERT_TRUE(dv_SetReportFile(path));
  dv_ReportError("Cls", "fn", 2, "msg");
  dv_ReportError("plain");
  ASSERT_TRUE(dv_SetReportFile(path));  // reopening appends
  dv_ReportError("again");
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  // A text file for people: Windows line ends there.
#ifdef _WIN32
  EXPECT_EQ(content.str(), "Cls::fn -- ErrorCode 2\r\nmsg\r\nplain\r\nagain\r\n");
#else
  EXPECT_EQ(content.str(), "Cls::fn -- ErrorCode 2\nmsg\nplain\nagain\n");
#endif
  EXPECT_FALSE(dv_SetReportFile(testing::TempDir() + "no/such/dir/log.txt"));
  dv_ReportError("lost");  // no log file open: written nowhere, not kept
  EXPECT_EQ(queue().size(), 0u);
  std::remove(path.c_str());
}

}  // namespace
