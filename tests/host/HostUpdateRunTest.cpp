// The real program updating itself: the offer at start, "Install Update" on
// the notification, a new updater fetched, the stand-in updater started once
// the program has unloaded its modules; and the elevated second instance
// that fetches the updater.
#include <gtest/gtest.h>

#include <string>

#include "FileDigest.h"
#include "HostProcess.h"
#include "MakerServer.h"
#include "TestFolder.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

constexpr int kNotificationsButton = 1017;
constexpr int kCloseButton = 1004;

std::string Digest(const std::string& content) { return crypto::TextDigestOfBytes(content.data(), content.size()); }

struct ChildSearch {
  const wchar_t* className;
  HWND found;
};

HWND FindChildOfClass(HWND parent, const wchar_t* className) {
  ChildSearch search = {className, nullptr};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM data) -> BOOL {
        auto* search = reinterpret_cast<ChildSearch*>(data);
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        if (lstrcmpW(name, search->className) != 0) return TRUE;
        search->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

class HostUpdateRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.AddLibrary(WindowsPathOf(TEST_MODULE_DIR) + "\\test_installed.dll", "installed.dll");
    updater_ = ReadWholeFile(WindowsPathOf(STANDIN_UPDATER_PATH));
    ASSERT_FALSE(updater_.empty());
  }
  void Configure(bool check) {
    WriteWholeFile(host_.dataFolder() + "ZELVA Hangardesk.cfg",
                   "[Online]\r\nCheckForUpdates=" + std::string(check ? "1" : "0") + "\r\nUpdateServer=" +
                       server_.url() + "\r\nProdUpdateServer=" + server_.url() + "\r\n");
  }
  // An archive whose list wants a file the program folder lacks and a newer
  // updater, which it carries.
  void PublishUpdateWithNewUpdater() {
    PackageMaker archive;
    archive.Add("update.cfg",
                "[File 0]\r\nFile_Date=133000000000000000\r\nFile_Name=Docs\\Release Notes.txt\r\nChecksum=" +
                    Digest("notes") + "\r\n[File 1]\r\nFile_Date=150000000000000000\r\nFile_Name=HangardeskUpdater.exe"
                    "\r\nChecksum=" + Digest(updater_) + "\r\n");
    archive.Add("HangardeskUpdater.exe", updater_);
    ASSERT_TRUE(server_.Publish("ZELVA_Hangardesk_Update", archive));
  }
  std::string UpdaterInProgram() const { return host_.programFolder() + "HangardeskUpdater.exe"; }

  HostInstallation host_;
  MakerServer server_{ZELVA_SERVED_ROOT, ZELVA_HTTP_BASE};
  TestFolder records_;
  std::string updater_;
};

TEST_F(HostUpdateRunTest, InstallFetchesTheNewUpdaterAndStartsItAfterTheModulesAreUnloaded) {
  Configure(true);
  PublishUpdateWithNewUpdater();
  WriteWholeFile(UpdaterInProgram(), "an updater of an older release");
  std::string record = records_ / "updater.log";
  EnvironmentOverride recording("ZELVA_UPDATER_RECORD", record);

  Process program(host_.programPath(), "", host_.programFolder());
  HWND main = WaitForMainWindow(program.id());
  ASSERT_NE(main, nullptr) << host_.Log();
  ASSERT_TRUE(WaitForLog(host_, "Load complete."));
  EXPECT_NE(host_.Log().find("Adding notification for new update"), std::string::npos) << host_.Log();
  // The list is handed to the modules all the same, found or not.
  EXPECT_NE(host_.Log().find("Test Installed - test command 14"), std::string::npos);
  char count[16] = {};
  GetDlgItemTextA(main, kNotificationsButton, count, sizeof(count));
  EXPECT_STREQ(count, "1");

  HWND card = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (card = FindChildOfClass(main, L"ZelvaNotificationCard")) != nullptr; }));
  PostMessageA(card, WM_COMMAND, MAKEWPARAM(100, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(card, 100)));

  EXPECT_EQ(program.Wait(), 0u);
  std::string log = host_.Log();
  EXPECT_TRUE(ReadWholeFile(UpdaterInProgram()) == updater_);  // not printed: a program
  EXPECT_FALSE(Exists(UpdaterInProgram() + ".part"));
  size_t unloaded = log.find("Test Installed - test unload"), started = log.find("Starting updater");
  ASSERT_NE(started, std::string::npos) << log;
  EXPECT_LT(unloaded, started);
  EXPECT_NE(log.find("Updater started"), std::string::npos) << log;
  ASSERT_TRUE(WaitUntil([&] { return !ReadWholeFile(record).empty(); }));
  EXPECT_EQ(ReadWholeFile(record), "HangardeskUpdater.exe|-FromHangardesk\r\n");
}

TEST_F(HostUpdateRunTest, ElevatedSecondInstanceFetchesTheUpdaterAndAnswersWithItsExitCode) {
  Configure(false);
  PublishUpdateWithNewUpdater();
  WriteWholeFile(UpdaterInProgram(), "an updater of an older release");
  Process first(host_.programPath(), "", host_.programFolder());
  HWND main = WaitForMainWindow(first.id());
  ASSERT_NE(main, nullptr);
  {
    Process wrong(host_.programPath(), "-DownloadUpdater -MD5:" + Digest("not the updater"), host_.programFolder());
    EXPECT_EQ(wrong.Wait(), 0u);
  }
  EXPECT_EQ(ReadWholeFile(UpdaterInProgram()), "an updater of an older release");
  {
    Process right(host_.programPath(), "-DownloadUpdater -MD5:" + Digest(updater_), host_.programFolder());
    EXPECT_EQ(right.Wait(), 1u);
  }
  EXPECT_TRUE(ReadWholeFile(UpdaterInProgram()) == updater_);  // not printed: a program
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(kCloseButton, BN_CLICKED), 0);
  EXPECT_EQ(first.Wait(), 0u);
}

}  // namespace
