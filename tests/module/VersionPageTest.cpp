// The real host with the real K50 module against a maker's server on
// loopback: the offer at start, the Version page, and the K50's updater
// downloaded by the host's download manager, run, and its version read back.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "HostProcess.h"
#include "K50Setup.h"
#include "MakerServer.h"
#include "RegistryScope.h"
#include "VersionPageIds.h"

using namespace zelva::testing;

namespace {

constexpr int kProductList = 1008, kMenuTree = 1010, kContentArea = 1007;
constexpr int kNotificationsButton = 1017;
constexpr int kVersionMenuItem = 5;  // as the tree shows it, children of expanded items counted
const char kFsxKey[] = "SOFTWARE\\Microsoft\\Microsoft Games\\flight simulator\\10.0";

std::string NotificationCount(HWND main) {
  char count[16] = {};
  GetDlgItemTextA(main, kNotificationsButton, count, sizeof(count));
  return IsWindowVisible(GetDlgItem(main, kNotificationsButton)) ? count : "";
}

// The window of the page in the product window's page area.
HWND FindDescendant(HWND parent, int id) {
  struct Search {
    int id;
    HWND found;
  } search = {id, nullptr};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM data) -> BOOL {
        auto* search = reinterpret_cast<Search*>(data);
        if (GetDlgCtrlID(child) != search->id) return TRUE;
        search->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST(VersionPageTest, TheVersionPageDownloadsAndRunsTheUpdaterThatRaisesTheVersion) {
  TestFolder fsx, records;
  RegistryScope registry;
  registry.SetString(HKEY_LOCAL_MACHINE, kProductKey, "DisplayVersion", "1.4.2", KEY_WOW64_32KEY);
  registry.SetString(HKEY_CURRENT_USER, kFsxKey, "AppPath", fsx.path());
  std::string variant = fsx / "SimObjects\\Airplanes\\ZELVA K50-200LR";
  SHCreateDirectoryExA(nullptr, variant.c_str(), nullptr);
  WriteWholeFile(variant + "\\aircraft.cfg", "[fuel]\r\nfuel_type=2\r\n");

  MakerServer server(ZELVA_SERVED_ROOT, ZELVA_HTTP_BASE);
  PackageMaker versions;
  versions.Add("Versions.ini", "[ZELVA K50X]\r\nVersion=1.5.0\r\nURL=" + server.url() + "/K50X_Update_1.5.0.exe\r\n"
                               "Changelog=1\r\n");
  versions.Add("ZELVA K50X Changelog.txt", "1.5.0\r\n");
  ASSERT_TRUE(server.Publish("ZELVA_Product_Versions", versions));
  ASSERT_TRUE(CopyFileA(WindowsPathOf(STANDIN_UPDATER_PATH).c_str(), (server.folder() + "K50X_Update_1.5.0.exe").c_str(),
                        FALSE));

  HostInstallation host;
  host.AddLibrary(WindowsPathOf(ZELVA_MODULE_PATH), "ZELVA K50X.dll");
  WriteWholeFile(host.dataFolder() + "ZELVA Hangardesk.cfg",
                 "[Online]\r\nCheckForUpdates=1\r\nProdUpdateServer=" + server.url() + "\r\nUpdateServer=" +
                     server.url() + "\r\n");
  std::string record = records / "updater.log";
  EnvironmentOverride recording("ZELVA_UPDATER_RECORD", record);
  EnvironmentOverride installing("ZELVA_UPDATER_SET_VERSION", std::string(kProductKey) + "=1.5.0");

  Process program(host.programPath(), "", host.programFolder());
  HWND main = WaitForMainWindow(program.id());
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitForLog(host, "Load complete."));
  EXPECT_EQ(NotificationCount(main), "1") << host.Log();  // the K50's offer; no host update published

  ChooseProduct(main, 1);
  ASSERT_TRUE(WaitForLog(host, "\tProduct Installed: 1"));
  HWND tree = GetDlgItem(main, kMenuTree);
  HTREEITEM item = TreeView_GetRoot(tree);
  for (int i = 0; i < kVersionMenuItem; ++i) item = TreeView_GetNextVisible(tree, item);
  TreeView_SelectItem(tree, item);
  ASSERT_TRUE(WaitForLog(host, "ZELVA K50X - Showing page 5"));

  HWND download = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    download = FindDescendant(GetDlgItem(main, kContentArea), IDC_VERSION_DOWNLOAD);
    return download != nullptr && IsWindowVisible(download);
  }));
  EXPECT_TRUE(IsWindowVisible(FindDescendant(GetDlgItem(main, kContentArea), IDC_VERSION_CHANGELOG)));
  // A click as the static control reports it to its parent.
  PostMessageA(GetParent(download), WM_COMMAND, MAKEWPARAM(IDC_VERSION_DOWNLOAD, STN_CLICKED),
               reinterpret_cast<LPARAM>(download));

  ASSERT_TRUE(WaitForLog(host, "Up-To-Date-Flag set TRUE", 60000)) << host.Log();
  EXPECT_EQ(ReadWholeFile(record), "K50X_Update_1.5.0.exe|\r\n");
  std::string log = host.Log();
  EXPECT_NE(log.find("Download Update from VERSIONS page is launched"), std::string::npos);
  EXPECT_NE(log.find("Product Version is now: 1.5.0"), std::string::npos) << log;
  // The answered offer leaves the list, and the page no longer offers a download.
  EXPECT_TRUE(WaitUntil([&] { return NotificationCount(main).empty(); })) << NotificationCount(main);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(download); }));
  EXPECT_TRUE(WaitForLog(host, "Deleting Folder: "));
  EXPECT_FALSE(Exists(host.dataFolder() + "Product Updates"));

  CloseHost(main, host);
  EXPECT_EQ(program.Wait(), 0u);
}

}  // namespace
