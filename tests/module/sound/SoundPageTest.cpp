// The Sound Settings page of the real module on sound folders of a simulated
// FSX, with the host's working dialog and file digest: what its panels offer,
// the alternatives its option buttons install, the back-up before the 22 kHz
// set, and the same through a sound package handed over as the host's
// package processor hands it.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "HostState.h"
#include "K50Setup.h"
#include "LiveryPackages.h"
#include "PackageMaker.h"
#include "SoundPageIds.h"
#include "WorkingDialog.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

constexpr int kPageArea = 1007;
constexpr int kSoundPage = 8;
constexpr int kInterior = 0, k200Lr = 1, k300Er = 2;
constexpr const char* kGroups[] = {"APU", "Engines", "Cockpit"};
constexpr const char* kSounds[] = {"start.wav", "run.wav", "stop.wav"};

// A file another process holds open without sharing, until this goes.
class HeldFile {
 public:
  explicit HeldFile(const std::string& path) {
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE inputRead = nullptr, outputWrite = nullptr;
    CreatePipe(&inputRead, &input_, &inherit, 0);
    CreatePipe(&output_, &outputWrite, &inherit, 0);
    SetHandleInformation(input_, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA start = {};
    start.cb = sizeof(start);
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = inputRead;
    start.hStdOutput = outputWrite;
    start.hStdError = outputWrite;
    std::string command = "\"" + WindowsPathOf(SOUND_FILE_HOLDER) + "\" \"" + path + "\"";
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &process_)) {
      char answer[8] = {};
      DWORD read = 0;
      held_ = ReadFile(output_, answer, 4, &read, nullptr) && read == 4 && std::string(answer, 4) == "held";
    }
    CloseHandle(inputRead);
    CloseHandle(outputWrite);
  }
  ~HeldFile() { Release(); }
  bool held() const { return held_; }
  void Release() {
    if (input_ != nullptr) CloseHandle(input_);
    input_ = nullptr;
    if (process_.hProcess != nullptr) {
      WaitForSingleObject(process_.hProcess, 10000);
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
      process_ = {};
    }
    if (output_ != nullptr) CloseHandle(output_);
    output_ = nullptr;
  }

 private:
  HANDLE input_ = nullptr, output_ = nullptr;
  PROCESS_INFORMATION process_ = {};
  bool held_ = false;
};

class SoundPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);
    ui::CreateWorkMutex();
    main_ = CreateWindowExA(0, "STATIC", "stand-in main window", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 1100,
                            655, nullptr, nullptr, nullptr, nullptr);
    area_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 263, 66, 819, 568, main_,
                            nullptr, nullptr, nullptr);
    host::Context().mainWindow = main_;
    k50_.RegisterProduct();
    k50_.InstallVariant("ZELVA K50-200LR");
    interior_ = k50_.fsxRoot() + "Sound\\ZELVA\\K50X\\";
  }
  void TearDown() override {
    k50_.Unload();
    DestroyWindow(main_);
    ui::CloseWorkMutex();
  }

  static void Write(const std::string& path, const std::string& content) {
    SHCreateDirectoryExA(nullptr, path.substr(0, path.find_last_of('\\')).c_str(), nullptr);
    WriteWholeFile(path, content);
  }
  static std::string Stock(const std::string& file) { return "RIFF stock 44 kHz " + file; }
  static std::string Small(const std::string& file) { return "RIFF 22 kHz " + file; }

  // The stock interior set, and the 22 kHz set beside it with enough files
  // to count as downloaded.
  void MakeInterior(bool withAlternative = true) {
    for (const char* group : kGroups) {
      for (const char* sound : kSounds) {
        std::string file = std::string(group) + "\\" + sound;
        Write(interior_ + file, Stock(file));
        if (withAlternative) Write(interior_ + "22KHz\\" + file, Small(file));
      }
    }
    Write(interior_ + "K50X.cfg", "[sounds]\r\n");
    if (withAlternative) FillAlternativeFolder();
  }
  // Files at the top of "22KHz" count towards the package's files.
  void FillAlternativeFolder() {
    for (int i = 0; i < 491; ++i) Write(interior_ + "22KHz\\notes" + std::to_string(i) + ".txt", "-");
  }
  // Every file of the interior folder outside its two alternative folders.
  std::map<std::string, std::string> ActiveInterior() const {
    std::map<std::string, std::string> files = FileTree(interior_);
    for (auto it = files.begin(); it != files.end();) {
      bool alternative = _strnicmp(it->first.c_str(), "22KHz\\", 6) == 0 || _strnicmp(it->first.c_str(), "Backup\\", 7) == 0;
      it = alternative ? files.erase(it) : std::next(it);
    }
    return files;
  }

  void Open() {
    ASSERT_TRUE(k50_.Load());
    ASSERT_EQ(k50_.module().show(area_), 1);
    product_ = FindWindowExA(area_, nullptr, "#32770", nullptr);
    ShowPageAgain();
  }
  // Opening the page examines the folders under the working dialog.
  void ShowPageAgain() {
    k50_.module().menuChange(kSoundPage);
    Pump();
    page_ = GetWindow(GetDlgItem(product_, kPageArea), GW_CHILD);
    ASSERT_NE(Control(IDC_SOUND_COLLAPSE + kInterior), nullptr);
  }
  void Pump() {
    for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&message);
  }
  HWND Control(int id) const { return GetDlgItem(page_, id); }
  bool Visible(int id) const { return IsWindowVisible(Control(id)) != FALSE; }
  // Which option buttons of a set show as on: "", "1", "2" or "12".
  std::string OptionsOn(int set) const {
    std::string on;
    if (GetWindowLongPtrA(Control(IDC_SOUND_FIRST + set), GWLP_USERDATA) != 0) on += "1";
    if (GetWindowLongPtrA(Control(IDC_SOUND_SECOND + set), GWLP_USERDATA) != 0) on += "2";
    return on;
  }
  // A click; the install runs under the working dialog before it returns.
  void Press(int id) {
    ASSERT_TRUE(Visible(id)) << id;
    SendMessageA(Control(id), BM_CLICK, 0, 0);
    Pump();
  }
  std::string Caption(int id) const {
    char text[64] = {};
    GetWindowTextA(Control(id), text, sizeof(text));
    return text;
  }

  K50Setup k50_;
  HWND main_ = nullptr, area_ = nullptr, product_ = nullptr, page_ = nullptr;
  std::string interior_;
};

TEST_F(SoundPageTest, TwentyTwoKilohertzThenStockLeavesTheInteriorAsItWasWithEveryStockFileBackedUp) {
  MakeInterior();
  const std::map<std::string, std::string> before = ActiveInterior();
  Open();
  ASSERT_TRUE(Visible(IDC_SOUND_SECOND + kInterior));
  EXPECT_FALSE(Visible(IDC_SOUND_DOWNLOAD + kInterior));
  EXPECT_EQ(Caption(IDC_SOUND_FIRST + kInterior), "Stock Sounds");
  EXPECT_EQ(Caption(IDC_SOUND_SECOND + kInterior), "22KHz Sounds");
  EXPECT_EQ(OptionsOn(kInterior), "");  // nothing backed up yet to tell the stock files by

  Press(IDC_SOUND_SECOND + kInterior);
  EXPECT_EQ(OptionsOn(kInterior), "2");
  EXPECT_EQ(ReadWholeFile(interior_ + "APU\\run.wav"), Small("APU\\run.wav"));
  for (const char* group : kGroups) {
    for (const char* sound : kSounds) {
      std::string file = std::string(group) + "\\" + sound;
      EXPECT_EQ(ReadWholeFile(interior_ + "Backup\\" + file), Stock(file)) << file;
    }
  }
  EXPECT_TRUE(k50_.Logged("Entered FileTimeToString():\r\n"));

  // Installing the 22 kHz set again backs up again: nothing changes.
  const std::map<std::string, std::string> backup = FileTree(interior_ + "Backup");
  Press(IDC_SOUND_SECOND + kInterior);
  EXPECT_EQ(FileTree(interior_ + "Backup"), backup);

  Press(IDC_SOUND_FIRST + kInterior);
  EXPECT_EQ(ActiveInterior(), before);
  EXPECT_EQ(OptionsOn(kInterior), "1");
}

TEST_F(SoundPageTest, AMixedInteriorShowsNeitherOptionAndALockedBackupIsRetriedThenCountedAbsent) {
  MakeInterior();
  Open();
  Press(IDC_SOUND_SECOND + kInterior);
  ASSERT_EQ(OptionsOn(kInterior), "2");

  // One stock file among the 22 kHz ones.
  Write(interior_ + "Engines\\run.wav", Stock("Engines\\run.wav"));
  ShowPageAgain();
  EXPECT_EQ(OptionsOn(kInterior), "");

  // Its backup held by another process cannot be compared: the rest decide.
  HeldFile held(interior_ + "Backup\\Engines\\run.wav");
  ASSERT_TRUE(held.held());
  ShowPageAgain();
  EXPECT_EQ(OptionsOn(kInterior), "2");

  // Nor does a back-up while it is held replace it.
  Press(IDC_SOUND_SECOND + kInterior);
  held.Release();
  EXPECT_EQ(ReadWholeFile(interior_ + "Backup\\Engines\\run.wav"), Stock("Engines\\run.wav"));
}

TEST_F(SoundPageTest, PanelsFollowWhatIsInstalledAndTheExteriorOptionsSwitchTheActiveSet) {
  MakeInterior(false);
  const std::string aircraft = k50_.fsxRoot() + "SimObjects\\Airplanes\\ZELVA K50-200LR\\";
  for (int i = 0; i < 20; ++i) {
    std::string name = "engine" + std::to_string(i) + ".wav";
    Write(aircraft + "sound.stereo\\" + name, "stereo " + name);
    Write(aircraft + "sound.surround\\" + name, "surround " + name);
    Write(aircraft + "sound\\" + name, "stereo " + name);
  }
  Open();
  // Without the 300ER, two panels; the interior set is still to be downloaded.
  EXPECT_EQ(Control(IDC_SOUND_COLLAPSE + k300Er), nullptr);
  EXPECT_TRUE(Visible(IDC_SOUND_DOWNLOAD + kInterior));
  EXPECT_EQ(Caption(IDC_SOUND_DOWNLOAD + kInterior), "Download");
  EXPECT_FALSE(Visible(IDC_SOUND_FIRST + kInterior));
  EXPECT_EQ(Caption(IDC_SOUND_FIRST + k200Lr), "Stereo Sounds");
  EXPECT_EQ(Caption(IDC_SOUND_SECOND + k200Lr), "5.1 Surround Sounds");
  EXPECT_EQ(OptionsOn(k200Lr), "1");

  Press(IDC_SOUND_SECOND + k200Lr);
  EXPECT_EQ(ReadWholeFile(aircraft + "sound\\engine7.wav"), "surround engine7.wav");
  EXPECT_EQ(OptionsOn(k200Lr), "2");

  // A collapsed panel hides its body.
  Press(IDC_SOUND_COLLAPSE + k200Lr);
  EXPECT_FALSE(Visible(IDC_SOUND_SECOND + k200Lr));
  EXPECT_EQ(Caption(IDC_SOUND_COLLAPSE + k200Lr), "Expand");

  k50_.InstallVariant("ZELVA K50-300ER");
  Open();
  ASSERT_NE(Control(IDC_SOUND_COLLAPSE + k300Er), nullptr);
  EXPECT_TRUE(Visible(IDC_SOUND_DOWNLOAD + k300Er));  // no sound.stereo there
}

TEST_F(SoundPageTest, ASoundPackageFromAnyWhereBacksUpTheStockFilesBeforeItReplacesThem) {
  MakeInterior(false);
  const std::map<std::string, std::string> before = ActiveInterior();
  PackageMaker package;
  package.Settings("[Settings]\r\nType=Sound Pack\r\nAircraft=ZELVA K50X\r\nVariant=\r\n");
  for (const char* group : kGroups)
    for (const char* sound : kSounds) package.Add("22KHz\\" + std::string(group) + "\\" + sound, Small(std::string(group) + "\\" + sound));
  TestFolder packages;
  const std::string path = packages / "ZELVAK50-22KHz-SoundPack.zlp";
  ASSERT_TRUE(package.Write(path));
  ASSERT_TRUE(k50_.Load());

  PackageSummary summary = Summary("Sound Pack", "");
  EXPECT_EQ(k50_.Command(kModuleInstallPackage, reinterpret_cast<INT_PTR>(path.c_str()),
                         reinterpret_cast<INT_PTR>(&summary)),
            kResultDone);
  EXPECT_EQ(ReadWholeFile(interior_ + "APU\\start.wav"), Small("APU\\start.wav"));
  EXPECT_EQ(ReadWholeFile(interior_ + "Backup\\APU\\start.wav"), Stock("APU\\start.wav"));
  // A second install of the package keeps the stock backup.
  EXPECT_EQ(k50_.Command(kModuleInstallPackage, reinterpret_cast<INT_PTR>(path.c_str()),
                         reinterpret_cast<INT_PTR>(&summary)),
            kResultDone);
  EXPECT_EQ(ReadWholeFile(interior_ + "Backup\\APU\\start.wav"), Stock("APU\\start.wav"));

  // A package that cannot be read fails with a message for the host to show.
  const std::string damaged = packages / "damaged.zlp";
  WriteWholeFile(damaged, "not a cabinet");
  host::Context().errorText[0] = '\0';
  EXPECT_EQ(k50_.Command(kModuleInstallPackage, reinterpret_cast<INT_PTR>(damaged.c_str()),
                         reinterpret_cast<INT_PTR>(&summary)),
            kResultFailed);
  EXPECT_NE(std::string(host::Context().errorText).find("could not be extracted"), std::string::npos);
  // The interior files are the 22 kHz ones; "Stock Sounds" brings back what was there.
  FillAlternativeFolder();
  Open();
  EXPECT_EQ(OptionsOn(kInterior), "2");
  Press(IDC_SOUND_FIRST + kInterior);
  EXPECT_EQ(ActiveInterior(), before);
}

}  // namespace
