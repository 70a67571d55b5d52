// Removing a livery entry: the gap closes, its texture folder and settings go,
// and nothing else does.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

#include "DialogAnswerer.h"
#include "LargeFleet.h"
#include "LiveryEntries.h"
#include "LiverySimulator.h"
#include "ProfileSection.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

constexpr int kFreighterIndex = 1;

class LiveryRemovalTest : public ::testing::Test {
 protected:
  std::string TextureFolder(const std::string& texture) {
    std::string folder = sim_.AircraftFolder(kFreighter) + "\\texture." + texture;
    SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
    WriteWholeFile(folder + "\\K50F_T.dds", "texture");
    return folder;
  }
  std::string SettingsFile(const std::string& atcId, bool backup = false) {
    std::string file = sim_.SettingsFolder(backup) + atcId + ".ini";
    WriteWholeFile(file, "[Options]\r\nDoors=1\r\n");
    return file;
  }
  LiverySimulator sim_;
};

TEST_F(LiveryRemovalTest, RemovingAnEntryClosesTheGapAndTakesItsFolderAndSettings) {
  const std::string longDescription(5000, 'r');
  std::string config = FreighterConfig();
  const std::string longNotes(21000, 'n');
  config.insert(config.find("atc_id=SE-RNA\r\n") + 15, "description=" + longDescription + "\r\n");
  config.insert(config.find("atc_id=N496MC\r\n") + 15, "notes=" + longNotes + "\r\n");
  sim_.WriteConfig(kFreighter, config);
  std::string polar = TextureFolder("Polar"), nordic = TextureFolder("Nordic");
  std::string settings = SettingsFile("N450PA"), backup = SettingsFile("N450PA", true);
  std::string otherSettings = SettingsFile("SE-RNA");

  EXPECT_EQ(module::RemoveLiveryEntry(1, kFreighterIndex), kResultDone);

  const char* names[] = {"ZELVA House Colours", "Nordic Freight", "Atlas", ""};
  for (int entry = 0; entry < 4; ++entry) EXPECT_EQ(sim_.Value(kFreighter, entry, "ui_variation"), names[entry]);
  EXPECT_EQ(sim_.Value(kFreighter, 1, "description"), longDescription);
  EXPECT_EQ(sim_.Value(kFreighter, 2, "atc_id"), "N496MC");
  const std::string after = sim_.ReadConfig(kFreighter);
  EXPECT_NE(after.find("notes=" + longNotes + "\r\n"), std::string::npos);
  EXPECT_NE(after.find("[General]"), std::string::npos);
  EXPECT_FALSE(Exists(polar) || Exists(settings) || Exists(backup));
  EXPECT_TRUE(Exists(nordic + "\\K50F_T.dds") && Exists(otherSettings));
}

TEST_F(LiveryRemovalTest, ATextureFolderStaysWhileAnotherEntryUsesIt) {
  sim_.WriteConfig(kFreighter, Entry(0, "Polar Air Cargo", "Polar") + Entry(1, "Nordic Freight", "Nordic") +
                                   Entry(2, "Polar Air Cargo Retro", "POLAR"));
  std::string polar = TextureFolder("Polar");

  EXPECT_EQ(module::RemoveLiveryEntry(0, kFreighterIndex), kResultDone);
  EXPECT_TRUE(Exists(polar + "\\K50F_T.dds"));
  EXPECT_EQ(sim_.Value(kFreighter, 1, "ui_variation"), "Polar Air Cargo Retro");

  EXPECT_EQ(module::RemoveLiveryEntry(1, kFreighterIndex), kResultDone);
  EXPECT_FALSE(Exists(polar));
}

TEST_F(LiveryRemovalTest, ValuesThatAreNoPlainNamesDeleteNothingOutsideTheirFolders) {
  sim_.WriteConfig(kFreighter, Entry(0, "Climber", "..\\..\\..\\Victim", "..\\Victim") +
                                   Entry(1, "No Texture", "", "") + Entry(2, "Wild", "*", ""));
  std::string aircraft = sim_.AircraftFolder(kFreighter);
  // Where the values would lead: the simulator's SimObjects folder and the product's settings folder.
  std::string victim = sim_.AircraftFolder("..\\Victim");
  SHCreateDirectoryExA(nullptr, victim.c_str(), nullptr);
  WriteWholeFile(victim + "\\keep.txt", "keep");
  std::string victimSettings = sim_.SettingsFolder() + "..\\Victim.ini";
  WriteWholeFile(victimSettings, "keep");
  std::string polar = TextureFolder("Polar");
  std::string bare = aircraft + "\\texture";
  CreateDirectoryA(bare.c_str(), nullptr);
  WriteWholeFile(bare + "\\keep.txt", "keep");

  for (int i = 0; i < 3; ++i) EXPECT_EQ(module::RemoveLiveryEntry(0, kFreighterIndex), kResultDone);

  EXPECT_TRUE(Exists(victim + "\\keep.txt") && Exists(victimSettings) && Exists(polar + "\\K50F_T.dds") &&
              Exists(bare + "\\keep.txt"));
  EXPECT_EQ(sim_.Value(kFreighter, 0, "title"), "");
}

TEST_F(LiveryRemovalTest, ReadOnlyConfigurationAsksFirst) {
  const std::string original = FreighterConfig();
  std::string path = sim_.WriteConfig(kFreighter, original);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  {
    DialogAnswerer answerer("Error", IDNO);
    EXPECT_EQ(module::RemoveLiveryEntry(1, kFreighterIndex), kResultDeclined);
    EXPECT_TRUE(answerer.Wait());
    EXPECT_EQ(answerer.text(), "Aircraft.cfg file is Read-Only!\nWould you like to remove Read-Only status?");
    EXPECT_EQ(sim_.ReadConfig(kFreighter), original);
  }
  DialogAnswerer answerer("Error", IDYES);
  EXPECT_EQ(module::RemoveLiveryEntry(1, kFreighterIndex), kResultDone);
  EXPECT_TRUE(answerer.Wait());
  EXPECT_EQ(sim_.Value(kFreighter, 1, "ui_variation"), "Nordic Freight");
}

TEST_F(LiveryRemovalTest, RemovingFiveOf300RenumbersTheRestWithoutAGapInOneReplace) {
  std::string path = sim_.WriteConfig(kFreighter, LargeFleetConfig(300));
  std::vector<std::string> sections;
  for (int entry = 0; entry < 300; ++entry)
    sections.push_back(module::ReadProfileSection(path.c_str(), ("fltsim." + std::to_string(entry)).c_str()));
  const std::vector<int> removed = {151, 5, 299, 150, 17};
  std::vector<std::string> files;
  for (int entry : removed) {
    files.push_back(TextureFolder("T" + std::to_string(entry)));
    files.push_back(SettingsFile("N" + std::to_string(entry) + "BX"));
  }
  std::string kept = TextureFolder("T6"), keptSettings = SettingsFile("N6BX");

  ReplaceCounter replaces;
  EXPECT_EQ(module::RemoveLiveryEntries(removed, kFreighterIndex), kResultDone);

  EXPECT_EQ(replaces.count(), 1);
  std::vector<std::string> expected;
  for (int entry = 0; entry < 300; ++entry)
    if (std::find(removed.begin(), removed.end(), entry) == removed.end()) expected.push_back(sections[size_t(entry)]);
  for (int entry = 0; entry < 295; ++entry)
    ASSERT_EQ(module::ReadProfileSection(path.c_str(), ("fltsim." + std::to_string(entry)).c_str()),
              expected[size_t(entry)]) << "entry " << entry;
  EXPECT_EQ(module::ReadProfileSection(path.c_str(), "fltsim.295"), "");
  for (const std::string& file : files) EXPECT_FALSE(Exists(file)) << file;
  EXPECT_TRUE(Exists(kept + "\\K50F_T.dds") && Exists(keptSettings));
}

TEST_F(LiveryRemovalTest, AFailedRewriteDeletesNothing) {
  const std::string original = FreighterConfig();
  std::string path = sim_.WriteConfig(kFreighter, original);
  std::string polar = TextureFolder("Polar"), settings = SettingsFile("N450PA");
  // Another program holds aircraft.cfg open: it cannot be replaced.
  HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  DialogAnswerer answerer("Error", IDOK);
  EXPECT_EQ(module::RemoveLiveryEntry(1, kFreighterIndex), kResultDeclined);
  EXPECT_TRUE(answerer.Wait());
  EXPECT_EQ(answerer.text(), "There was an error opening aircraft.cfg!");
  CloseHandle(holder);
  EXPECT_EQ(sim_.ReadConfig(kFreighter), original);
  EXPECT_TRUE(Exists(polar + "\\K50F_T.dds") && Exists(settings));
  EXPECT_FALSE(Exists(path + "_new"));
}

}  // namespace

namespace {

// Liveries of one airframe share its registration and so its settings file:
// it goes only with the last entry that names it.
TEST_F(LiveryRemovalTest, ASettingsFileStaysWhileAnotherEntryNamesItsRegistration) {
  sim_.WriteConfig(kFreighter, Entry(0, "Polar Air Cargo", "Polar", "N450PA") +
                                   Entry(1, "Polar Air Cargo Retro", "PolarRetro", "n450pa") +
                                   Entry(2, "Nordic Freight", "Nordic", "SE-RNA"));
  std::string shared = SettingsFile("N450PA"), sharedBackup = SettingsFile("N450PA", true);
  TextureFolder("Polar");

  EXPECT_EQ(module::RemoveLiveryEntry(0, kFreighterIndex), kResultDone);
  EXPECT_TRUE(Exists(shared) && Exists(sharedBackup));

  EXPECT_EQ(module::RemoveLiveryEntry(0, kFreighterIndex), kResultDone);
  EXPECT_FALSE(Exists(shared) || Exists(sharedBackup));
}

// Values read whole: a long texture cut short would name another livery's
// folder, and names the file system shortens ("...") name the aircraft's own.
TEST_F(LiveryRemovalTest, LongOrDottedValuesNeverNameAnotherFolder) {
  const std::string prefix = "SkandinaviskFlyselskapCargo2019";  // 31 characters
  sim_.WriteConfig(kFreighter, Entry(0, "Long", prefix + "Retro", "") + Entry(1, "Dots", "...", "...") +
                                   Entry(2, "Inner", "a..b", "") + Entry(3, "Short", prefix.substr(0, 29), ""));
  std::string longFolder = TextureFolder(prefix + "Retro"), cut = TextureFolder(prefix.substr(0, 29));
  std::string aircraftTextures = sim_.AircraftFolder(kFreighter) + "\\texture";
  CreateDirectoryA(aircraftTextures.c_str(), nullptr);
  WriteWholeFile(aircraftTextures + "\\k50f_t.bmp", "BM");
  std::string dotted = sim_.AircraftFolder(kFreighter) + "\\texture.a..b";
  CreateDirectoryA(dotted.c_str(), nullptr);
  WriteWholeFile(sim_.SettingsFolder() + "....ini", "keep");

  EXPECT_EQ(module::RemoveLiveryEntries({0, 1, 2}, kFreighterIndex), kResultDone);
  EXPECT_FALSE(Exists(longFolder));
  EXPECT_TRUE(Exists(cut + "\\K50F_T.dds") && Exists(aircraftTextures + "\\k50f_t.bmp") && Exists(dotted) &&
              Exists(sim_.SettingsFolder() + "....ini"));
  EXPECT_EQ(sim_.Value(kFreighter, 0, "ui_variation"), "Short");
}

}  // namespace
