// Removing a livery entry: the gap closes, its texture folder and settings go,
// and nothing else does.
#include <gtest/gtest.h>
#include <shlobj.h>

#include "DialogAnswerer.h"
#include "LiveryEntries.h"
#include "LiverySimulator.h"

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

}  // namespace
