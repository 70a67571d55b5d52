// Only a start that never happened is made again, and never silently.
#include <gtest/gtest.h>

#include <string>

#include "HostProcess.h"

using namespace zelva::testing;

namespace {

constexpr int kCloseButton = 1004;

class SecondStartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char previous[MAX_PATH] = {};
    hadPrevious_ = GetEnvironmentVariableA("ZELVA_SECOND_STARTS", previous, MAX_PATH) > 0;
    previous_ = previous;
    SetEnvironmentVariableA("ZELVA_SECOND_STARTS", records_.c_str());
  }
  void TearDown() override {
    SetEnvironmentVariableA("ZELVA_SECOND_STARTS", hadPrevious_ ? previous_.c_str() : nullptr);
  }

  TestFolder folder_;
  std::string records_ = folder_ / "second-starts.txt";
  std::string previous_;
  bool hadPrevious_ = false;
};

TEST_F(SecondStartTest, AHostThatEndsWithoutWindowOrLogLineIsStartedOnceMoreAndRecorded) {
  HostInstallation host;
  CopyFileA(WindowsPathOf(ZELVA_ENDS_AT_ONCE_PATH).c_str(), host.programPath().c_str(), FALSE);
  const std::string starts = folder_ / "starts.txt";
  {
    Process process(host.programPath(), "\"" + starts + "\"", host.programFolder());
    EXPECT_EQ(process.Wait(), 3u);
  }
  EXPECT_EQ(ReadWholeFile(starts), "xx");
  const std::string records = ReadWholeFile(records_);
  EXPECT_EQ(CountOf(records, "\n"), 1u) << records;
  EXPECT_EQ(records.rfind("SecondStartTest.AHostThatEndsWithoutWindowOrLogLineIsStartedOnceMoreAndRecorded: \"" +
                              host.programPath() + "\" \"" + starts + "\" ended with code 3, no window and no log line",
                          0),
            0u)
      << records;
}

// The updater download of a second instance ends at once without a window;
// its log lines are its sign of life.
TEST_F(SecondStartTest, HostsThatStartAreStartedOnceEvenWhenTheyEndAtOnce) {
  HostInstallation host;
  Process first(host.programPath(), "", host.programFolder());
  HWND main = WaitForMainWindow(first.id());
  ASSERT_NE(main, nullptr);
  {
    Process updater(host.programPath(), "-DownloadUpdater", host.programFolder());
    EXPECT_EQ(updater.Wait(), 0u);
  }
  EXPECT_NE(host.Log().find("Getting new updater and exiting"), std::string::npos) << host.Log();
  Click(main, kCloseButton);
  EXPECT_EQ(first.Wait(), 0u);
  EXPECT_FALSE(Exists(records_)) << ReadWholeFile(records_);
}

}  // namespace
