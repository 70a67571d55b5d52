// The real program with a fresh user profile: data folder, log, instances.
#include <gtest/gtest.h>

#include <string>

#include "DialogAnswerer.h"
#include "HostProcess.h"

using namespace zelva::testing;

namespace {

class HostStartTest : public ::testing::Test {
 protected:
  HostInstallation host_;
};

// A package on the command line runs only once loading is done; a hand-off
// to the idle program runs before the second instance ends.
TEST_F(HostStartTest, FreshProfileCommandLinePackageAndSecondInstances) {
  Process first(host_.programPath(), "C:\\Liveries\\Nordair.ZLP", host_.programFolder());
  HWND main = WaitForMainWindow(first.id());
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitForLog(host_, "Opening ZLP file: c:\\liveries\\nordair.zlp"));
  std::string log = host_.Log();
  EXPECT_EQ(log.rfind("===================== ZELVA Hangardesk v1.17.27 =====================\r\n", 0), 0u) << log;
  EXPECT_LT(log.find("Load complete."), log.find("Opening ZLP file: c:\\liveries\\nordair.zlp"));
  {
    Process second(host_.programPath(), "D:\\Downloads\\Aurora.zlp", host_.programFolder());
    EXPECT_EQ(second.Wait(), 0u);
  }
  log = host_.Log();
  EXPECT_NE(log.find("Opening ZLP file: D:\\Downloads\\Aurora.zlp"), std::string::npos) << log;
  EXPECT_NE(log.find("Sending command to existing Hangardesk"), std::string::npos);
  {
    Process second(host_.programPath(), "", host_.programFolder());
    DialogAnswerer answer("Error", IDOK, 30000, second.id());
    ASSERT_TRUE(answer.Wait());
    EXPECT_EQ(answer.text(), "The ZELVA Hangardesk is already running!");
    EXPECT_EQ(second.Wait(), 0u);
  }
  {
    Process updater(host_.programPath(), "-DownloadUpdater", host_.programFolder());
    EXPECT_EQ(updater.Wait(), 0u);  // no checksum: nothing fetched, no crash
  }
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(1004, BN_CLICKED), 0);
  EXPECT_EQ(first.Wait(), 0u);
  EXPECT_NE(host_.Log().find("   Goodbye!\r\n"), std::string::npos) << host_.Log();
  EXPECT_FALSE(Exists(host_.dataFolder() + "ZELVA Hangardesk.cfg"));
}

}  // namespace
