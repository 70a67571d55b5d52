// The real program opening packages made here: by path, as a second instance
// hands them over, and through a product page's file dialog.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "DialogAnswerer.h"
#include "HostProcess.h"
#include "PackageMaker.h"
#include "RegistryScope.h"
#include "RemoteListView.h"

using namespace zelva::testing;

namespace {

const char kChooser[] = "Select Liveries to Install";
const char kErrorCaption[] = "An error occured";
const int kProductList = 1008;

std::string Built(const char* name) { return WindowsPathOf(TEST_MODULE_DIR) + "\\" + name; }

std::string LiverySettings(const std::string& aircraft, const std::string& variant, const std::string& extra = "") {
  return "[Settings]\r\n" + extra + "Aircraft=" + aircraft + "\r\nVariant=" + variant + "\r\n";
}

std::string CommandSettings(const std::string& steps, int count = 1) {
  return "[Settings]\r\nType=Command\r\nCount=" + std::to_string(count) + "\r\n" + steps;
}

// A bundle's "Multi Livery" list; each entry is name, aircraft, variant, file.
std::string MultiSettings(const std::vector<std::array<const char*, 4>>& entries) {
  std::string settings = "[Settings]\r\nType=Multi Livery\r\nCount=" + std::to_string(entries.size()) + "\r\n";
  for (size_t i = 0; i < entries.size(); ++i)
    settings += "[Livery " + std::to_string(i + 1) + "]\r\nName=" + entries[i][0] + "\r\nAircraft=" + entries[i][1] +
                "\r\nVariant=" + entries[i][2] + "\r\nFilename=" + entries[i][3] + "\r\n";
  return settings;
}

class PackageProcessorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.AddLibrary(Built("test_packages.dll"), "livery.dll");
    host_.AddLibrary(Built("test_packages_absent.dll"), "absent.dll");
    CreateDirectoryA((files_ / "FSX").c_str(), nullptr);
    CreateDirectoryA((files_ / "FSX\\Gauges").c_str(), nullptr);
  }
  void TearDown() override {
    WIN32_FIND_DATAA entry;
    HANDLE left = FindFirstFileA((temp_ / "ZELVA_HDK*").c_str(), &entry);
    EXPECT_EQ(left, INVALID_HANDLE_VALUE) << "a working folder is left";
    if (left != INVALID_HANDLE_VALUE) FindClose(left);
    if (main_) CloseHost(main_, host_);
    if (process_) {
      EXPECT_EQ(process_->Wait(), 0u);
    }
  }
  // Once the host has run the package of its own command line, it is idle: a
  // hand-off is then processed before the second instance ends.
  void Start() {
    Make("idle.zlp", LiverySettings("No Such Product", "None"));
    process_ = std::make_unique<Process>(host_.programPath(), Package("idle.zlp"), host_.programFolder());
    main_ = WaitForMainWindow(process_->id());
    ASSERT_NE(main_, nullptr);
    ASSERT_TRUE(WaitForLog(host_, "Finished processing ZLP file"));
  }
  DWORD HostId() const { return process_->id(); }
  std::string Package(const std::string& name) const { return files_ / name; }
  void Make(const std::string& name, const std::string& settings) {
    ASSERT_TRUE(PackageMaker().Settings(settings).Write(Package(name)));
  }
  std::unique_ptr<Process> HandOverLater(const std::string& name) {
    return std::make_unique<Process>(host_.programPath(), Package(name), host_.programFolder());
  }
  // False when the package was still being processed (a box left open) after the wait.
  bool HandOver(const std::string& name) { return HandOverLater(name)->Wait(30000) == 0; }
  // Hands the package over and answers the error box it must raise; its text.
  std::string ErrorFor(const std::string& name) {
    DialogAnswerer answer(kErrorCaption, IDOK, 30000, HostId());
    EXPECT_TRUE(HandOver(name)) << name;
    EXPECT_TRUE(answer.Wait()) << name;
    return answer.text();
  }
  size_t Logged(const std::string& text) const { return CountOf(host_.Log(), text); }
  std::string InstallLine(const char* module, const std::string& name) {
    return std::string(module) + " - test install [" + Package(name) + "] type [Single Livery]";
  }
  // A product page's install button: its module asks for the file dialog.
  HWND OpenDialogOf(const char* product) {
    HWND products = GetDlgItem(main_, kProductList);
    LRESULT index = SendMessageA(products, CB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(product));
    EXPECT_GE(index, 0) << product;
    ChooseProduct(main_, int(index));
    return WaitForWindow("Open", HostId());
  }
  void TypeAndOpen(HWND open, const std::string& name) {
    SetDlgItemTextA(open, GetDlgItem(open, 0x47c) != nullptr ? 0x47c : 0x480, name.c_str());
    Click(open, IDOK);
  }
  // The same, returning once the dialog has handled the button (false: not
  // within the deadline), so that nothing typed next can overtake it.
  bool TypeAndOpenNow(HWND open, const std::string& name) {
    SetDlgItemTextA(open, GetDlgItem(open, 0x47c) != nullptr ? 0x47c : 0x480, name.c_str());
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(open, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                               reinterpret_cast<LPARAM>(GetDlgItem(open, IDOK)), SMTO_NORMAL, 30000, &result) != 0;
  }

  TestFolder files_;
  TestFolder temp_;
  TemporaryFolderOverride temporary_{temp_.path()};
  HostInstallation host_;
  RegistryScope registry_;
  std::unique_ptr<Process> process_;
  HWND main_ = nullptr;
};

TEST_F(PackageProcessorTest, HandedOverPackagesReachTheirModuleAndFailuresAreReportedOnce) {
  ASSERT_TRUE(PackageMaker()
                  .Settings(LiverySettings("test livery", "Test 100", "FileVersion=3\r\n"))
                  .Add("Texture.Blue\\k50_fuse.bmp", "BM")
                  .Write(Package("Blue.zlp")));
  WriteWholeFile(Package("noise.zlp"), "CRYP" + std::string(400, 'q'));
  Make("broken.zlp", LiverySettings("Test Livery", "Broken Variant"));
  Make("quiet.zlp", LiverySettings("Test Livery", "Quiet Variant"));
  Make("kit.zlp", LiverySettings("Test Livery", "Test 100", "Type=Paint Kit\r\n"));
  // No simulator folder is known: "$(FSXPath)" stays and names no complete path.
  ASSERT_TRUE(PackageMaker()
                  .Settings(CommandSettings("[Command.1]\r\nCommand=1\r\nSource=k50.gau\r\nTarget=$(FSXPath)Gauges\\k50.gau\r\n"))
                  .Add("k50.gau", "GAU")
                  .Write(Package("gauge.zlp")));
  Start();
  ASSERT_TRUE(HandOver("Blue.zlp"));
  EXPECT_EQ(Logged(InstallLine("Test Livery", "Blue.zlp") + " version 3 aircraft [test livery] variant [Test 100] present"),
            1u)
      << host_.Log();

  // Nothing can be read: the user is told which file and why, once, and the
  // log keeps the archive's error.
  EXPECT_EQ(ErrorFor("noise.zlp"), "The following error occured:\n\nThe package file \"" + Package("noise.zlp") +
                                       "\" could not be opened: it is damaged.\n");
  std::string log = host_.Log();
  size_t noise = log.find("Opening ZLP file: " + Package("noise.zlp"));
  ASSERT_NE(noise, std::string::npos) << log;
  EXPECT_EQ(CountOf(log, "\tZLP Type: \r\n", noise), 1u) << log;
  EXPECT_EQ(CountOf(log, "The package could not be read: error 4, system error 0, HTTP status 0", noise), 1u) << log;
  EXPECT_NE(log.find("Finished processing ZLP file", noise), std::string::npos);

  EXPECT_EQ(ErrorFor("broken.zlp"), "The following error occured:\n\nThe texture folder could not be written.\n");
  {
    // The module told the user itself: the earlier package's text must not come back.
    DialogAnswerer answer(kErrorCaption, IDOK, 6000, HostId());
    HandOver("quiet.zlp");
    EXPECT_FALSE(answer.Wait()) << answer.text();
    EXPECT_EQ(Logged("variant [Quiet Variant] present"), 1u);
  }
  EXPECT_EQ(ErrorFor("kit.zlp"),
            "Unknown ZLP file type.\n\nThe file may be corrupt, or perhaps you need to update ZELVA Hangardesk?");
  EXPECT_EQ(Logged("type [Paint Kit]"), 1u);
  EXPECT_EQ(ErrorFor("gauge.zlp"),
            "The following error occured:\n\nThe package names an unsafe path: $(FSXPath)\\Gauges\\k50.gau\n");
}

// A crafted package (a header without folders made the platform's decoder
// fault) ends in one error naming it; the host runs on and takes the package
// that waited in its queue meanwhile.
TEST_F(PackageProcessorTest, ACraftedPackageEndsInOneErrorAndTheQueuedPackageIsInstalled) {
  Make("crafted.zlp", LiverySettings("Test Livery", "Test 100"));
  std::string crafted = ReadWholeFile(Package("crafted.zlp"));
  ASSERT_GT(crafted.size(), 28u);
  crafted[26] = crafted[27] = '\0';  // the folder count, in the plain part of the header
  WriteWholeFile(Package("crafted.zlp"), crafted);
  Make("good.zlp", LiverySettings("Test Livery", "Test 100"));
  Start();

  std::unique_ptr<Process> first = HandOverLater("crafted.zlp");
  ASSERT_TRUE(WaitForWindow(kErrorCaption, HostId()) != nullptr) << host_.Log();
  EXPECT_EQ(Logged("The package could not be read: error 4, system error 0, HTTP status 0"), 1u) << host_.Log();
  EXPECT_EQ(Logged("Damaged cabinet: it declares no folders"), 1u);
  // Handed over while the first is still on the screen (its instance starts
  // the log afresh): it waits in the queue.
  ASSERT_TRUE(HandOverLater("good.zlp")->Wait(30000) == 0);
  EXPECT_EQ(Logged("test install"), 0u);
  // Answered only now: an earlier answer would let the queued package run
  // before the line above looks.
  DialogAnswerer error(kErrorCaption, IDOK, 30000, HostId());
  ASSERT_TRUE(error.Wait());
  EXPECT_EQ(error.text(), "The following error occured:\n\nThe package file \"" + Package("crafted.zlp") +
                              "\" could not be opened: it is damaged.\n");
  EXPECT_EQ(first->Wait(), 0u);
  ASSERT_TRUE(WaitUntil([&] { return Logged(InstallLine("Test Livery", "good.zlp")) == 1; })) << host_.Log();
  EXPECT_EQ(FindProcessWindow(kErrorCaption, HostId()), nullptr);
  EXPECT_EQ(FindProcessWindow("Error", HostId()), nullptr);  // the crash report
  EXPECT_EQ(process_->Wait(0), DWORD(STILL_ACTIVE));
}

// A bundle runs every inner package; a cancelled chooser ends it; entries
// without a box are never installed.
TEST_F(PackageProcessorTest, BundlesAndTheLiveryChooser) {
  const std::array<const char*, 4> blue = {"Blue", "Test Livery", "Test 100", "blue.zlp"},
                                    red = {"Red", "Test Livery", "Test 200", "red.zlp"};
  const std::vector<std::array<const char*, 4>> entries = {
      blue, {"Gone", "Test Gone", "Test 100", "gone.zlp"}, {"Nine", "Test Livery", "Test 900", "nine.zlp"}, red};
  PackageMaker four;
  for (const auto& entry : entries) {
    Make(entry[3], LiverySettings(entry[1], entry[2]));
    four.AddFile(entry[3], Package(entry[3]));
  }
  ASSERT_TRUE(four.Settings(MultiSettings(entries)).Write(Package("four.zlp")));
  ASSERT_TRUE(PackageMaker()
                  .Settings(MultiSettings({blue, red}))
                  .AddFile("blue.zlp", Package("blue.zlp"))
                  .AddFile("red.zlp", Package("red.zlp"))
                  .Write(Package("multi.zlp")));
  ASSERT_TRUE(PackageMaker()
                  .Settings(CommandSettings("[Command.1]\r\nCommand=1\r\nSource=readme.txt\r\n"
                                            "Target=$(HangardeskPath)Readme K50.txt\r\n"))
                  .Add("readme.txt", "Read me")
                  .Write(Package("command.zlp")));
  for (const char* second : {"command.zlp", "multi.zlp"})  // "twice" also checks the type's case
    ASSERT_TRUE(PackageMaker()
                    .Settings(second[0] == 'c' ? "[Settings]\r\nType=Packed File\r\n" : "[Settings]\r\nType=packed file\r\n")
                    .AddFile("first.zlp", Package("multi.zlp"))
                    .AddFile("second.zlp", Package(second))
                    .Write(Package(second[0] == 'c' ? "bundle.zlp" : "twice.zlp")));
  Start();
  // Every second instance starts the log afresh: each check sees its own package.
  std::unique_ptr<Process> second;
  auto chooserFor = [&](const char* name) {
    second = HandOverLater(name);
    return WaitForWindow(kChooser, HostId());
  };
  HWND chooser = chooserFor("bundle.zlp");
  ASSERT_NE(chooser, nullptr);
  Click(chooser, IDOK);
  EXPECT_EQ(second->Wait(), 0u);
  EXPECT_EQ(Logged("\\blue.zlp] type [Single Livery] version 0 aircraft [Test Livery] variant [Test 100] present"), 1u)
      << host_.Log();
  EXPECT_EQ(Logged("\\red.zlp] type [Single Livery] version 0 aircraft [Test Livery] variant [Test 200] present"), 1u);
  EXPECT_EQ(ReadWholeFile(host_.programFolder() + "Readme K50.txt"), "Read me");

  chooser = chooserFor("twice.zlp");
  ASSERT_NE(chooser, nullptr);
  Click(chooser, IDCANCEL);
  EXPECT_EQ(second->Wait(), 0u);
  // The second inner package never opened and nothing was installed.
  EXPECT_EQ(Logged("\tZLP Type: Multi Livery"), 1u) << host_.Log();
  EXPECT_EQ(Logged("test install"), 0u);

  chooser = chooserFor("four.zlp");
  ASSERT_NE(chooser, nullptr);
  HWND list = GetDlgItem(chooser, 1031);
  RemoteListView view(list);
  ASSERT_TRUE(view.valid());
  ASSERT_EQ(view.Count(), 4);
  // Product not loaded, variant not installed: no box, and the missing part in red.
  for (int item : {0, 1, 2, 3}) EXPECT_EQ(view.StateImage(item), item == 1 || item == 2 ? 0 : 2) << item;
  // The red parts first, then what the same drawing left uncoloured.
  EXPECT_TRUE(WaitUntil([&] {
    return CountRedPixels(view.CellOnScreen(1, 1)) > 0 && CountRedPixels(view.CellOnScreen(2, 2)) > 0;
  }, 10000));
  EXPECT_EQ(CountRedPixels(view.CellOnScreen(2, 1)), 0);
  EXPECT_EQ(CountRedPixels(view.CellOnScreen(0, 0)), 0);
  // Boxes handed back to the two entries go again when they are drawn, and
  // ticking them from outside installs nothing of theirs.
  view.SetCheck(1, true);
  view.SetCheck(2, true);
  view.SetCheck(3, false);
  InvalidateRect(list, nullptr, TRUE);
  EXPECT_TRUE(WaitUntil([&] { return view.StateImage(1) == 0 && view.StateImage(2) == 0; }, 10000))
      << view.StateImage(1) << view.StateImage(2);
  view.SetCheck(1, true);
  view.SetCheck(2, true);
  Click(chooser, IDOK);
  EXPECT_EQ(second->Wait(), 0u);
  EXPECT_EQ(Logged("\\blue.zlp] type [Single Livery]"), 1u) << host_.Log();
  EXPECT_EQ(Logged("test install"), 1u);
}

TEST_F(PackageProcessorTest, CommandStepsRunAndUnsafeOrOverlongPathsRefuseThePackageBeforeAnythingIsWritten) {
  registry_.SetString(HKEY_CURRENT_USER, "SOFTWARE\\Microsoft\\Microsoft Games\\flight simulator\\10.0", "AppPath",
                      files_ / "FSX");
  ASSERT_TRUE(PackageMaker().Add("fx_k50.fx", "FX").Add("Textures\\fx_k50.bmp", "BMP").Write(Package("effects.cab"), false));
  ASSERT_TRUE(PackageMaker()
                  .Settings(CommandSettings(
                      "[Command.1]\r\nCommand=1\r\nSource=gauges\\k50.gau\r\nTarget=$(fsxpath)Gauges\\K50.gau\r\n"
                      "[Command.2]\r\nCommand=260\r\nSource=effects.cab\r\nTarget=$(HangardeskPath)Effects\r\n"
                      "[Command.3]\r\nCommand=6\r\nTarget=$(HangardeskPath)Docs"
                          "\r\nFileCount=3\r\nFile001_Name=docs\\a.txt\r\nFile002_Name=docs\\absent.txt\r\n"
                          "File003_Name=docs/deep/b.txt\r\n"
                          "[Command.4]\r\nCommand=2\r\nSource=..\\..\\x\r\nTarget=..\\..\\x\r\n",
                      4))
                  .Add("gauges\\k50.gau", "GAU")
                  .AddFile("effects.cab", Package("effects.cab"))
                  .Add("docs\\a.txt", "A")
                  .Add("docs\\deep\\b.txt", "B")
                  .Write(Package("command.zlp")));

  const std::string fsx = files_ / "FSX\\";
  ASSERT_GT(fsx.size(), 22u);  // the last case grows past a path's size only when expanded
  const std::string longer(449 - 10 - fsx.size() / 2, 'a');
  const std::pair<std::string, std::string> unsafe[] = {
      {"Command=1\r\nSource=..\\..\\x\r\nTarget=$(FSXPath)Gauges\\x", "an unsafe path: ..\\..\\x"},
      {"Command=4\r\nSource=C:\\x\r\nTarget=$(FSXPath)Gauges", "an unsafe path: C:\\x"},
      {"Command=6\r\nTarget=$(FSXPath)Gauges\r\nFileCount=1\r\nFile001_Name=..\\..\\x", "an unsafe path: ..\\..\\x"},
      {"Command=1\r\nSource=first.gau\r\nTarget=$(FSXPath)..\\..\\x", "an unsafe path: " + fsx + "..\\..\\x"},
      // Too long as written, and too long only once the variable is expanded.
      {"Command=1\r\nSource=first.gau\r\nTarget=$(FSXPath)" + std::string(440, 'a'),
       "a path that is too long: $(FSXPath)" + std::string(440, 'a')},
      {"Command=4\r\nSource=first.gau\r\nTarget=$(FSXPath)" + longer, "a path that is too long: $(FSXPath)" + longer},
  };
  int n = 0;
  for (const auto& [section, message] : unsafe) {
    ASSERT_TRUE(PackageMaker()
                    .Settings(CommandSettings("[Command.1]\r\nCommand=1\r\nSource=first.gau\r\n"
                                              "Target=$(FSXPath)Gauges\\first.gau\r\n[Command.2]\r\n" + section + "\r\n",
                                              2))
                    .Add("first.gau", "GAU")
                    .Write(Package("unsafe" + std::to_string(++n) + ".zlp")));
  }
  Make("unsafe-multi.zlp", MultiSettings({{"Blue", "Test Livery", "Test 100", "blue.zlp"},
                                           {"Away", "Test Livery", "Test 100", "..\\..\\away.zlp"}}));
  Start();

  n = 0;
  for (const auto& [section, message] : unsafe) {
    SCOPED_TRACE(section);
    EXPECT_EQ(ErrorFor("unsafe" + std::to_string(++n) + ".zlp"),
              "The following error occured:\n\nThe package names " + message + "\n");
    EXPECT_FALSE(Exists(fsx + "Gauges\\first.gau"));
  }
  EXPECT_EQ(ErrorFor("unsafe-multi.zlp"),
            "The following error occured:\n\nThe package names an unsafe path: ..\\..\\away.zlp\n");
  EXPECT_EQ(FindProcessWindow(kChooser, HostId()), nullptr);
  EXPECT_EQ(Logged("test install"), 0u);

  ASSERT_TRUE(HandOver("command.zlp"));
  EXPECT_EQ(ReadWholeFile(fsx + "Gauges\\K50.gau"), "GAU");
  // 260 has the low byte 4: the nested cabinet lands in the program folder.
  for (auto [path, text] : {std::pair{"Effects\\fx_k50.fx", "FX"}, {"Effects\\Textures\\fx_k50.bmp", "BMP"},
                            {"Docs\\docs\\a.txt", "A"}, {"Docs\\docs\\deep\\b.txt", "B"}})
    EXPECT_EQ(ReadWholeFile(host_.programFolder() + path), text) << path;
  // A missing file is logged and the list goes on; code 2 is no step at all.
  EXPECT_EQ(Logged(">>> Windows Error on CopyFile(): 2"), 1u) << host_.Log();
}

// The wrong-product check acts only for the file dialog; several packages
// chosen there are processed one after the other in the order it lists them.
TEST_F(PackageProcessorTest, FileDialogChecksTheProductAndTakesSeveralFilesInOrder) {
  Make("absent.zlp", LiverySettings("Test Absent Livery", "Test 100"));
  for (const char* name : {"c.zlp", "a.zlp", "b.zlp"}) Make(name, LiverySettings("Test Livery", "Test 100"));
  Start();
  // By path the check is off: the module gets it although its product is not installed.
  ASSERT_TRUE(HandOver("absent.zlp"));
  EXPECT_EQ(Logged(InstallLine("Test Absent Livery", "absent.zlp")), 1u) << host_.Log();
  DialogAnswerer answer("Error!", IDOK, 30000, HostId());
  HWND open = OpenDialogOf("Test Absent Livery - FSX");
  ASSERT_NE(open, nullptr);
  TypeAndOpen(open, Package("absent.zlp"));
  ASSERT_TRUE(answer.Wait());
  EXPECT_EQ(answer.text(),
            "The selected file is a livery for the Test Absent Livery - FSX but this product is not installed!");
  ASSERT_TRUE(WaitForLog(host_, "Test Absent Livery - test open package returned"));
  EXPECT_EQ(Logged("Test Absent Livery - test install"), 1u);

  open = OpenDialogOf("Test Livery - FSX");
  ASSERT_NE(open, nullptr);
  // A folder typed into the name field opens it; the names then follow.
  ASSERT_TRUE(TypeAndOpenNow(open, files_.path()));
  ASSERT_TRUE(IsWindow(open));
  TypeAndOpen(open, "\"c.zlp\" \"a.zlp\" \"b.zlp\"");
  ASSERT_TRUE(WaitForLog(host_, "   Test Livery - test open package returned")) << host_.Log();
  std::string log = host_.Log();
  EXPECT_EQ(CountOf(log, "\tProcessing mutiple ZLPs"), 1u) << log;
  size_t at = 0;
  for (const char* name : {"c.zlp", "a.zlp", "b.zlp"})
    EXPECT_NE(at = log.find(InstallLine("Test Livery", name), at), std::string::npos) << name << log;
}

}  // namespace
