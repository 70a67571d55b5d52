// The real program opening packages made here: by path, as a second instance
// hands them over, and through a product page's file dialog.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "DialogAnswerer.h"
#include "HostProcess.h"
#include "PackageMaker.h"
#include "RegistryScope.h"
#include "RemoteListView.h"
#include "WorkFolders.h"

using namespace zelva::testing;

namespace {

const char kFsxKey[] = "SOFTWARE\\Microsoft\\Microsoft Games\\flight simulator\\10.0";
const char kChooser[] = "Select Liveries to Install";
const char kErrorCaption[] = "An error occured";
const int kChooserList = 1031;
const int kProductList = 1008;

std::string Built(const char* name) { return WindowsPathOf(TEST_MODULE_DIR) + "\\" + name; }

size_t Count(const std::string& text, const std::string& part, size_t from = 0) {
  size_t n = 0;
  for (size_t at = text.find(part, from); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

std::string LiverySettings(const std::string& aircraft, const std::string& variant, const std::string& extra = "") {
  return "[Settings]\r\n" + extra + "Aircraft=" + aircraft + "\r\nVariant=" + variant + "\r\n";
}

// A top-level window of the process, once it is shown.
HWND WaitForWindow(const char* caption, DWORD process, DWORD timeoutMs = 30000) {
  for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
    if (HWND window = FindProcessWindow(caption, process)) return window;
    Sleep(50);
  }
  return nullptr;
}

void Press(HWND dialog, int button) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

class PackageProcessorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.AddLibrary(Built("test_packages.dll"), "livery.dll");
    host_.AddLibrary(Built("test_packages_absent.dll"), "absent.dll");
    host_.AddLibrary(Built("test_packages_moved.dll"), "moved.dll");
    CreateDirectoryA((files_ / "FSX").c_str(), nullptr);
    CreateDirectoryA((files_ / "FSX\\Gauges").c_str(), nullptr);
  }
  void TearDown() override {
    if (main_) SendMessageA(main_, WM_COMMAND, MAKEWPARAM(1004, BN_CLICKED), 0);
    if (process_) {
      EXPECT_EQ(process_->Wait(), 0u);
    }
    if (!windowsFolder_.empty()) zelva::files::DeleteFolderTree(windowsFolder_.c_str());
  }
  void UseSimulatorFolder() { registry_.SetString(HKEY_CURRENT_USER, kFsxKey, "AppPath", files_ / "FSX"); }
  // Once the host has run the package of its own command line (there is
  // none), it is idle: a hand-off is then processed before the second
  // instance ends. Every second instance starts the log afresh.
  void Start() {
    process_ = std::make_unique<Process>(host_.programPath(), files_ / "none.zlp", host_.programFolder());
    main_ = WaitForMainWindow(process_->id());
    ASSERT_NE(main_, nullptr);
    ASSERT_TRUE(WaitForLog(host_, "Finished processing ZLP file"));
  }
  DWORD HostId() const { return process_->id(); }
  std::string Package(const std::string& name) const { return files_ / name; }
  // A second instance with the path: it ends once the package is processed.
  std::unique_ptr<Process> HandOverLater(const std::string& path) {
    return std::make_unique<Process>(host_.programPath(), path, host_.programFolder());
  }
  // False when the package was still being processed (a box left open) after the wait.
  bool HandOver(const std::string& path, DWORD timeoutMs = 30000) {
    return HandOverLater(path)->Wait(timeoutMs) == 0;
  }
  size_t Logged(const std::string& text, size_t from = 0) const { return Count(host_.Log(), text, from); }
  bool WorkingFoldersLeft() const {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((temp_ / "ZELVA_HDK*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
  }
  std::string InstallLine(const char* module, const std::string& packageEnd, const char* type) {
    return std::string(module) + " - test install [" + packageEnd + "] type [" + type + "]";
  }

  TestFolder files_;
  TestFolder temp_;
  TemporaryFolderOverride temporary_{temp_.path()};
  HostInstallation host_;
  AppDataOverride profile_{host_.roaming()};
  RegistryScope registry_;
  std::unique_ptr<Process> process_;
  HWND main_ = nullptr;
  std::string windowsFolder_;
};

TEST_F(PackageProcessorTest, PackageWithoutTypeGoesToItsModuleAndAnUnreadableOneNowhere) {
  ASSERT_TRUE(PackageMaker()
                  .Settings(LiverySettings("test livery", "Test 100", "FileVersion=3\r\n"))
                  .Add("Texture.Blue\\k50_fuse.bmp", "BM")
                  .Write(Package("Blue.zlp")));
  WriteWholeFile(Package("noise.zlp"), "CRYP" + std::string(400, 'q'));
  Start();
  ASSERT_TRUE(HandOver(Package("Blue.zlp")));
  EXPECT_EQ(Logged("Test Livery - test install [" + Package("Blue.zlp") +
                   "] type [Single Livery] version 3 aircraft [test livery] variant [Test 100] present"),
            1u)
      << host_.Log();

  // Nothing can be read, so nothing is named and nothing shown: the hand-off ends.
  ASSERT_TRUE(HandOver(Package("noise.zlp")));
  std::string log = host_.Log();
  size_t noise = log.find("Opening ZLP file: " + Package("noise.zlp"));
  ASSERT_NE(noise, std::string::npos) << log;
  EXPECT_EQ(Count(log, "\tZLP Type: \r\n", noise), 1u) << log;
  EXPECT_EQ(Count(log, "test install"), 0u);
  EXPECT_NE(log.find("Finished processing ZLP file", noise), std::string::npos);
  EXPECT_FALSE(WorkingFoldersLeft());
}

TEST_F(PackageProcessorTest, FailuresShowTheirOwnTextOnceAndUnknownTypesAreReported) {
  ASSERT_TRUE(PackageMaker().Settings(LiverySettings("Test Livery", "Broken Variant")).Write(Package("broken.zlp")));
  ASSERT_TRUE(PackageMaker().Settings(LiverySettings("Test Livery", "Quiet Variant")).Write(Package("quiet.zlp")));
  ASSERT_TRUE(
      PackageMaker().Settings(LiverySettings("Test Livery", "Test 100", "Type=Paint Kit\r\n")).Write(Package("kit.zlp")));
  // No simulator folder is known: "$(FSXPath)" stays and names no complete path.
  ASSERT_TRUE(PackageMaker()
                  .Settings("[Settings]\r\nType=Command\r\nCount=1\r\n[Command.1]\r\nCommand=1\r\nSource=k50.gau\r\n"
                            "Target=$(FSXPath)Gauges\\k50.gau\r\n")
                  .Add("k50.gau", "GAU")
                  .Write(Package("gauge.zlp")));
  Start();
  {
    DialogAnswerer answer(kErrorCaption, IDOK, 30000, HostId());
    EXPECT_TRUE(HandOver(Package("broken.zlp")));
    ASSERT_TRUE(answer.Wait());
    EXPECT_EQ(answer.text(), "The following error occured:\n\nThe texture folder could not be written.\n");
  }
  {
    // The module told the user itself: the earlier package's text must not come back.
    DialogAnswerer answer(kErrorCaption, IDOK, 6000, HostId());
    HandOver(Package("quiet.zlp"));
    EXPECT_FALSE(answer.Wait()) << answer.text();
    EXPECT_EQ(Logged("variant [Quiet Variant] present"), 1u);
  }
  {
    DialogAnswerer answer(kErrorCaption, IDOK, 30000, HostId());
    EXPECT_TRUE(HandOver(Package("kit.zlp")));
    ASSERT_TRUE(answer.Wait());
    EXPECT_EQ(answer.text(),
              "Unknown ZLP file type.\n\nThe file may be corrupt, or perhaps you need to update ZELVA Hangardesk?");
    EXPECT_EQ(Logged("type [Paint Kit]"), 1u);
  }
  {
    DialogAnswerer answer(kErrorCaption, IDOK, 30000, HostId());
    EXPECT_TRUE(HandOver(Package("gauge.zlp")));
    ASSERT_TRUE(answer.Wait());
    EXPECT_EQ(answer.text(),
              "The following error occured:\n\nThe package names an unsafe path: $(FSXPath)\\Gauges\\k50.gau\n");
  }
  EXPECT_FALSE(WorkingFoldersLeft());
}

TEST_F(PackageProcessorTest, BundleRunsEveryInnerPackageAndACancelledChooserEndsIt) {
  std::string multi =
      "[Settings]\r\nType=Multi Livery\r\nCount=2\r\n"
      "[Livery 1]\r\nName=Blue\r\nAircraft=Test Livery\r\nVariant=Test 100\r\nFilename=blue.zlp\r\n"
      "[Livery 2]\r\nName=Red\r\nAircraft=Test Livery\r\nVariant=Test 200\r\nFilename=red.zlp\r\n";
  ASSERT_TRUE(PackageMaker().Settings(LiverySettings("Test Livery", "Test 100")).Write(Package("blue.zlp")));
  ASSERT_TRUE(PackageMaker().Settings(LiverySettings("Test Livery", "Test 200")).Write(Package("red.zlp")));
  ASSERT_TRUE(PackageMaker()
                  .Settings(multi)
                  .AddFile("blue.zlp", Package("blue.zlp"))
                  .AddFile("red.zlp", Package("red.zlp"))
                  .Write(Package("multi.zlp")));
  ASSERT_TRUE(PackageMaker()
                  .Settings("[Settings]\r\nType=Command\r\nCount=1\r\n[Command.1]\r\nCommand=1\r\nSource=readme.txt\r\n"
                            "Target=$(HangardeskPath)Readme K50.txt\r\n")
                  .Add("readme.txt", "Read me")
                  .Write(Package("command.zlp")));
  ASSERT_TRUE(PackageMaker()
                  .Settings("[Settings]\r\nType=Packed File\r\n")
                  .AddFile("liveries.zlp", Package("multi.zlp"))
                  .AddFile("gauges.zlp", Package("command.zlp"))
                  .Write(Package("bundle.zlp")));
  ASSERT_TRUE(PackageMaker()
                  .Settings("[Settings]\r\nType=packed file\r\n")
                  .AddFile("first.zlp", Package("multi.zlp"))
                  .AddFile("second.zlp", Package("multi.zlp"))
                  .Write(Package("twice.zlp")));
  Start();
  {
    auto second = HandOverLater(Package("bundle.zlp"));
    HWND chooser = WaitForWindow(kChooser, HostId());
    ASSERT_NE(chooser, nullptr);
    Press(chooser, IDOK);
    EXPECT_EQ(second->Wait(), 0u);
  }
  EXPECT_EQ(Logged("\\blue.zlp] type [Single Livery] version 0 aircraft [Test Livery] variant [Test 100] present"), 1u)
      << host_.Log();
  EXPECT_EQ(Logged("\\red.zlp] type [Single Livery] version 0 aircraft [Test Livery] variant [Test 200] present"), 1u);
  EXPECT_EQ(ReadWholeFile(host_.programFolder() + "Readme K50.txt"), "Read me");

  {
    auto second = HandOverLater(Package("twice.zlp"));
    HWND chooser = WaitForWindow(kChooser, HostId());
    ASSERT_NE(chooser, nullptr);
    Press(chooser, IDCANCEL);
    EXPECT_EQ(second->Wait(), 0u);
  }
  // The second inner package never opened and nothing was installed.
  EXPECT_EQ(Logged("\tZLP Type: Multi Livery"), 1u) << host_.Log();
  EXPECT_EQ(Logged("test install"), 0u);
  EXPECT_FALSE(WorkingFoldersLeft());
}

TEST_F(PackageProcessorTest, ChooserOffersOnlyLiveriesOfLoadedProductsAndInstalledVariants) {
  std::string settings = "[Settings]\r\nType=Multi Livery\r\nCount=4\r\n";
  const char* entries[][4] = {{"Blue", "Test Livery", "Test 100", "blue.zlp"},
                              {"Gone", "Test Gone", "Test 100", "gone.zlp"},
                              {"Nine", "Test Livery", "Test 900", "nine.zlp"},
                              {"Red", "Test Livery", "Test 200", "red.zlp"}};
  PackageMaker multi;
  for (int i = 0; i < 4; ++i) {
    settings += "[Livery " + std::to_string(i + 1) + "]\r\nName=" + entries[i][0] + "\r\nAircraft=" + entries[i][1] +
                "\r\nVariant=" + entries[i][2] + "\r\nFilename=" + entries[i][3] + "\r\n";
    ASSERT_TRUE(PackageMaker().Settings(LiverySettings(entries[i][1], entries[i][2])).Write(Package(entries[i][3])));
    multi.AddFile(entries[i][3], Package(entries[i][3]));
  }
  ASSERT_TRUE(multi.Settings(settings).Write(Package("four.zlp")));
  Start();
  auto second = HandOverLater(Package("four.zlp"));
  HWND chooser = WaitForWindow(kChooser, HostId());
  ASSERT_NE(chooser, nullptr);
  HWND list = GetDlgItem(chooser, kChooserList);
  RemoteListView view(list);
  ASSERT_TRUE(view.valid());
  ASSERT_EQ(view.Count(), 4);
  EXPECT_EQ(view.Text(1, 0), "Gone");
  EXPECT_EQ(view.Text(1, 1), "Test Gone");
  EXPECT_EQ(view.Text(2, 2), "Test 900");
  EXPECT_EQ(view.StateImage(0), 2);
  EXPECT_EQ(view.StateImage(1), 0);
  EXPECT_EQ(view.StateImage(2), 0);
  EXPECT_EQ(view.StateImage(3), 2);

  Sleep(700);  // drawn
  EXPECT_GT(CountRedPixels(view.CellOnScreen(1, 1)), 0);  // product not loaded
  EXPECT_GT(CountRedPixels(view.CellOnScreen(2, 2)), 0);  // variant not installed
  EXPECT_GT(CountRedPixels(view.CellOnScreen(1, 2)), 0);  // nobody to say it is installed
  EXPECT_EQ(CountRedPixels(view.CellOnScreen(2, 1)), 0);
  EXPECT_EQ(CountRedPixels(view.CellOnScreen(3, 2)), 0);
  EXPECT_EQ(CountRedPixels(view.CellOnScreen(0, 0)), 0);

  // Boxes handed back to the two entries go again when they are drawn.
  view.SetCheck(1, true);
  view.SetCheck(2, true);
  view.SetCheck(3, false);
  InvalidateRect(list, nullptr, TRUE);
  for (int waited = 0; waited < 5000 && (view.StateImage(1) != 0 || view.StateImage(2) != 0); waited += 50) Sleep(50);
  EXPECT_EQ(view.StateImage(1), 0);
  EXPECT_EQ(view.StateImage(2), 0);
  // Only while the host waits here can the screenshot tool catch the chooser.
  if (const char* pause = std::getenv("ZELVA_CHOOSER_PAUSE_MS")) Sleep(DWORD(std::atoi(pause)));
  view.SetCheck(1, true);
  view.SetCheck(2, true);
  Press(chooser, IDOK);
  EXPECT_EQ(second->Wait(), 0u);

  std::string log = host_.Log();
  EXPECT_EQ(Count(log, "\\blue.zlp] type [Single Livery]"), 1u) << log;
  EXPECT_EQ(Count(log, "test install"), 1u);
  EXPECT_EQ(Count(log, "test variant [Test 900] 0"), 1u);
  EXPECT_FALSE(WorkingFoldersLeft());
}

TEST_F(PackageProcessorTest, CommandStepsCopyAndExtractWithTheirVariablesExpanded) {
  UseSimulatorFolder();
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  std::string own = "zelva_test_" + std::to_string(GetCurrentProcessId());
  windowsFolder_ = std::string(windows) + "\\" + own;
  ASSERT_TRUE(PackageMaker().Add("fx_k50.fx", "FX").Add("Textures\\fx_k50.bmp", "BMP").Write(Package("effects.cab"), false));
  ASSERT_TRUE(PackageMaker()
                  .Settings("[Settings]\r\nType=Command\r\nCount=4\r\n"
                            "[Command.1]\r\nCommand=1\r\nSource=gauges\\k50.gau\r\nTarget=$(fsxpath)Gauges\\K50.gau\r\n"
                            "[Command.2]\r\nCommand=260\r\nSource=effects.cab\r\nTarget=$(HangardeskPath)Effects\r\n"
                            "[Command.3]\r\nCommand=6\r\nTarget=$(WindowsPath)" + own +
                            "\r\nFileCount=3\r\nFile001_Name=docs\\a.txt\r\nFile002_Name=docs\\absent.txt\r\n"
                            "File003_Name=docs/deep/b.txt\r\n"
                            "[Command.4]\r\nCommand=2\r\nSource=..\\..\\x\r\nTarget=..\\..\\x\r\n")
                  .Add("gauges\\k50.gau", "GAU")
                  .AddFile("effects.cab", Package("effects.cab"))
                  .Add("docs\\a.txt", "A")
                  .Add("docs\\deep\\b.txt", "B")
                  .Write(Package("command.zlp")));
  Start();
  ASSERT_TRUE(HandOver(Package("command.zlp")));
  EXPECT_EQ(ReadWholeFile(files_ / "FSX\\Gauges\\K50.gau"), "GAU");
  // 260 has the low byte 4: the nested cabinet lands in the program folder.
  EXPECT_EQ(ReadWholeFile(host_.programFolder() + "Effects\\fx_k50.fx"), "FX");
  EXPECT_EQ(ReadWholeFile(host_.programFolder() + "Effects\\Textures\\fx_k50.bmp"), "BMP");
  EXPECT_EQ(ReadWholeFile(windowsFolder_ + "\\docs\\a.txt"), "A");
  EXPECT_EQ(ReadWholeFile(windowsFolder_ + "\\docs\\deep\\b.txt"), "B");
  // A missing file is logged and the list goes on; code 2 is no step at all.
  EXPECT_EQ(Logged(">>> Windows Error on CopyFile(): 2"), 1u) << host_.Log();
  EXPECT_FALSE(WorkingFoldersLeft());
}

TEST_F(PackageProcessorTest, UnsafeOrOverlongPathsRefuseTheWholePackageBeforeAnythingIsWritten) {
  UseSimulatorFolder();
  const std::string fsx = files_ / "FSX\\";
  ASSERT_GT(fsx.size(), 22u);  // the last case grows past a path's size only when expanded
  struct Case {
    std::string section;
    std::string message;
  };
  const Case cases[] = {
      {"Command=1\r\nSource=..\\..\\x\r\nTarget=$(FSXPath)Gauges\\x", "an unsafe path: ..\\..\\x"},
      {"Command=4\r\nSource=C:\\x\r\nTarget=$(FSXPath)Gauges", "an unsafe path: C:\\x"},
      {"Command=6\r\nTarget=$(FSXPath)Gauges\r\nFileCount=1\r\nFile001_Name=..\\..\\x", "an unsafe path: ..\\..\\x"},
      {"Command=6\r\nTarget=$(FSXPath)Gauges\r\nFileCount=1\r\nFile001_Name=C:\\x", "an unsafe path: C:\\x"},
      {"Command=1\r\nSource=first.gau\r\nTarget=..\\..\\x", "an unsafe path: ..\\..\\x"},
      {"Command=1\r\nSource=first.gau\r\nTarget=$(FSXPath)..\\..\\x", "an unsafe path: " + fsx + "..\\..\\x"},
      // Too long as written, and too long only once the variable is expanded.
      {"Command=1\r\nSource=first.gau\r\nTarget=$(FSXPath)" + std::string(440, 'a'),
       "a path that is too long: $(FSXPath)" + std::string(440, 'a')},
      {"Command=4\r\nSource=first.gau\r\nTarget=$(FSXPath)" + std::string(449 - 10 - fsx.size() / 2, 'a'),
       "a path that is too long: $(FSXPath)" + std::string(449 - 10 - fsx.size() / 2, 'a')},
  };
  int n = 0;
  for (const Case& test : cases) {
    std::string name = "unsafe" + std::to_string(++n) + ".zlp";
    ASSERT_TRUE(PackageMaker()
                    .Settings("[Settings]\r\nType=Command\r\nCount=2\r\n[Command.1]\r\nCommand=1\r\nSource=first.gau\r\n"
                              "Target=$(FSXPath)Gauges\\first.gau\r\n[Command.2]\r\n" + test.section + "\r\n")
                    .Add("first.gau", "GAU")
                    .Write(Package(name)));
  }
  ASSERT_TRUE(PackageMaker()
                  .Settings("[Settings]\r\nType=Multi Livery\r\nCount=2\r\n[Livery 1]\r\nName=Blue\r\nAircraft=Test "
                            "Livery\r\nVariant=Test 100\r\nFilename=blue.zlp\r\n[Livery 2]\r\nName=Away\r\nAircraft=Test "
                            "Livery\r\nVariant=Test 100\r\nFilename=..\\..\\away.zlp\r\n")
                  .Add("blue.zlp", "not read")
                  .Write(Package("unsafe-multi.zlp")));
  Start();
  n = 0;
  for (const Case& test : cases) {
    SCOPED_TRACE(test.section);
    DialogAnswerer answer(kErrorCaption, IDOK, 30000, HostId());
    EXPECT_TRUE(HandOver(Package("unsafe" + std::to_string(++n) + ".zlp")));
    ASSERT_TRUE(answer.Wait());
    EXPECT_EQ(answer.text(), "The following error occured:\n\nThe package names " + test.message + "\n");
    EXPECT_FALSE(Exists(fsx + "Gauges\\first.gau"));
  }
  {
    DialogAnswerer answer(kErrorCaption, IDOK, 30000, HostId());
    EXPECT_TRUE(HandOver(Package("unsafe-multi.zlp")));
    ASSERT_TRUE(answer.Wait());
    EXPECT_EQ(answer.text(), "The following error occured:\n\nThe package names an unsafe path: ..\\..\\away.zlp\n");
    EXPECT_EQ(FindProcessWindow(kChooser, HostId()), nullptr);
  }
  EXPECT_EQ(Logged("test install"), 0u);
  EXPECT_FALSE(WorkingFoldersLeft());
}

TEST_F(PackageProcessorTest, WrongProductCheckActsOnlyForTheFileDialog) {
  ASSERT_TRUE(PackageMaker().Settings(LiverySettings("Test Absent Livery", "Test 100")).Write(Package("absent.zlp")));
  ASSERT_TRUE(PackageMaker()
                  .Settings(LiverySettings("test moved", "Test 100", "Type=Aircraft INI\r\n"))
                  .Write(Package("moved.zlp")));
  Start();
  // By path the check is off: the module gets it although its product is not installed.
  ASSERT_TRUE(HandOver(Package("absent.zlp")));
  EXPECT_EQ(Logged(InstallLine("Test Absent Livery", Package("absent.zlp"), "Single Livery")), 1u) << host_.Log();

  // A product page's install button: its module asks for the file dialog with the check on.
  auto openThroughProduct = [&](const char* product, const std::string& package) {
    HWND products = GetDlgItem(main_, kProductList);
    LRESULT index = SendMessageA(products, CB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(product));
    ASSERT_GE(index, 0) << product;
    SendMessageA(products, CB_SETCURSEL, WPARAM(index), 0);
    PostMessageA(main_, WM_COMMAND, MAKEWPARAM(kProductList, CBN_SELENDOK), reinterpret_cast<LPARAM>(products));
    HWND open = WaitForWindow("Open", HostId());
    ASSERT_NE(open, nullptr);
    int nameField = GetDlgItem(open, 0x47c) != nullptr ? 0x47c : 0x480;
    SetDlgItemTextA(open, nameField, package.c_str());
    Press(open, IDOK);
  };
  {
    DialogAnswerer answer("Error!", IDOK, 30000, HostId());
    openThroughProduct("Test Livery - FSX", Package("absent.zlp"));
    ASSERT_TRUE(answer.Wait());
    EXPECT_EQ(answer.text(),
              "The selected file is a livery for the Test Absent Livery - FSX but this product is not installed!");
    ASSERT_TRUE(WaitForLog(host_, "Test Livery - test open package returned"));
    EXPECT_EQ(Logged("Test Absent Livery - test install"), 1u);
  }
  {
    DialogAnswerer answer("Wrong aircraft!", IDYES, 30000, HostId());
    openThroughProduct("Test Moved - FSX", Package("moved.zlp"));
    ASSERT_TRUE(answer.Wait());
    EXPECT_EQ(answer.text(),
              "The selected file is an aircraft configuration for the Test Moved - FSX.\n\nWould you like to install "
              "it anyway?");
    ASSERT_TRUE(WaitForLog(host_, "Test Moved - test open package returned"));
    EXPECT_EQ(Logged(InstallLine("Test Moved", Package("moved.zlp"), "Aircraft INI")), 1u) << host_.Log();
  }
  EXPECT_FALSE(WorkingFoldersLeft());
}

// Several packages chosen at once: the dialog hands over a folder and names,
// which are processed one after the other in the order the dialog lists them.
TEST_F(PackageProcessorTest, SeveralFilesChosenInTheDialogAreProcessedInTheirOrder) {
  for (const char* name : {"c.zlp", "a.zlp", "b.zlp"})
    ASSERT_TRUE(PackageMaker().Settings(LiverySettings("Test Livery", "Test 100")).Write(Package(name)));
  Start();
  HWND products = GetDlgItem(main_, kProductList);
  LRESULT index = SendMessageA(products, CB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>("Test Livery - FSX"));
  ASSERT_GE(index, 0);
  SendMessageA(products, CB_SETCURSEL, WPARAM(index), 0);
  PostMessageA(main_, WM_COMMAND, MAKEWPARAM(kProductList, CBN_SELENDOK), reinterpret_cast<LPARAM>(products));
  HWND open = WaitForWindow("Open", HostId());
  ASSERT_NE(open, nullptr);
  int nameField = GetDlgItem(open, 0x47c) != nullptr ? 0x47c : 0x480;
  // A folder typed into the name field opens it; the names then follow.
  SetDlgItemTextA(open, nameField, files_.path().c_str());
  Press(open, IDOK);
  Sleep(500);
  ASSERT_TRUE(IsWindow(open));
  SetDlgItemTextA(open, nameField, "\"c.zlp\" \"a.zlp\" \"b.zlp\"");
  Press(open, IDOK);
  ASSERT_TRUE(WaitForLog(host_, "Test Livery - test open package returned")) << host_.Log();

  std::string log = host_.Log();
  EXPECT_EQ(Count(log, "\tProcessing mutiple ZLPs"), 1u) << log;
  size_t c = log.find(InstallLine("Test Livery", Package("c.zlp"), "Single Livery"));
  size_t a = log.find(InstallLine("Test Livery", Package("a.zlp"), "Single Livery"));
  size_t b = log.find(InstallLine("Test Livery", Package("b.zlp"), "Single Livery"));
  ASSERT_NE(c, std::string::npos) << log;
  EXPECT_LT(c, a) << log;
  EXPECT_LT(a, b) << log;
  EXPECT_NE(b, std::string::npos) << log;
  EXPECT_FALSE(WorkingFoldersLeft());
}

}  // namespace

