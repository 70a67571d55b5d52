// The Sound Settings page in the real host: the interior package downloaded
// from nginx on loopback through the host's download manager, handed to the
// host's package processor and installed by the module, or aborted while a
// slow server sends it.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "DialogAnswerer.h"
#include "HostProcess.h"
#include "K50Setup.h"
#include "PackageMaker.h"
#include "RegistryScope.h"
#include "SoundPageIds.h"

using namespace zelva::testing;

namespace {

const int kContentArea = 1007, kMenuTree = 1010, kPageArea = 1007;
const char kFsxKey[] = "SOFTWARE\\Microsoft\\Microsoft Games\\flight simulator\\10.0";
const char kPackageName[] = "ZELVAK50-22KHz-SoundPack.zlp";
constexpr int kInterior = 0;
constexpr int kAircraftSettingsItem = 0, kSoundSettingsItem = 1;
constexpr const char* kGroups[] = {"APU", "Engines", "Cockpit"};
constexpr const char* kSounds[] = {"start.wav", "run.wav", "stop.wav"};

std::string Stock(const std::string& file) { return "RIFF stock 44 kHz " + file; }
std::string Small(const std::string& file) { return "RIFF 22 kHz " + file; }

void Write(const std::string& path, const std::string& content) {
  SHCreateDirectoryExA(nullptr, path.substr(0, path.find_last_of('\\')).c_str(), nullptr);
  WriteWholeFile(path, content);
}

// Noise the cabinet cannot squeeze, so that a slow server takes a while.
std::string Noise(size_t size) {
  std::mt19937 random(50);
  std::string data(size, '\0');
  for (char& c : data) c = char(random());
  return data;
}

// Downloaded packages still lying in a working folder of the temporary folder.
int LeftPackages() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((std::string(temp) + "ZELVA_HDK*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return 0;
  int count = 0;
  do {
    std::string package = std::string(temp) + entry.cFileName + "\\" + kPackageName;
    if (GetFileAttributesA(package.c_str()) != INVALID_FILE_ATTRIBUTES) ++count;
  } while (FindNextFileA(search, &entry));
  FindClose(search);
  return count;
}

class SoundDownloadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    interior_ = fsx_ / "Sound\\ZELVA\\K50X\\";
    for (const char* group : kGroups) {
      for (const char* sound : kSounds) {
        std::string file = std::string(group) + "\\" + sound;
        Write(interior_ + file, Stock(file));
      }
    }
    const std::string aircraft = fsx_ / "SimObjects\\Airplanes\\ZELVA K50-200LR";
    SHCreateDirectoryExA(nullptr, aircraft.c_str(), nullptr);
    WriteWholeFile(aircraft + "\\aircraft.cfg", "[fuel]\r\nfuel_type=2\r\n");

    // As the maker publishes it: the 22 kHz set of every group, with enough
    // files beside them to count as the whole package.
    PackageMaker package;
    package.Settings("[Settings]\r\nType=Sound Pack\r\nAircraft=ZELVA K50X\r\nVariant=\r\n");
    for (const char* group : kGroups) {
      for (const char* sound : kSounds) {
        std::string file = std::string(group) + "\\" + sound;
        package.Add("22KHz\\" + file, Small(file));
      }
    }
    for (int i = 0; i < 491; ++i) package.Add("22KHz\\notes" + std::to_string(i) + ".txt", "-");
    package.Add("22KHz\\ambience.bin", Noise(1500000));
    CreateDirectoryA(published_.substr(0, published_.find_last_of('\\')).c_str(), nullptr);
    ASSERT_TRUE(package.Write(published_));
  }
  void TearDown() override {
    // The download's end sets off one more look at the folders, which can
    // hold the working dialog just when the test is over.
    if (main_) CloseHost(main_, host_);
    if (process_) {
      EXPECT_EQ(process_->Wait(), 0u) << host_.Log();
    }
    DeleteFileA(published_.c_str());
  }

  // The host with the product chosen and its Sound Settings page open.
  void Start(const std::string& liveriesServer) {
    registry_.SetString(HKEY_LOCAL_MACHINE, kProductKey, "DisplayVersion", "1.4.2", KEY_WOW64_32KEY);
    registry_.SetString(HKEY_CURRENT_USER, kFsxKey, "AppPath", fsx_.path());
    SHCreateDirectoryExA(nullptr, host_.dataFolder().c_str(), nullptr);
    WriteWholeFile(host_.dataFolder() + "ZELVA Hangardesk.cfg",
                   "[Online]\r\nCheckForUpdates=0\r\nLiveriesServer=" + liveriesServer + "\r\n");
    host_.AddLibrary(WindowsPathOf(ZELVA_MODULE_PATH), "ZELVA K50X.dll");
    process_ = std::make_unique<Process>(host_.programPath(), "", host_.programFolder());
    main_ = WaitForMainWindow(process_->id());
    ASSERT_NE(main_, nullptr);
    ASSERT_TRUE(WaitForLog(host_, "Load complete."));
    HWND list = GetDlgItem(main_, 1008);
    LRESULT index = SendMessageA(list, CB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>("ZELVA K50 - FSX"));
    ASSERT_GT(index, 0);
    ChooseProduct(main_, int(index));
    ASSERT_TRUE(WaitForLog(host_, "\tProduct Installed: 1"));
    ShowPage(kSoundSettingsItem, 8);
    ASSERT_TRUE(WaitUntil([&] { return Control(IDC_SOUND_DOWNLOAD + kInterior) != nullptr; }));
  }
  // Selects the product's menu item (the n-th under its root item: the
  // tree's texts do not cross processes) and waits for its page.
  void ShowPage(int item, int page) {
    HWND tree = GetDlgItem(main_, kMenuTree);
    HTREEITEM child = TreeView_GetChild(tree, TreeView_GetRoot(tree));
    for (int i = 0; i < item && child != nullptr; ++i) child = TreeView_GetNextSibling(tree, child);
    ASSERT_NE(child, nullptr);
    const std::string shownLine = "Showing page " + std::to_string(page);
    const size_t shown = CountOf(host_.Log(), shownLine);
    TreeView_SelectItem(tree, child);
    ASSERT_TRUE(WaitUntil([&] { return CountOf(host_.Log(), shownLine) > shown; })) << host_.Log();
  }
  HWND Page() const {
    HWND product = FindWindowExA(GetDlgItem(main_, kContentArea), nullptr, "#32770", nullptr);
    return product != nullptr ? GetWindow(GetDlgItem(product, kPageArea), GW_CHILD) : nullptr;
  }
  HWND Control(int id) const { return GetDlgItem(Page(), id); }
  std::string Caption(int id) const {
    char text[64] = {};
    GetWindowTextA(Control(id), text, sizeof(text));
    return text;
  }
  bool Shows(int id) const { return Control(id) != nullptr && IsWindowVisible(Control(id)) != FALSE; }
  bool On(int id) const { return GetWindowLongPtrA(Control(id), GWLP_USERDATA) != 0; }
  // The page logs each look at the folders; a close during one would pull
  // the module from under its working dialog.
  size_t Examinations() const { return CountOf(host_.Log(), "ZELVA K50X - Sound sets examined"); }

  TestFolder fsx_;
  RegistryScope registry_;
  HostInstallation host_;
  AppDataOverride profile_{host_.roaming()};
  std::unique_ptr<Process> process_;
  HWND main_ = nullptr;
  std::string interior_;
  // Where both servers send their downloads from.
  const std::string published_ = WindowsPathOf(ZELVA_SERVER_ROOT) + "\\downloads\\" + kPackageName;
};

// The package lands as the active interior set with the stock files of
// every group, the three-letter one too, backed up first; its working folder
// goes; the page then offers the two sets with the 22 kHz one on.
TEST_F(SoundDownloadTest, TheDownloadedInteriorPackageIsInstalledAfterTheBackupAndItsFolderGoes) {
  const int before = LeftPackages();
  Start(ZELVA_HTTP_BASE "/downloads");
  ASSERT_TRUE(Shows(IDC_SOUND_DOWNLOAD + kInterior));
  EXPECT_FALSE(Shows(IDC_SOUND_SECOND + kInterior));
  Click(Page(), IDC_SOUND_DOWNLOAD + kInterior);
  ASSERT_TRUE(WaitForLog(host_, "Finished processing ZLP file", 60000)) << host_.Log();
  const std::string log = host_.Log();
  EXPECT_NE(log.find(std::string("\tDownloading ZLP: ") + ZELVA_HTTP_BASE + "/downloads/" + kPackageName), std::string::npos);
  EXPECT_NE(log.find("\t\tDownload was successful"), std::string::npos) << log;

  for (const char* group : kGroups) {
    for (const char* sound : kSounds) {
      std::string file = std::string(group) + "\\" + sound;
      EXPECT_EQ(ReadWholeFile(interior_ + file), Small(file)) << file;
      EXPECT_EQ(ReadWholeFile(interior_ + "Backup\\" + file), Stock(file)) << file;
    }
  }
  EXPECT_TRUE(WaitUntil([&] { return LeftPackages() == before; }));
  // The download's end and the package's install (in either order) each
  // ask the page to look again; it does once it has the main window to itself.
  ASSERT_TRUE(WaitForLog(host_, "\tZELVA K50 - FSX: downloaded 1, active set 2")) << host_.Log();
  // The panel lays out its controls one by one: wait for the whole new state.
  ASSERT_TRUE(WaitUntil([&] {
    return Shows(IDC_SOUND_SECOND + kInterior) && On(IDC_SOUND_SECOND + kInterior) &&
           !Shows(IDC_SOUND_DOWNLOAD + kInterior);
  }));
  EXPECT_FALSE(On(IDC_SOUND_FIRST + kInterior));
  EXPECT_EQ(FindProcessWindow("An error occured", process_->id()), nullptr);
}

// Abort while a slow server sends the package, after the page was left and
// opened again: the download ends, nothing is installed, its folder goes.
TEST_F(SoundDownloadTest, AnAbortedDownloadInstallsNothingAndLeavesNoFolder) {
  const int before = LeftPackages();
  Start(std::string(ZELVA_FAULT_BASE) + "/slow");
  Click(Page(), IDC_SOUND_DOWNLOAD + kInterior);
  ASSERT_TRUE(WaitUntil([&] { return Caption(IDC_SOUND_DOWNLOAD + kInterior) == "Abort"; }));

  // The download goes on behind another page.
  ShowPage(kAircraftSettingsItem, 4);
  ShowPage(kSoundSettingsItem, 8);
  ASSERT_TRUE(WaitUntil([&] { return Control(IDC_SOUND_DOWNLOAD + kInterior) != nullptr; }));
  EXPECT_EQ(Caption(IDC_SOUND_DOWNLOAD + kInterior), "Abort");

  const size_t examined = Examinations();
  {
    DialogAnswerer question("Soundset Download", IDYES, 20000, process_->id());
    Click(Page(), IDC_SOUND_DOWNLOAD + kInterior);
    ASSERT_TRUE(question.Wait());
    EXPECT_EQ(question.text(), "Do you wish to abort this download?");
  }
  ASSERT_TRUE(WaitForLog(host_, "\t\tDownload failed", 30000)) << host_.Log();
  EXPECT_NE(host_.Log().find("Interior Soundset, state 5"), std::string::npos) << host_.Log();
  ASSERT_TRUE(WaitUntil([&] { return Examinations() > examined; }));
  EXPECT_TRUE(WaitUntil([&] { return Caption(IDC_SOUND_DOWNLOAD + kInterior) == "Download"; }));
  EXPECT_TRUE(WaitUntil([&] { return LeftPackages() == before; }));
  EXPECT_EQ(GetFileAttributesA((interior_ + "22KHz").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(ReadWholeFile(interior_ + "APU\\run.wav"), Stock("APU\\run.wav"));
  EXPECT_EQ(host_.Log().find("Opening ZLP file"), std::string::npos);
}

}  // namespace
