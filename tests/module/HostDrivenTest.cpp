// The real host program with the real K50 module on a simulated FSX,
// driven from outside as a user would.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "HostProcess.h"
#include "K50Setup.h"
#include "RegistryScope.h"

using namespace zelva::testing;

namespace {

const int kProductList = 1008, kMenuTree = 1010, kContentArea = 1007, kCloseButton = 1004;
const char kFsxKey[] = "SOFTWARE\\Microsoft\\Microsoft Games\\flight simulator\\10.0";

class HostDrivenTest : public ::testing::Test {
 protected:
  void Start() {
    registry_.SetString(HKEY_CURRENT_USER, kFsxKey, "AppPath", fsx_.path());
    host_.AddLibrary(WindowsPathOf(ZELVA_MODULE_PATH), "ZELVA K50X.dll");
    process_ = std::make_unique<Process>(host_.programPath(), "", host_.programFolder());
    main_ = WaitForMainWindow(process_->id());
    ASSERT_NE(main_, nullptr);
    ASSERT_TRUE(WaitForLog(host_, "Load complete."));
  }
  void TearDown() override {
    if (main_) SendMessageA(main_, WM_COMMAND, MAKEWPARAM(kCloseButton, BN_CLICKED), 0);
    if (process_) {
      EXPECT_EQ(process_->Wait(), 0u);
    }
  }
  void InstallVariant(const char* folder) {
    std::string path = fsx_ / ("SimObjects\\Airplanes\\" + std::string(folder));
    SHCreateDirectoryExA(nullptr, path.c_str(), nullptr);
    WriteWholeFile(path + "\\aircraft.cfg", "[fuel]\r\nfuel_type=2\r\n");
  }
  void ChooseK50() {
    HWND list = GetDlgItem(main_, kProductList);
    LRESULT index = SendMessageA(list, CB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>("ZELVA K50 - FSX"));
    ASSERT_GT(index, 0);
    SendMessageA(list, CB_SETCURSEL, WPARAM(index), 0);
    PostMessageA(main_, WM_COMMAND, MAKEWPARAM(kProductList, CBN_SELENDOK), reinterpret_cast<LPARAM>(list));
  }
  HWND ProductWindow() const { return FindWindowExA(GetDlgItem(main_, kContentArea), nullptr, "#32770", nullptr); }

  TestFolder fsx_;
  RegistryScope registry_;
  HostInstallation host_;
  AppDataOverride profile_{host_.roaming()};
  std::unique_ptr<Process> process_;
  HWND main_ = nullptr;
};

TEST_F(HostDrivenTest, ChoosingTheProductShowsItsWindowAndMenuAndTheMenuSwitchesPages) {
  registry_.SetString(HKEY_LOCAL_MACHINE, kProductKey, "DisplayVersion", "1.4.2", KEY_WOW64_32KEY);
  InstallVariant("ZELVA K50-200LR");
  InstallVariant("ZELVA K50F");
  Start();
  ChooseK50();
  ASSERT_TRUE(WaitForLog(host_, "\tProduct Installed: 1"));
  HWND product = ProductWindow();
  ASSERT_NE(product, nullptr);
  EXPECT_TRUE(IsWindowVisible(product));

  HWND tree = GetDlgItem(main_, kMenuTree);
  EXPECT_EQ(TreeView_GetCount(tree), 9u);
  HTREEITEM root = TreeView_GetRoot(tree);
  HTREEITEM expansions = TreeView_GetNextSibling(tree, root);
  EXPECT_TRUE(TreeView_GetItemState(tree, root, TVIS_EXPANDED) & TVIS_EXPANDED);
  EXPECT_TRUE(TreeView_GetItemState(tree, expansions, TVIS_EXPANDED) & TVIS_EXPANDED);

  // "Aircraft Specific Settings", then "Expansions" and its one child: page 9 twice.
  TreeView_SelectItem(tree, TreeView_GetChild(tree, root));
  ASSERT_TRUE(WaitForLog(host_, "ZELVA K50X - Menu changed to page 4"));
  TreeView_SelectItem(tree, expansions);
  TreeView_SelectItem(tree, TreeView_GetChild(tree, expansions));
  ASSERT_TRUE(WaitForLog(host_, "ZELVA K50X - Menu changed to page 9\r\n"));
  Sleep(300);
  std::string log = host_.Log();
  size_t first = log.find("ZELVA K50X - Showing page 9"), second = log.find("ZELVA K50X - Showing page 9", first + 1);
  EXPECT_NE(second, std::string::npos) << log;

  // Page 9 is taller than the window: the wheel moves it by a line.
  HWND bar = GetDlgItem(product, 1010);
  ASSERT_TRUE(IsWindowVisible(bar));
  EXPECT_EQ(SendMessageA(bar, SBM_GETPOS, 0, 0), 0);
  SendMessageA(product, WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(short(-WHEEL_DELTA))), 0);
  EXPECT_EQ(SendMessageA(bar, SBM_GETPOS, 0, 0), 20);
}

}  // namespace
