// Livery packages through module command 1 of the real module: real files in
// a simulated FSX, real message boxes and the real texture-folder dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <tuple>

#include "DialogAnswerer.h"
#include "HostState.h"
#include "K50Setup.h"
#include "LiveryPackages.h"
#include "TestFolder.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

const char kAircraftConfig[] =
    "[General]\r\natc_type=ZELVA\r\n\r\n"
    "[fltsim.0]\r\ntitle=K50F Zulu Cargo\r\nui_variation=Zulu Cargo\r\ntexture=Zulu\r\natc_id=N1ZU\r\n\r\n"
    "[fltsim.1]\r\ntitle=K50F ZELVA House\r\nui_variation=ZELVA House Colours\r\ntexture=House\r\n\r\n"
    "[fuel]\r\nfuel_type=2\r\n";

const char kPolarConfig[] =
    "[fltsim.x]\r\ntitle=K50F Polar Air\r\nui_variation=Polar Air\r\ntexture=Polar\r\natc_id=N123PA\r\n"
    "description=Polar Air\\nsince 1999\r\n";
const char kPolarSettings[] = "[Options]\r\nTugType=2\r\n";

std::string Noise(size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = char(random());
  return bytes;
}

class LiveryPackageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    k50_.RegisterProduct();
    k50_.WriteAircraftConfig("ZELVA K50F", kAircraftConfig);
    CreateDirectoryA((k50_.fsxRoot() + "ZELVA").c_str(), nullptr);
    CreateDirectoryA(SettingsFolder().c_str(), nullptr);
    CreateDirectoryA((SettingsFolder() + "Aircraft").c_str(), nullptr);
    CreateDirectoryA((SettingsFolder() + "Aircraft\\Backups").c_str(), nullptr);
    ASSERT_TRUE(k50_.Load());
    host::Context().currentSimulator = kSimulatorFsx;
  }

  std::string Aircraft() const { return k50_.fsxRoot() + "SimObjects\\Airplanes\\ZELVA K50F\\"; }
  std::string Config() const { return Aircraft() + "aircraft.cfg"; }
  std::string SettingsFolder() const { return k50_.fsxRoot() + "ZELVA\\ZELVA K50X\\"; }

  std::string Value(int entry, const char* key) const {
    char value[200];
    GetPrivateProfileStringA(("fltsim." + std::to_string(entry)).c_str(), key, "", value, sizeof(value),
                             Config().c_str());
    return value;
  }
  std::vector<std::string> EntryNames() const {
    std::vector<std::string> names;
    for (int entry = 0; !Value(entry, "ui_variation").empty(); ++entry) names.push_back(Value(entry, "ui_variation"));
    return names;
  }
  int EntryOf(const std::string& name) const {
    auto names = EntryNames();
    return int(std::find(names.begin(), names.end(), name) - names.begin());
  }

  std::vector<PackageEntry> PolarEntries(const std::string& settings, const std::string& config = kPolarConfig) {
    return {{"Settings.dat", settings},
            {"Config.cfg", config},
            {"Aircraft.INI", kPolarSettings},
            {"Texture.Polar\\fuselage.dds", fuselage_},
            {"Texture.Polar\\thumbnail.jpg", "JFIF thumbnail"},
            {"Texture.Polar\\sub\\hidden.dds", "in a subfolder"}};
  }
  std::string Package(const std::string& name, const std::vector<PackageEntry>& entries) {
    std::string path = packages_ / name;
    EXPECT_TRUE(WritePackage(packages_.path(), path, entries));
    return path;
  }
  std::string PolarPackage(int version = 1, const std::string& variant = "ZELVA K50F",
                           const std::string& aircraft = "ZELVA K50X") {
    return Package("polar-" + std::to_string(version) + "-" + variant + "-" + aircraft + ".zlp",
                   PolarEntries(SettingsText("Single Livery", version, aircraft, variant)));
  }

  INT_PTR Install(const std::string& path, const char* type = "Single Livery", const char* variant = "ZELVA K50F") {
    PackageSummary summary = Summary(type, variant);
    return k50_.Command(kModuleInstallPackage, reinterpret_cast<INT_PTR>(path.c_str()),
                        reinterpret_cast<INT_PTR>(&summary));
  }

  // Every installation, done or refused, clears its work folder.
  void TearDown() override {
    for (const auto& [path, content] : FileTree(temp_.path())) EXPECT_EQ(path.find("ZELVA_HDK"), std::string::npos) << path;
  }

  TestFolder temp_;
  TemporaryFolderOverride temporary_{temp_.path()};
  TestFolder packages_;
  K50Setup k50_;
  const std::string fuselage_ = Noise(300000, 5);
  const std::map<std::string, std::string> polarTextures_ = {{"fuselage.dds", fuselage_},
                                                            {"thumbnail.jpg", "JFIF thumbnail"}};
};

TEST_F(LiveryPackageTest, NewLiveryLandsWithItsTexturesEntryAndSettingsFile) {
  std::string package = PolarPackage();
  EXPECT_EQ(Install(package), kResultDone);

  EXPECT_EQ(FileTree(Aircraft() + "Texture.Polar\\"), polarTextures_);  // nothing of the subfolder
  EXPECT_EQ(EntryNames(), (std::vector<std::string>{"ZELVA House Colours", "Polar Air", "Zulu Cargo"}));
  int polar = EntryOf("Polar Air");
  EXPECT_EQ(Value(polar, "texture") + Value(polar, "atc_id") + Value(polar, "description"),
            "PolarN123PAPolar Air\\nsince 1999");
  EXPECT_EQ(ReadWholeFile(SettingsFolder() + "Aircraft\\N123PA.ini"), kPolarSettings);
  EXPECT_EQ(ReadWholeFile(SettingsFolder() + "Aircraft\\Backups\\N123PA.ini"), kPolarSettings);
  // Sections that are no livery stay.
  std::string config = ReadWholeFile(Config());
  EXPECT_EQ(config.find("[General]\r\natc_type=ZELVA\r\n"), 0u);
  EXPECT_NE(config.find("[fuel]\r\nfuel_type=2\r\n"), std::string::npos);

  // Format version 2 is known to the host but carries nothing this module installs.
  std::string future = Package("future.zlp", PolarEntries(SettingsText("Single Livery", 2, "ZELVA K50X", "ZELVA K50F"),
                                                          "[fltsim.x]\r\ntitle=K50F Later\r\nui_variation=Later\r\n"
                                                          "texture=Later\r\n"));
  auto before = FileTree(k50_.fsxRoot());
  EXPECT_EQ(Install(future), kResultDone);
  EXPECT_EQ(FileTree(k50_.fsxRoot()), before);
  // Other package types belong to the host.
  EXPECT_EQ(Install(package, "Multi Livery"), kResultUnknown);
}

TEST_F(LiveryPackageTest, ReinstallAsksAndRefillsTheFolderTheEntryAlreadyUses) {
  WriteWholeFile(Config(), std::string(kAircraftConfig) +
                               "\r\n[fltsim.2]\r\ntitle=K50F Polar Air\r\nui_variation=Polar Air\r\ntexture=PolarOld\r\n"
                               "atc_id=N123PA\r\n");
  CreateDirectoryA((Aircraft() + "Texture.PolarOld").c_str(), nullptr);
  WriteWholeFile(Aircraft() + "Texture.PolarOld\\fuselage.dds", "old paint");
  WriteWholeFile(Aircraft() + "Texture.PolarOld\\mine.txt", "the user's own");
  WriteWholeFile(SettingsFolder() + "Aircraft\\N123PA.ini", "customised");
  std::string package = PolarPackage();

  auto before = FileTree(k50_.fsxRoot());
  {
    DialogAnswerer no("Livery Already Installed", IDNO);
    EXPECT_EQ(Install(package), kResultDeclined);
    ASSERT_TRUE(no.Wait());
    EXPECT_EQ(no.text(), "The following livery already exists:\nPolar Air\n\nWould you like to reinstall?");
  }
  EXPECT_EQ(FileTree(k50_.fsxRoot()), before);
  {
    DialogAnswerer yes("Livery Already Installed", IDYES);
    EXPECT_EQ(Install(package), kResultDone);
    EXPECT_TRUE(yes.Wait());
  }
  auto expected = polarTextures_;
  expected["mine.txt"] = "the user's own";
  EXPECT_EQ(FileTree(Aircraft() + "Texture.PolarOld\\"), expected);
  EXPECT_FALSE(Exists(Aircraft() + "Texture.Polar"));
  EXPECT_EQ(EntryNames(), (std::vector<std::string>{"ZELVA House Colours", "Polar Air", "Zulu Cargo"}));
  EXPECT_EQ(Value(EntryOf("Polar Air"), "texture"), "PolarOld");
  EXPECT_EQ(ReadWholeFile(SettingsFolder() + "Aircraft\\N123PA.ini"), kPolarSettings);  // a reinstall overwrites
}

TEST_F(LiveryPackageTest, RefusedPackagesShowTheModulesMessageOnceAndWriteNothing) {
  auto before = FileTree(k50_.fsxRoot());
  int made = 0;
  auto unsafe = [&](const std::string& values) {
    return Package("unsafe" + std::to_string(++made) + ".zlp", PolarEntries(SettingsText("Single Livery", 1, "ZELVA K50X", "ZELVA K50F"),
                                              "[fltsim.x]\r\ntitle=K50F Polar Air\r\nui_variation=Polar Air\r\n" + values));
  };
  const std::tuple<std::string, int, INT_PTR, std::string> cases[] = {
      // Version 0 short codes name the earlier product line.
      {PolarPackage(0, "800WL"), IDOK, kResultFailed, "\"Polar Air\" is from an unknown product variant!"},
      {PolarPackage(1, "ZELVA K50F", "ZELVA K30X"), IDCANCEL, kResultCancelled,
       "\"Polar Air\" is from the wrong ZELVA product!"},
      {unsafe("texture=..\\..\\x\r\n"), IDOK, kResultFailed, "\"Polar Air\" has the invalid texture value \"..\\..\\x\"!"},
      {unsafe("texture=Polar\r\natc_id=..\\..\\..\\evil\r\n"), IDOK, kResultFailed,
       "\"Polar Air\" has the invalid atc_id value \"..\\..\\..\\evil\"!"},
      {unsafe("texture=C:\\Windows\r\n"), IDOK, kResultFailed, "\"Polar Air\" has the invalid texture value \"C:\\Windows\"!"},
  };
  for (const auto& [package, button, result, message] : cases) {
    std::strcpy(host::Context().errorText, "");
    DialogAnswerer box("An error occured", button);
    EXPECT_EQ(Install(package), result) << message;
    ASSERT_TRUE(box.Wait());
    EXPECT_EQ(box.text(), "The following error occured:\n\n" + message + "\n\n");
    // One report only: the host shows its error text, which stays empty.
    EXPECT_STREQ(host::Context().errorText, "");
  }
  EXPECT_EQ(FileTree(k50_.fsxRoot()), before);
  EXPECT_FALSE(Exists(k50_.fsxRoot() + "..\\x"));
}

TEST_F(LiveryPackageTest, TakenTextureFolderAsksForAnotherThatMustBeginWithTextureAndStayInTheAircraft) {
  CreateDirectoryA((Aircraft() + "Texture.Polar").c_str(), nullptr);
  WriteWholeFile(Aircraft() + "Texture.Polar\\mine.dds", "another livery's");
  auto before = FileTree(k50_.fsxRoot());
  {
    // The same name again, declined, shows the dialog again; then a climbing name.
    DialogAnswerer keep("Texture Folder Exists", IDNO);
    TextureFolderAnswers answers({"Texture.Polar", "Texture.x\\..\\..\\..\\escape"});
    DialogAnswerer box("An error occured", IDOK);
    EXPECT_EQ(Install(PolarPackage()), kResultFailed);
    EXPECT_EQ(answers.Wait(), 2);
    ASSERT_TRUE(keep.Wait());
    ASSERT_TRUE(box.Wait());
    EXPECT_EQ(box.text(),
              "The following error occured:\n\n\"Polar Air\" cannot be installed into the texture folder "
              "\"Texture.x\\..\\..\\..\\escape\"!\n\n");
    EXPECT_EQ(FileTree(k50_.fsxRoot()), before);
  }
  TextureFolderAnswers answers({"Second", "Texture.Second"});
  EXPECT_EQ(Install(PolarPackage()), kResultDone);
  ASSERT_EQ(answers.Wait(), 2);
  EXPECT_EQ(answers.shownNames(), (std::vector<std::string>{"Texture.Polar", "Second"}));
  EXPECT_EQ(answers.formattingMessages(), (std::vector<std::string>{"All texture folders must begin with \"Texture.\""}));
  EXPECT_EQ(FileTree(Aircraft() + "Texture.Second\\"), polarTextures_);
  EXPECT_EQ(FileTree(Aircraft() + "Texture.Polar\\"), (std::map<std::string, std::string>{{"mine.dds", "another livery's"}}));
  EXPECT_EQ(Value(EntryOf("Polar Air"), "texture"), "Second");
}

TEST_F(LiveryPackageTest, AircraftIniReplacesTheSettingsOfAnInstalledLiveryAndReportsThroughTheHost) {
  WriteWholeFile(Config(), std::string(kAircraftConfig) +
                               "\r\n[fltsim.2]\r\ntitle=K50F Polar Air\r\nui_variation=Polar Air\r\ntexture=Polar\r\n"
                               "atc_id=N123PA\r\n[fltsim.3]\r\ntitle=K50F Odd\r\nui_variation=Odd\r\ntexture=Odd\r\n"
                               "atc_id=..\\..\\odd\r\n");
  WriteWholeFile(SettingsFolder() + "Aircraft\\N123PA.ini", "customised");
  auto package = [&](const char* name) {
    return Package(std::string(name) + ".zlp",
                   {{"Settings.dat", SettingsText("Aircraft INI", 1, "ZELVA K50X", "ZELVA K50F", "Name=" + std::string(name) + "\r\n")},
                    {"Aircraft.ini", "[Options]\r\nFresh=1\r\n"}});
  };
  EXPECT_EQ(Install(package("polar air"), "Aircraft INI"), kResultDone);
  EXPECT_EQ(ReadWholeFile(SettingsFolder() + "Aircraft\\N123PA.ini"), "[Options]\r\nFresh=1\r\n");
  EXPECT_EQ(ReadWholeFile(SettingsFolder() + "Aircraft\\Backups\\N123PA.ini"), "[Options]\r\nFresh=1\r\n");

  // Failures leave their text for the host and show nothing themselves (a box would block here).
  auto before = FileTree(k50_.fsxRoot());
  const std::pair<std::string, const char*> cases[] = {
      {package("Nope"), "This aircraft configuration file is for the ZELVA K50F Nope, but that livery is not installed!"},
      {package("Odd"), "The livery \"Odd\" has the invalid atc_id value \"..\\..\\odd\"!"},
  };
  for (const auto& [path, message] : cases) {
    std::strcpy(host::Context().errorText, "");
    EXPECT_EQ(Install(path, "aircraft ini"), kResultFailed) << message;
    EXPECT_STREQ(host::Context().errorText, message);
  }
  EXPECT_EQ(FileTree(k50_.fsxRoot()), before);
}

// Packages made without the project's code.
TEST_F(LiveryPackageTest, PackageOfAnIndependentPackerInstalls) {
  std::string package = WindowsPathOf(ZELVA_LIVERY_SAMPLES "/gcab.zlp");
  EXPECT_EQ(Install(package), kResultDone);
  std::map<std::string, std::string> tree = FileTree(Aircraft() + "Texture.Tundra\\");
  ASSERT_EQ(tree.size(), 2u);
  EXPECT_EQ(tree["fuselage.dds"].size(), 150000u);
  EXPECT_EQ(tree["tail.bmp"].substr(0, 15), "tail row 00000\n");
  EXPECT_EQ(Value(EntryOf("Tundra Lines"), "atc_id"), "C-GTUN");
  EXPECT_EQ(ReadWholeFile(SettingsFolder() + "Aircraft\\C-GTUN.ini"), "[Options]\r\nTundra=1\r\n");
}

TEST_F(LiveryPackageTest, EntryClimbingOutOfTheTextureFolderStaysOutOfTheSimulatorWhenMoving) {
  CreateDirectoryA((Aircraft() + "Texture.Polar").c_str(), nullptr);
  TextureFolderAnswers answers({"Texture.Moved"});
  EXPECT_EQ(Install(WindowsPathOf(ZELVA_LIVERY_SAMPLES "/crafted.zlp")), kResultDone);
  EXPECT_EQ(answers.Wait(), 1);
  EXPECT_EQ(FileTree(Aircraft() + "Texture.Moved\\"), (std::map<std::string, std::string>{{"good.dds", "good texture"}}));
  for (const auto& [path, content] : FileTree(k50_.fsxRoot())) EXPECT_EQ(path.find("evil"), std::string::npos) << path;
  EXPECT_EQ(Value(EntryOf("Crafted"), "texture"), "Moved");
  EXPECT_TRUE(k50_.Logged("Unsafe file name in cabinet skipped"));
}

}  // namespace
