// The x64 installer package under msiexec, each scenario in a Wine prefix of
// its own (tests/installer/in-fresh-prefix): what a user's machine holds
// after installing, using, upgrading and removing the program.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogAnswerer.h"
#include "HostProcess.h"
#include "Installation.h"
#include "K50Setup.h"
#include "LiveryPackages.h"
#include "RegistryScope.h"
#include "ZelvaVersion.h"

using namespace zelva::testing;

namespace {

const char kFsxKey[] = "SOFTWARE\\Microsoft\\Microsoft Games\\flight simulator\\10.0";
const char kAssociationLine[] = "Package files (.zlp) open with ZELVA Hangardesk";
constexpr int kAssociationControl = 203;

struct ShippedFile {
  const char* name;
  const char* built;  // path in the build tree (Linux)
};
const ShippedFile kShipped[] = {
    {"ZELVA Hangardesk.exe", ZELVA_HOST_PATH}, {"Settings.dat", ZELVA_SETTINGS_PATH},
    {"ZELVA K50X.dll", ZELVA_MODULE_PATH},     {"zlptool.exe", ZELVA_ZLPTOOL_PATH},
    {"Changelog.txt", ZELVA_CHANGELOG_PATH},   {"ZELVA-HDK-Manual.pdf", ZELVA_MANUAL_PATH}};

std::string Lower(std::string text) {
  CharLowerBuffA(text.data(), DWORD(text.size()));
  return text;
}

class InstallerTest : public ::testing::Test {
 protected:
  DWORD Install(const char* msi, const std::string& logName) {
    return Msiexec("/i \"" + WindowsPathOf(msi) + "\"", logs_ / logName);
  }
  DWORD Uninstall(const char* msi, const std::string& logName) {
    return Msiexec("/x \"" + WindowsPathOf(msi) + "\"", logs_ / logName);
  }
  // Every shipped file in the program folder, the same bytes as in folder
  // (the build tree when empty).
  void ExpectInstalledFiles(const std::string& builtFolder = "") {
    for (const ShippedFile& file : kShipped) {
      std::string built = builtFolder.empty() ? WindowsPathOf(file.built) : builtFolder + file.name;
      std::string expected = ReadWholeFile(built);
      ASSERT_FALSE(expected.empty()) << built;
      EXPECT_TRUE(ReadWholeFile(installed_ + file.name) == expected) << file.name << " differs from " << built;
    }
  }
  void ExpectOneEntry(const char* version) {
    std::vector<UninstallEntry> entries = UninstallEntries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].version, version);
  }

  // FSX with the K50-200LR installed, as the product's own installer leaves it.
  void SimulateFsx() {
    registry_.SetString(HKEY_CURRENT_USER, kFsxKey, "AppPath", fsx_.path());
    registry_.SetString(HKEY_LOCAL_MACHINE, kProductKey, "DisplayVersion", "1.4.2", KEY_WOW64_32KEY);
    std::string variant = fsx_ / "SimObjects\\Airplanes\\ZELVA K50-200LR";
    SHCreateDirectoryExA(nullptr, variant.c_str(), nullptr);
    WriteWholeFile(variant + "\\aircraft.cfg", "[fuel]\r\nfuel_type=2\r\n");
  }
  std::string LiveryPackage(const std::string& name) {
    std::string path = packages_ / (name + ".zlp");
    EXPECT_TRUE(WritePackage(packages_.path(), path,
                             {{"Settings.dat", SettingsText("Single Livery", 1, "ZELVA K50X", "ZELVA K50-200LR")},
                              {"Config.cfg", "[fltsim.x]\r\ntitle=K50 " + name + "\r\nui_variation=" + name +
                                                 "\r\ntexture=" + name + "\r\natc_id=ZK-" + name + "\r\n"},
                              {"Texture." + name + "\\k50_fuse.bmp", "BM " + name}}));
    return path;
  }
  std::string Aircraft() const { return fsx_ / "SimObjects\\Airplanes\\ZELVA K50-200LR\\"; }
  std::string HostLog() const { return ReadWholeFile(UserDataFolder() + "ZELVA Hangardesk.log"); }
  bool WaitForHostLog(const std::string& text) {
    return WaitUntil([&] { return HostLog().find(text) != std::string::npos; }, 60000);
  }

  const std::string installed_ = InstalledFolder();
  TestFolder logs_, fsx_, packages_;
  RegistryScope registry_;
};

// Install, start from the Start menu's target, open a package by double click,
// remove: what the user has at each step, and what the program keeps of theirs.
TEST_F(InstallerTest, InstallAssociateOpenADoubleClickedPackageAndUninstall) {
  ASSERT_EQ(Install(ZELVA_MSI_X64, "install.log"), 0u);
  ExpectInstalledFiles();
  std::string host = installed_ + "ZELVA Hangardesk.exe";
  std::string shortcut = FindStartMenuShortcut();
  ASSERT_FALSE(shortcut.empty());
  EXPECT_EQ(Lower(ShortcutTarget(shortcut)), Lower(host));
  EXPECT_EQ(DefaultValue(HKEY_LOCAL_MACHINE, "Software\\Classes\\ZELVA_Hangardesk\\shell\\open\\command"),
            "\"" + host + "\" \"%1\"");
  ExpectOneEntry(ZELVA_VERSION_TEXT);
  UninstallEntry entry = UninstallEntries()[0];
  EXPECT_EQ(entry.publisher, "ZELVA");
  EXPECT_EQ(entry.helpLink.rfind("https://", 0), 0u) << entry.helpLink;
  std::string icon = ProductIcon(entry.key);
  EXPECT_TRUE(!icon.empty() && Exists(icon)) << icon;

  // The program, started from its folder, finds the association the package set.
  std::string reporter = installed_ + "test_association.dll";
  ASSERT_TRUE(CopyFileA(WindowsPathOf(TEST_ASSOCIATION_MODULE).c_str(), reporter.c_str(), FALSE));
  {
    Process first(host, "", installed_);
    HWND main = WaitForMainWindow(first.id());
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(WaitForHostLog("Test Association - test association 1")) << HostLog();
    EXPECT_TRUE(WaitUntil([&] { return ControlText(main, kAssociationControl) == kAssociationLine; }))
        << ControlText(main, kAssociationControl);
    EXPECT_EQ(CloseHost(main), 0u);
  }
  ASSERT_TRUE(DeleteFileA(reporter.c_str()));

  // A double click as the shell makes it: the association starts the program with the package.
  SimulateFsx();
  std::string package = LiveryPackage("Aurora");
  Process start("start.exe", "\"" + package + "\"", "");
  EXPECT_EQ(start.Wait(), 0u);
  HWND main = WaitForAnyWindow("ZELVA Hangardesk");
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitForHostLog("Finished processing ZLP file")) << HostLog();
  EXPECT_NE(Lower(HostLog()).find(Lower("Opening ZLP file: " + package)), std::string::npos) << HostLog();
  std::string livery = ReadWholeFile(Aircraft() + "aircraft.cfg");
  EXPECT_NE(livery.find("ui_variation=Aurora"), std::string::npos) << livery;
  EXPECT_EQ(ReadWholeFile(Aircraft() + "Texture.Aurora\\k50_fuse.bmp"), "BM Aurora");
  EXPECT_EQ(CloseHost(main), 0u);

  // Removal takes the program and its registration, and leaves the user's things alone.
  std::string configuration = ReadWholeFile(UserDataFolder() + "ZELVA Hangardesk.cfg");
  std::string log = HostLog();
  ASSERT_FALSE(configuration.empty());
  ASSERT_EQ(Uninstall(ZELVA_MSI_X64, "uninstall.log"), 0u);
  EXPECT_FALSE(Exists(installed_));
  EXPECT_EQ(FindStartMenuShortcut(), "");
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    EXPECT_FALSE(KeyExists(root, "Software\\Classes\\.zlp"));
    EXPECT_FALSE(KeyExists(root, "Software\\Classes\\ZELVA_Hangardesk"));
  }
  EXPECT_TRUE(UninstallEntries().empty());
  EXPECT_EQ(ReadWholeFile(UserDataFolder() + "ZELVA Hangardesk.cfg"), configuration);
  EXPECT_EQ(HostLog(), log);
  EXPECT_EQ(ReadWholeFile(Aircraft() + "aircraft.cfg"), livery);
  EXPECT_EQ(ReadWholeFile(Aircraft() + "Texture.Aurora\\k50_fuse.bmp"), "BM Aurora");
}

// The same package again repairs; a newer one (the same sources built as the
// next version) replaces it in place; an older one is refused with a message.
TEST_F(InstallerTest, SameVersionAgainThenANewerOneReplacesInPlaceAndAnOlderOneIsRefused) {
  ASSERT_EQ(Install(ZELVA_MSI_X64, "install.log"), 0u);
  ASSERT_EQ(Install(ZELVA_MSI_X64, "again.log"), 0u);
  ExpectOneEntry(ZELVA_VERSION_TEXT);
  std::string firstKey = UninstallEntries()[0].key;

  std::string next = WindowsPathOf(ZELVA_NEXT_FILES) + "\\";
  ASSERT_FALSE(ReadWholeFile(next + "ZELVA Hangardesk.exe") == ReadWholeFile(WindowsPathOf(ZELVA_HOST_PATH)))
      << "the newer build must differ, or nothing shows that files were replaced";
  ASSERT_EQ(Install(ZELVA_NEXT_MSI, "upgrade.log"), 0u);
  ExpectOneEntry(ZELVA_NEXT_VERSION);
  EXPECT_NE(UninstallEntries()[0].key, firstKey);
  ExpectInstalledFiles(next);

  // With the basic interface a user sees why the older package stops.
  {
    Process older("msiexec.exe", "/i \"" + WindowsPathOf(ZELVA_MSI_X64) + "\" /qb", "");
    DialogAnswerer refusal("Install Failed", IDOK, 60000, older.id());
    ASSERT_TRUE(refusal.Wait());
    EXPECT_NE(refusal.text().find("A newer version of ZELVA Hangardesk is already installed."), std::string::npos)
        << refusal.text();
    EXPECT_EQ(older.Wait(), DWORD(ERROR_INSTALL_FAILURE));
  }
  ExpectOneEntry(ZELVA_NEXT_VERSION);
  ExpectInstalledFiles(next);

  ASSERT_EQ(Uninstall(ZELVA_NEXT_MSI, "uninstall.log"), 0u);
  EXPECT_FALSE(Exists(installed_));
  EXPECT_TRUE(UninstallEntries().empty());
}

}  // namespace
