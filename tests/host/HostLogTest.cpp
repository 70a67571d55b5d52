#include "HostLog.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "HostPaths.h"
#include "HostState.h"
#include "TestFolder.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

const char kStamp[] = R"(\d\d:\d\d:\d\d\.\d{3}   )";

class HostLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host::ResetContext(GetModuleHandleA(nullptr));
    host::SetDataPaths(host::Context(), folder_.path().c_str());
  }
  std::string Log() const { return ReadWholeFile(host::Context().logPath); }

  TestFolder folder_;
};

TEST_F(HostLogTest, FreshLogReplacesThePreviousRunAndStartsWithTheBanner) {
  WriteWholeFile(host::Context().logPath, "previous run\r\n");
  host::StartFreshLog();
  const std::string expected = std::string("===================== ZELVA Hangardesk v1\\.17\\.27 =====================\r\n") +
                               kStamp + "\r\n" + kStamp + "Starting Hangardesk\r\n" + kStamp;
  EXPECT_TRUE(std::regex_match(Log(), std::regex(expected))) << Log();
}

TEST_F(HostLogTest, MessagesAppendWithAStampAfterEveryLineFeedAndSystemFormats) {
  host::HostLog("one ");
  host::HostLog("%I64d %ls\n%s - page %d\n", 1234567890123LL, L"wide", "ZELVA K50X", 4);
  const std::string expected = std::string("one 1234567890123 wide\r\n") + kStamp + "ZELVA K50X - page 4\r\n" + kStamp;
  EXPECT_TRUE(std::regex_match(Log(), std::regex(expected))) << Log();
}

TEST_F(HostLogTest, MessageLongerThanTheFormatBufferIsWrittenWhole) {
  std::string longText(6000, 'x');
  longText[5999] = 'E';
  host::HostLog("%s|\n", longText.c_str());
  std::string log = Log();
  ASSERT_GE(log.size(), 6003u);
  EXPECT_EQ(log.substr(0, 6003), longText + "|\r\n");
  EXPECT_TRUE(std::regex_match(log.substr(6003), std::regex(kStamp)));
}

TEST_F(HostLogTest, UnwritableLogIsDroppedSilently) {
  host::SetDataPaths(host::Context(), (folder_.path() + "missing\\").c_str());
  host::HostLog("lost\n");
  EXPECT_FALSE(Exists(host::Context().logPath));
  // Without a data folder nothing may land in the current directory instead.
  host::Context().logPath[0] = '\0';
  host::HostLog("also lost\n");
  EXPECT_FALSE(Exists("ZELVA Hangardesk.log"));
}

}  // namespace
