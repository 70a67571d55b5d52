// The real host program with the real K50 module on a simulated FSX,
// driven from outside as a user would.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "DialogAnswerer.h"
#include "HostProcess.h"
#include "K50Setup.h"
#include "LiveryPackages.h"
#include "RegistryScope.h"

using namespace zelva::testing;

namespace {

const int kProductList = 1008, kMenuTree = 1010, kContentArea = 1007;
const char kFsxKey[] = "SOFTWARE\\Microsoft\\Microsoft Games\\flight simulator\\10.0";

class HostDrivenTest : public ::testing::Test {
 protected:
  void Start(const std::string& arguments) {
    registry_.SetString(HKEY_LOCAL_MACHINE, kProductKey, "DisplayVersion", "1.4.2", KEY_WOW64_32KEY);
    registry_.SetString(HKEY_CURRENT_USER, kFsxKey, "AppPath", fsx_.path());
    host_.AddLibrary(WindowsPathOf(ZELVA_MODULE_PATH), "ZELVA K50X.dll");
    process_ = std::make_unique<Process>(host_.programPath(), arguments, host_.programFolder());
    main_ = WaitForMainWindow(process_->id());
    ASSERT_NE(main_, nullptr);
    ASSERT_TRUE(WaitForLog(host_, "Load complete."));
  }
  void TearDown() override {
    if (main_) CloseHost(main_, host_);
    if (process_) {
      EXPECT_EQ(process_->Wait(), 0u);
    }
  }
  void InstallVariant(const char* folder, const std::string& config = "[fuel]\r\nfuel_type=2\r\n") {
    std::string path = fsx_ / ("SimObjects\\Airplanes\\" + std::string(folder));
    SHCreateDirectoryExA(nullptr, path.c_str(), nullptr);
    WriteWholeFile(path + "\\aircraft.cfg", config);
  }
  // A livery package for the K50-200LR, written by the project's own writer.
  std::string LiveryPackage(const char* name, int fileVersion, const char* variant) {
    std::string path = packages_ / (std::string(name) + ".zlp");
    EXPECT_TRUE(WritePackage(packages_.path() + "\\", path,
                             {{"Settings.dat", SettingsText("Single Livery", fileVersion, "ZELVA K50X", variant)},
                              {"Config.cfg", "[fltsim.x]\r\ntitle=K50 " + std::string(name) + "\r\nui_variation=" + name +
                                                 "\r\ntexture=" + name + "\r\natc_id=ZK-" + name + "\r\n"},
                              {"Aircraft.INI", "[Options]\r\nTugType=1\r\n"},
                              {"Texture." + std::string(name) + "\\k50_fuse.bmp", "BM fuselage"}}));
    return path;
  }
  HWND ProductWindow() const { return FindWindowExA(GetDlgItem(main_, kContentArea), nullptr, "#32770", nullptr); }

  TestFolder fsx_, packages_;
  RegistryScope registry_;
  HostInstallation host_;
  AppDataOverride profile_{host_.roaming()};
  std::unique_ptr<Process> process_;
  HWND main_ = nullptr;
};

// A package named on the command line goes from the host's processor through
// module command 1 into the simulator, under the working dialog; then the
// product, chosen in the list, shows its window and menu, and the menu switches pages.
TEST_F(HostDrivenTest, ALiveryPackageOnTheCommandLineLandsAndTheProductWindowFollowsItsMenu) {
  InstallVariant("ZELVA K50-200LR",
                 "[fltsim.0]\r\ntitle=K50 Nordair\r\nui_variation=Nordair\r\ntexture=Nordair\r\n\r\n"
                 "[fuel]\r\nfuel_type=2\r\n");
  SHCreateDirectoryExA(nullptr, (fsx_ / "ZELVA\\ZELVA K50X\\Aircraft\\Backups").c_str(), nullptr);
  std::string package = LiveryPackage("Aurora", 1, "ZELVA K50-200LR");
  Start("\"" + package + "\"");
  ASSERT_TRUE(WaitForLog(host_, "Finished processing ZLP file")) << host_.Log();

  std::string aircraft = fsx_ / "SimObjects\\Airplanes\\ZELVA K50-200LR\\";
  std::string config = ReadWholeFile(aircraft + "aircraft.cfg");
  // Sorted: Aurora before Nordair, both before the section that followed them.
  size_t aurora = config.find("ui_variation=Aurora"), nordair = config.find("ui_variation=Nordair");
  EXPECT_LT(aurora, nordair) << config;
  EXPECT_LT(nordair, config.find("[fuel]")) << config;
  EXPECT_EQ(ReadWholeFile(aircraft + "Texture.Aurora\\k50_fuse.bmp"), "BM fuselage");
  EXPECT_EQ(ReadWholeFile(fsx_ / "ZELVA\\ZELVA K50X\\Aircraft\\ZK-Aurora.ini"), "[Options]\r\nTugType=1\r\n");
  EXPECT_EQ(FindProcessWindow("Working", process_->id()), nullptr);

  HWND list = GetDlgItem(main_, kProductList);
  LRESULT index = SendMessageA(list, CB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>("ZELVA K50 - FSX"));
  ASSERT_GT(index, 0);
  SendMessageA(list, CB_SETCURSEL, WPARAM(index), 0);
  PostMessageA(main_, WM_COMMAND, MAKEWPARAM(kProductList, CBN_SELENDOK), reinterpret_cast<LPARAM>(list));
  ASSERT_TRUE(WaitForLog(host_, "\tProduct Installed: 1"));
  ASSERT_NE(ProductWindow(), nullptr);
  EXPECT_TRUE(IsWindowVisible(ProductWindow()));
  HWND tree = GetDlgItem(main_, kMenuTree);
  EXPECT_EQ(TreeView_GetCount(tree), 10u);
  HTREEITEM root = TreeView_GetRoot(tree);
  HTREEITEM expansions = TreeView_GetNextSibling(tree, root);
  // "Aircraft Specific Settings", then "Expansions" and its one child: page 9 twice.
  TreeView_SelectItem(tree, TreeView_GetChild(tree, root));
  ASSERT_TRUE(WaitForLog(host_, "ZELVA K50X - Menu changed to page 4"));
  TreeView_SelectItem(tree, expansions);
  TreeView_SelectItem(tree, TreeView_GetChild(tree, expansions));
  ASSERT_TRUE(WaitForLog(host_, "ZELVA K50X - Menu changed to page 9\r\n"));
  EXPECT_TRUE(WaitUntil([&] { return CountOf(host_.Log(), "ZELVA K50X - Showing page 9") == 2; })) << host_.Log();
}

// Scripts, some shells and drag-and-drop tools write "/" in a path: the
// package installs as the same package named with "\" does.
TEST_F(HostDrivenTest, APackagePathWithForwardSlashesInstallsLikeTheBackslashForm) {
  InstallVariant("ZELVA K50-200LR");
  SHCreateDirectoryExA(nullptr, (fsx_ / "ZELVA\\ZELVA K50X\\Aircraft\\Backups").c_str(), nullptr);
  std::string forward = LiveryPackage("Aurora", 1, "ZELVA K50-200LR");
  for (char& c : forward)
    if (c == '\\') c = '/';
  Start("\"" + forward + "\"");
  ASSERT_TRUE(WaitForLog(host_, "Finished processing ZLP file")) << host_.Log();
  EXPECT_NE(host_.Log().find("\tZLP Type: Single Livery"), std::string::npos) << host_.Log();
  Process(host_.programPath(), "\"" + LiveryPackage("Borealis", 1, "ZELVA K50-200LR") + "\"", host_.programFolder())
      .Wait();
  ASSERT_TRUE(WaitForLog(host_, "Finished processing ZLP file")) << host_.Log();

  std::string aircraft = fsx_ / "SimObjects\\Airplanes\\ZELVA K50-200LR\\";
  std::string config = ReadWholeFile(aircraft + "aircraft.cfg");
  for (std::string name : {"Aurora", "Borealis"}) {
    EXPECT_NE(config.find("ui_variation=" + name), std::string::npos) << config;
    EXPECT_EQ(ReadWholeFile(aircraft + "Texture." + name + "\\k50_fuse.bmp"), "BM fuselage") << name;
    EXPECT_EQ(ReadWholeFile(fsx_ / ("ZELVA\\ZELVA K50X\\Aircraft\\ZK-" + name + ".ini")), "[Options]\r\nTugType=1\r\n")
        << name;
  }
}

// The module reports its own failure; the host must not show a second,
// empty report, and the run must end.
TEST_F(HostDrivenTest, ARefusedLiveryIsReportedOnce) {
  InstallVariant("ZELVA K50-200LR");
  std::string package = LiveryPackage("Borealis", 0, "800WL");
  std::string before = ReadWholeFile(fsx_ / "SimObjects\\Airplanes\\ZELVA K50-200LR\\aircraft.cfg");
  Start("\"" + package + "\"");
  DialogAnswerer report("An error occured", IDOK, 60000, process_->id());
  ASSERT_TRUE(report.Wait());
  EXPECT_NE(report.text().find("\"Borealis\" is from an unknown product variant!"), std::string::npos) << report.text();
  // A second box would hold the worker and keep this line from coming.
  EXPECT_TRUE(WaitForLog(host_, "Finished processing ZLP file", 15000)) << host_.Log();
  EXPECT_EQ(FindProcessWindow("An error occured", process_->id()), nullptr);
  EXPECT_EQ(ReadWholeFile(fsx_ / "SimObjects\\Airplanes\\ZELVA K50-200LR\\aircraft.cfg"), before);
}

}  // namespace
