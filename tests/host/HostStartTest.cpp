// The real program with a fresh user profile: data folder, log, instances.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "DialogAnswerer.h"
#include "HostProcess.h"

using namespace zelva::testing;

namespace {

const DWORD kCommandClose = MAKEWPARAM(1004, BN_CLICKED);

size_t Find(const std::string& log, const std::string& text) { return log.find(text); }

class HostStartTest : public ::testing::Test {
 protected:
  HostInstallation host_;
  AppDataOverride profile_{host_.roaming()};
};

TEST_F(HostStartTest, FreshProfileGetsDataFolderLogAndNoConfiguration) {
  {
    Process first(host_.programPath(), "", host_.programFolder());
    HWND main = WaitForMainWindow(first.id());
    ASSERT_NE(main, nullptr);
    SendMessageA(main, WM_COMMAND, kCommandClose, 0);
    EXPECT_EQ(first.Wait(), 0u);
  }
  std::string log = host_.Log();
  EXPECT_EQ(log.rfind("===================== ZELVA Hangardesk v1.17.27 =====================\r\n", 0), 0u) << log;
  for (const char* step : {"   Starting Hangardesk\r\n", "   Loading Settings\r\n", "\tFinding FSX\r\n",
                           "   Loading GDI+\r\n", "   Command line: \r\n", "   Initializing\r\n",
                           "   Displaying Hangardesk\r\n", "   Window initializing\r\n", "   Loading Settings Module\r\n",
                           "   Finding product modules\r\n", "   Load complete.  Running ZELVA Hangardesk\r\n",
                           "   Unloading product modules\r\n", "   Cleaning Up\r\n", "   Goodbye!\r\n"}) {
    size_t at = Find(log, step);
    EXPECT_NE(at, std::string::npos) << step;
  }
  EXPECT_FALSE(Exists(host_.dataFolder() + "ZELVA Hangardesk.cfg"));
}

TEST_F(HostStartTest, OwnPackagePathRunsAfterLoadingAndHandOffsRunAtOnceWhenIdle) {
  Process first(host_.programPath(), "C:\\Liveries\\Nordair.ZLP", host_.programFolder());
  HWND main = WaitForMainWindow(first.id());
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitForLog(host_, "Opening ZLP file: c:\\liveries\\nordair.zlp"));
  std::string log = host_.Log();
  EXPECT_LT(Find(log, "Load complete."), Find(log, "Opening ZLP file: c:\\liveries\\nordair.zlp"));

  {
    Process second(host_.programPath(), "D:\\Downloads\\Aurora.zlp", host_.programFolder());
    EXPECT_EQ(second.Wait(), 0u);
  }
  // Handed over synchronously: processed before the second instance ended.
  log = host_.Log();
  EXPECT_NE(Find(log, "Opening ZLP file: D:\\Downloads\\Aurora.zlp"), std::string::npos) << log;
  EXPECT_NE(Find(log, "Sending command to existing Hangardesk"), std::string::npos);

  {
    DWORD secondId = 0;
    Process second(host_.programPath(), "", host_.programFolder());
    secondId = second.id();
    DialogAnswerer answer("Error", IDOK, 30000, secondId);
    ASSERT_TRUE(answer.Wait());
    EXPECT_EQ(answer.text(), "The ZELVA Hangardesk is already running!");
    EXPECT_EQ(second.Wait(), 0u);
  }
  {
    Process updater(host_.programPath(), "-DownloadUpdater", host_.programFolder());
    EXPECT_EQ(updater.Wait(), 0u);  // no checksum: nothing fetched, no crash
  }
  SendMessageA(main, WM_COMMAND, kCommandClose, 0);
  EXPECT_EQ(first.Wait(), 0u);
}

}  // namespace
