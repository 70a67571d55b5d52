// The settings file that follows an entry's registration, and the GMC alias of
// a K50-300ER livery.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <tuple>

#include "DialogAnswerer.h"
#include "LiveryEntries.h"
#include "LiverySimulator.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

constexpr int kFreighterIndex = 1;
constexpr int k300ErIndex = 2;
constexpr const char* kOverwriteCaption = "File already exists - Overwrite?";
const char kFresh[] = "[Options]\r\nDoors=fresh\r\n";

class AirframeSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteWholeFile(work_ / "Aircraft.ini", kFresh); }

  void Install(const char* variant, int variantIndex, int entry, bool reinstall, const char* texture = "Nordic") {
    std::string folder = sim_.AircraftFolder(variant);
    std::string textureFolder = std::string("texture.") + texture;
    module::InstallAirframeSettings(textureFolder.c_str(), texture, variantIndex, folder.c_str(), work_.path().c_str(),
                                    "K50-300ER Nordic", reinstall, entry);
  }
  std::string Settings(const std::string& name, bool backup = false) {
    return ReadWholeFile(sim_.SettingsFolder(backup) + name + ".ini");
  }

  LiverySimulator sim_;
  TestFolder work_;
};

TEST_F(AirframeSettingsTest, ATakenRegistrationGetsTheNextFreeNameUnlessTheUserOverwrites) {
  sim_.WriteConfig(kFreighter, Entry(0, "Nordic", "Nordic", "R") + Entry(1, "Nordic 2", "Nordic2", "R") +
                                   Entry(2, "Nordic 3", "Nordic3", "R"));
  WriteWholeFile(sim_.SettingsFolder() + "R.ini", "customised");
  sim_.SettingsFolder(true);
  {
    DialogAnswerer answerer(kOverwriteCaption, IDNO);
    Install(kFreighter, kFreighterIndex, 0, false);
    EXPECT_TRUE(answerer.Wait());
    EXPECT_NE(answerer.text().find("a new filename will be generated for the livery to use."), std::string::npos);
  }
  EXPECT_EQ(Settings("R"), "customised");
  EXPECT_EQ(sim_.Value(kFreighter, 0, "atc_id"), "R1");
  // Asked once for R; R1 is taken too, so R2 without a second question. Then the user overwrites R.
  for (auto [entry, answer, name] : {std::tuple{1, IDNO, "R2"}, std::tuple{2, IDYES, "R"}}) {
    DialogAnswerer answerer(kOverwriteCaption, answer);
    Install(kFreighter, kFreighterIndex, entry, false);
    EXPECT_TRUE(answerer.Wait());
    EXPECT_EQ(Settings(name), kFresh);
    EXPECT_EQ(sim_.Value(kFreighter, entry, "atc_id"), name);
  }
}

// The options page and removal read atc_id whole; installation must name the same file and, when it adds a
// suffix, must not write a cut registration back into the entry.
TEST_F(AirframeSettingsTest, ALongRegistrationNamesItsSettingsFileWhole) {
  const std::string registration = "ZELVA-DEMO-AIRFRAME-LONG-42";
  sim_.WriteConfig(kFreighter, Entry(0, "Nordic", "Nordic", registration.c_str()) +
                                   Entry(1, "Nordic 2", "Nordic2", registration.c_str()));
  sim_.SettingsFolder(true);
  Install(kFreighter, kFreighterIndex, 0, false);
  EXPECT_EQ(Settings(registration), kFresh);
  EXPECT_EQ(Settings(registration, true), kFresh);

  DialogAnswerer answerer(kOverwriteCaption, IDNO);
  Install(kFreighter, kFreighterIndex, 1, false);
  EXPECT_TRUE(answerer.Wait());
  EXPECT_EQ(sim_.Value(kFreighter, 1, "atc_id"), registration + "1");
  EXPECT_EQ(Settings(registration + "1"), kFresh);
}

// Reinstalling over existing settings is covered through the real module's package installation.
TEST_F(AirframeSettingsTest, UnsafeRegistrationWritesNothing) {
  sim_.WriteConfig(kFreighter, Entry(0, "Climber", "Climber", "..\\Victim"));
  sim_.SettingsFolder(true);
  Install(kFreighter, kFreighterIndex, 0, false);
  EXPECT_FALSE(Exists(sim_.SettingsFolder() + "..\\Victim.ini") || Exists(sim_.SettingsFolder(true) + "..\\Victim.ini"));
  EXPECT_EQ(sim_.Value(kFreighter, 0, "atc_id"), "..\\Victim");
}

class GmcAliasTest : public AirframeSettingsTest {
 protected:
  std::string GmcFolder() { return sim_.AircraftFolder("ZELVA K50-GMC"); }
  void Prepare() {
    sim_.WriteConfig(k300Er, Entry(0, "Nordic", "Nordic", "SE-RNB"));
    sim_.SettingsFolder(true);
    sim_.WriteConfig("ZELVA K50-GMC", "[fltsim.0]\r\ntitle=K50-300ER Other GMC\r\nsim=default\r\n\r\n[General]\r\n");
  }
};

TEST_F(GmcAliasTest, AK50_300ErLiveryOnFsxGetsItsGmcAliasOnce) {
  Prepare();
  Install(k300Er, k300ErIndex, 0, false);
  Install(k300Er, k300ErIndex, 0, true);  // found again by its title

  EXPECT_EQ(sim_.Value("ZELVA K50-GMC", 1, "title"), "K50-300ER Nordic GMC");
  EXPECT_EQ(sim_.Value("ZELVA K50-GMC", 2, "title"), "");
  EXPECT_EQ(ReadWholeFile(GmcFolder() + "\\texture.Nordic\\texture.cfg"),
            "[fltsim]\r\nalias=ZELVA K50-300ER\\texture.Nordic");
}

TEST_F(GmcAliasTest, Prepar3dOtherVariantsAndEntriesWithoutRegistrationGetNone) {
  sim_.UsePrepar3d();
  Prepare();
  const std::string before = ReadWholeFile(GmcFolder() + "\\aircraft.cfg");
  Install(k300Er, k300ErIndex, 0, false);
  EXPECT_EQ(ReadWholeFile(GmcFolder() + "\\aircraft.cfg"), before);
  EXPECT_FALSE(Exists(GmcFolder() + "\\texture.Nordic"));
  EXPECT_EQ(Settings("SE-RNB"), kFresh);

  sim_.host().currentSimulator = kSimulatorFsx;
  Prepare();
  sim_.WriteConfig(k300Er, Entry(0, "Nordic", "Nordic", ""));
  Install(k300Er, k300ErIndex, 0, false);
  sim_.WriteConfig(kFreighter, Entry(0, "Nordic", "Nordic", "SE-RNB"));
  Install(kFreighter, kFreighterIndex, 0, true);
  EXPECT_EQ(ReadWholeFile(GmcFolder() + "\\aircraft.cfg"), before);
  EXPECT_FALSE(Exists(GmcFolder() + "\\texture.Nordic"));
}

}  // namespace
