// The real program with a fresh user profile: data folder, log, instances.
#include <gtest/gtest.h>

#include <string>

#include "DialogAnswerer.h"
#include "Handles.h"
#include "HostProcess.h"
#include "ZelvaVersion.h"

using namespace zelva::testing;

namespace {

// A package on the command line runs only once loading is done; a hand-off
// to the idle program runs before the second instance ends. Neither file
// exists: each ends in one error naming it.
TEST(HostStartTest, FreshProfileCommandLinePackageAndSecondInstances) {
  HostInstallation host;
  Process first(host.programPath(), "C:\\Liveries\\Nordair.ZLP", host.programFolder());
  HWND main = WaitForMainWindow(first.id());
  ASSERT_NE(main, nullptr);
  {
    DialogAnswerer missing("An error occured", IDOK, 30000, first.id());
    ASSERT_TRUE(missing.Wait());
    EXPECT_EQ(missing.text(), "The following error occured:\n\nThe package file \"c:\\liveries\\nordair.zlp\" could not "
                              "be opened: the file is missing or cannot be read.\n");
  }
  ASSERT_TRUE(WaitForLog(host, "Opening ZLP file: c:\\liveries\\nordair.zlp"));
  std::string log = host.Log();
  EXPECT_EQ(log.rfind("===================== ZELVA Hangardesk v" ZELVA_VERSION_TEXT " =====================\r\n", 0), 0u) << log;
  EXPECT_LT(log.find("Load complete."), log.find("Opening ZLP file: c:\\liveries\\nordair.zlp"));
  {
    DialogAnswerer missing("An error occured", IDOK, 30000, first.id());
    Process second(host.programPath(), "D:\\Downloads\\Aurora.zlp", host.programFolder());
    EXPECT_TRUE(missing.Wait());
    std::string named = missing.text();
    CharLowerA(named.data());
    EXPECT_NE(named.find("aurora.zlp"), std::string::npos) << missing.text();
    EXPECT_EQ(second.Wait(), 0u);
  }
  log = host.Log();
  EXPECT_NE(log.find("Opening ZLP file: D:\\Downloads\\Aurora.zlp"), std::string::npos) << log;
  EXPECT_NE(log.find("Sending command to existing Hangardesk"), std::string::npos);
  {
    Process second(host.programPath(), "", host.programFolder());
    DialogAnswerer answer("Error", IDOK, 30000, second.id());
    ASSERT_TRUE(answer.Wait());
    EXPECT_EQ(answer.text(), "The ZELVA Hangardesk is already running!");
    EXPECT_EQ(second.Wait(), 0u);
  }
  {
    Process updater(host.programPath(), "-DownloadUpdater", host.programFolder());
    EXPECT_EQ(updater.Wait(), 0u);  // no checksum: nothing fetched, no crash
  }
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(1004, BN_CLICKED), 0);
  EXPECT_EQ(first.Wait(), 0u);
  EXPECT_NE(host.Log().find("   Goodbye!\r\n"), std::string::npos) << host.Log();
  EXPECT_EQ(ReadWholeFile(host.dataFolder() + "ZELVA Hangardesk.cfg"), kNoUpdateChecks);  // nothing written
}

// A program that holds the single-instance mutex but never shows its window
// (stuck while loading, or ending) does not keep a second start waiting.
TEST(HostStartTest, ASecondStartGivesUpOnAFirstInstanceWithoutWindow) {
  HostInstallation host;
  zelva::win::KernelHandle claimed(CreateMutexA(nullptr, TRUE, "ZELVA Hangardesk"));
  ASSERT_TRUE(claimed);
  ASSERT_NE(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
  Process second(host.programPath(), "C:\\Liveries\\Nordair.ZLP", host.programFolder());
  EXPECT_EQ(second.Wait(60000), 1u);
  EXPECT_NE(host.Log().find("Existing Hangardesk shows no window; the command is dropped"), std::string::npos)
      << host.Log();
}

}  // namespace
