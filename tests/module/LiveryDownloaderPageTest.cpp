// The Livery Downloader page in the real host with the real K50 module: the
// catalogue and packages on nginx, a row's Download button clicked as a user
// would, the package downloaded by the host and installed through the
// host's package processor.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "HostProcess.h"
#include "K50Setup.h"
#include "LiveryPackages.h"
#include "RegistryScope.h"

using namespace zelva::testing;

namespace {

const int kProductList = 1008, kMenuTree = 1010, kContentArea = 1007;
const int kDownloaderList = 5604;
const char kFsxKey[] = "SOFTWARE\\Microsoft\\Microsoft Games\\flight simulator\\10.0";
const char kPackageDate[] = "133500000000000000";
const char kPackage[] = "ZELVA K50 Aurora.zlp";

BOOL CALLBACK FindList(HWND window, LPARAM found) {
  if (GetDlgCtrlID(window) != kDownloaderList || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

class LiveryDownloaderPage : public ::testing::Test {
 protected:
  void SetUp() override {
    area_ = std::string("ld-page-") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    server_ = WindowsPathOf(ZELVA_ARCHIVE_SAMPLES) + "\\" + area_;
    // The server's log outlives a test: a repeated run counts only its own requests.
    accessLogStart_ = ReadWholeFile(WindowsPathOf(ZELVA_NGINX_ACCESS_LOG)).size();
    SHCreateDirectoryExA(nullptr, (server_ + "\\K50").c_str(), nullptr);
    package_ = server_ + "\\K50\\" + kPackage;
    ASSERT_TRUE(WritePackage(work_.path(), package_,
                             {{"Settings.dat", SettingsText("Single Livery", 1, "ZELVA K50X", "ZELVA K50-200LR",
                                                            "Name=Aurora\r\nDate=" + std::string(kPackageDate) +
                                                                "\r\nConfigVersion=0\r\n")},
                              {"Config.cfg", "[fltsim.x]\r\ntitle=K50 Aurora\r\nui_variation=Aurora\r\n"
                                             "texture=Aurora\r\natc_id=ZK-AUR\r\n"},
                              {"Texture.Aurora\\k50_fuse.bmp", "BM fuselage"}}));
    WriteWholeFile(server_ + "\\Liveries", "[ZELVA K50X - ZELVA K50-200LR]\r\nCount=1\r\n000_Filename=" +
                                               std::string(kPackage) + "\r\n000_Name=Aurora\r\n000_Size=2048\r\n"
                                               "000_Date=" + kPackageDate + "\r\n");
    // Every server of the host's configuration on loopback.
    SHCreateDirectoryExA(nullptr, host_.dataFolder().c_str(), nullptr);
    WriteWholeFile(host_.dataFolder() + "ZELVA Hangardesk.cfg",
                   "[Online]\r\nCheckForUpdates=0\r\nProdUpdateServer=http://127.0.0.1:9/x\r\n"
                   "UpdateServer=http://127.0.0.1:9/x\r\nLiveriesServer=" ZELVA_HTTP_BASE "/" + area_ + "\r\n");
    const std::string variant = fsx_ / "SimObjects\\Airplanes\\ZELVA K50-200LR";
    SHCreateDirectoryExA(nullptr, variant.c_str(), nullptr);
    WriteWholeFile(variant + "\\aircraft.cfg", "[fltsim.0]\r\ntitle=K50 Nordair\r\nui_variation=Nordair\r\n"
                                               "texture=Nordair\r\n\r\n[fuel]\r\nfuel_type=2\r\n");
    SHCreateDirectoryExA(nullptr, (fsx_ / "ZELVA\\ZELVA K50X\\Aircraft\\Backups").c_str(), nullptr);
  }
  void TearDown() override {
    if (main_) CloseHost(main_, host_);
    if (process_) {
      EXPECT_EQ(process_->Wait(), 0u) << host_.Log();
    }
  }

  void StartOnThePage() {
    registry_.SetString(HKEY_LOCAL_MACHINE, kProductKey, "DisplayVersion", "1.4.2", KEY_WOW64_32KEY);
    registry_.SetString(HKEY_CURRENT_USER, kFsxKey, "AppPath", fsx_.path());
    host_.AddLibrary(WindowsPathOf(ZELVA_MODULE_PATH), "ZELVA K50X.dll");
    process_ = std::make_unique<Process>(host_.programPath(), "", host_.programFolder());
    main_ = WaitForMainWindow(process_->id());
    ASSERT_NE(main_, nullptr);
    ASSERT_TRUE(WaitForLog(host_, "Load complete."));
    HWND products = GetDlgItem(main_, kProductList);
    const LRESULT index =
        SendMessageA(products, CB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>("ZELVA K50 - FSX"));
    ASSERT_GT(index, 0);
    ChooseProduct(main_, int(index));
    HWND tree = GetDlgItem(main_, kMenuTree);
    ASSERT_TRUE(WaitUntil([&] { return TreeView_GetCount(tree) > 4; }));
    HTREEITEM item = TreeView_GetRoot(tree);
    for (int i = 0; i < 4 && item != nullptr; ++i) item = TreeView_GetNextVisible(tree, item);
    ASSERT_NE(item, nullptr);
    TreeView_SelectItem(tree, item);
    ASSERT_TRUE(WaitUntil([&] { return (list_ = List()) != nullptr; }));
    // The processing thread has read the package's summary from the server.
    ASSERT_TRUE(WaitUntil([&] { return Exists(host_.dataFolder() + "Cache\\Liveries\\ZELVA K50 Aurora.dat"); },
                          20000))
        << host_.Log();
  }

  HWND List() const {
    HWND found = nullptr;
    EnumChildWindows(GetDlgItem(main_, kContentArea), &FindList, reinterpret_cast<LPARAM>(&found));
    return found;
  }
  // The first row's button, clicked as the mouse would.
  void ClickFirstRowButton() {
    RECT r = {};
    GetClientRect(list_, &r);
    const LPARAM at = MAKELPARAM(r.right - 67, 26 + 28);
    PostMessageA(list_, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(list_, WM_LBUTTONUP, 0, at);
  }
  std::string Config() const { return ReadWholeFile(fsx_ / "SimObjects\\Airplanes\\ZELVA K50-200LR\\aircraft.cfg"); }
  // Requests for the whole package, not for ranges of it.
  size_t WholeRequests() const {
    const std::string log = ReadWholeFile(WindowsPathOf(ZELVA_NGINX_ACCESS_LOG));
    size_t count = 0;
    for (size_t at = log.find("/" + area_ + "/K50/", accessLogStart_); at != std::string::npos;
         at = log.find("/" + area_ + "/K50/", at + 1)) {
      const size_t end = log.find('\n', at);
      count += log.substr(at, end - at).find("\"-\" 200") != std::string::npos;
    }
    return count;
  }

  TestFolder fsx_, work_;
  RegistryScope registry_;
  HostInstallation host_;
  AppDataOverride profile_{host_.roaming()};
  std::unique_ptr<Process> process_;
  HWND main_ = nullptr, list_ = nullptr;
  std::string area_, server_, package_;
  size_t accessLogStart_ = 0;
};

TEST_F(LiveryDownloaderPage, DownloadFetchesThePackageAndTheHostInstallsIt) {
  StartOnThePage();
  EXPECT_EQ(WholeRequests(), 0u);  // the page read only ranges of it
  ClickFirstRowButton();
  ASSERT_TRUE(WaitForLog(host_, "\t\tDownload was successful", 20000)) << host_.Log();
  ASSERT_TRUE(WaitForLog(host_, "Finished processing ZLP file", 20000)) << host_.Log();
  EXPECT_NE(Config().find("ui_variation=Aurora"), std::string::npos);
  EXPECT_TRUE(Exists(fsx_ / "SimObjects\\Airplanes\\ZELVA K50-200LR\\Texture.Aurora\\k50_fuse.bmp"));
  EXPECT_EQ(ReadWholeFile(host_.dataFolder() + "Liveries\\" + kPackage), ReadWholeFile(package_));
  EXPECT_EQ(WholeRequests(), 1u);
  const std::string log = host_.Log();
  EXPECT_NE(log.find("Downloading livery: Aurora"), std::string::npos);
  EXPECT_NE(log.find("\tDownloading ZLP: " ZELVA_HTTP_BASE "/" + area_ + "/K50/" + kPackage), std::string::npos);
}

TEST_F(LiveryDownloaderPage, APackageAlreadyDownloadedWithTheSameDateIsInstalledWithoutDownloading) {
  SHCreateDirectoryExA(nullptr, (host_.dataFolder() + "Liveries").c_str(), nullptr);
  ASSERT_TRUE(CopyFileA(package_.c_str(), (host_.dataFolder() + "Liveries\\" + kPackage).c_str(), FALSE));
  StartOnThePage();
  ClickFirstRowButton();
  ASSERT_TRUE(WaitForLog(host_, "Finished processing ZLP file", 20000)) << host_.Log();
  EXPECT_NE(Config().find("ui_variation=Aurora"), std::string::npos);
  const std::string log = host_.Log();
  EXPECT_NE(log.find("\tFile already exists"), std::string::npos) << log;
  EXPECT_NE(log.find("\tGot existing ZLP date"), std::string::npos);
  EXPECT_EQ(log.find("\tDownloading ZLP"), std::string::npos);
  EXPECT_EQ(WholeRequests(), 0u);
}

}  // namespace
