// The livery backup, the repair of entries a product update wiped out, and
// texture folders no entry claims, on simulated simulator folders with the
// notifications the module posts answered as the settings module would.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "DialogAnswerer.h"
#include "HostProcess.h"
#include "HostRecorder.h"
#include "LiveryBackup.h"
#include "LiverySimulator.h"
#include "LostLiveries.h"
#include "OrphanedFolders.h"
#include "ProfileSection.h"

using namespace zelva;
using namespace zelva::testing;
using namespace std::string_literals;

namespace {

constexpr DWORD kStopped = 77;
const std::string kLong(45, 'L');  // longer than any cut the readers once made

// The backup file's layout, spelt out here apart from the module's code.
std::string Spelt(const std::string& folder, const std::string& name, const std::string& texture,
                  const std::string& section) {
  std::string bytes;
  for (const std::string* text : {&folder, &name, &texture}) {
    bytes += char(text->size() + 1);
    bytes += *text;
    bytes += '\0';
  }
  uint32_t m = uint32_t(section.size() + 1);
  for (int i = 0; i < 4; ++i) bytes += char((m >> (8 * i)) & 0xFF);
  return bytes + section + '\0';
}

// The display names of a backup file, read with the layout.
std::vector<std::string> NamesIn(const std::string& bytes) {
  std::vector<std::string> names;
  size_t at = 0;
  auto text = [&](std::string* into) {
    size_t n = static_cast<unsigned char>(bytes[at]);
    if (into != nullptr) into->assign(bytes, at + 1, n - 1);
    at += 1 + n;
  };
  while (at < bytes.size()) {
    std::string name;
    text(nullptr);
    text(&name);
    text(nullptr);
    uint32_t m = 0;
    for (int i = 3; i >= 0; --i) m = (m << 8) | static_cast<unsigned char>(bytes[at + size_t(i)]);
    at += 4 + m;
    names.push_back(name);
  }
  return names;
}

class LiveryRepairTest : public ::testing::Test {
 protected:
  LiveryRepairTest() {
    std::strcpy(sim_.host().dataFolder, data_.path().c_str());
    std::strcpy(sim_.host().configPath, (data_ / "ZELVA Hangardesk.cfg").c_str());
  }
  std::string BackupFile() const { return data_ / "ZELVA K50X Livery Backup.dat"; }
  std::string Folder(const char* variant, const std::string& texture) {
    std::string folder = sim_.AircraftFolder(variant) + "\\Texture." + texture;
    SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
    WriteWholeFile(folder + "\\k50_fuse.bmp", "BM");
    return folder;
  }
  std::string Section(const char* variant, int entry) {
    return module::ReadProfileSection(sim_.ConfigPath(variant).c_str(), ("fltsim." + std::to_string(entry)).c_str());
  }
  std::vector<std::string> Names(const char* variant) {
    std::vector<std::string> names;
    for (int entry = 0; !sim_.Value(variant, entry, "ui_variation").empty(); ++entry)
      names.push_back(sim_.Value(variant, entry, "ui_variation"));
    return names;
  }
  std::string Protected(int number) {
    char value[200];
    GetPrivateProfileStringA("ZELVA K50F Protected Folders", ("Folder" + std::to_string(number)).c_str(), "", value,
                             sizeof(value), sim_.host().configPath);
    return value;
  }
  // A freighter fleet whose every livery has its folder.
  void Fleet() {
    sim_.WriteConfig(kFreighter, Entry(0, "ZELVA House Colours", "House", "ZK-HSE") +
                                     Entry(1, "Polar Air Cargo", "Polar", "N450PA") +
                                     Entry(2, "Nordic Freight", "Nordic", "SE-RNA") + Entry(3, "Atlas", "Atlas") +
                                     "[General]\r\natc_type=ZELVA\r\n");
    for (const char* texture : {"House", "Polar", "Nordic", "Atlas"}) Folder(kFreighter, texture);
  }
  // The fleet as a product update leaves it: Polar and Atlas are gone, their folders stay.
  void ProductUpdate() {
    sim_.WriteConfig(kFreighter, Entry(0, "ZELVA House Colours", "House", "ZK-HSE") +
                                     Entry(1, "Nordic Freight", "Nordic", "SE-RNA") +
                                     "[General]\r\natc_type=ZELVA\r\n");
  }
  DWORD RunStopper(const std::string& step) {
    std::string root = sim_.host().fsxRoot;
    root.pop_back();
    Process helper(WindowsPathOf(LIVERY_REWRITE_STOPPER), "backup " + step + " \"" + root + "\"", "");
    return helper.Wait(60000);
  }

  TestFolder data_;
  LiverySimulator sim_;
  HostRecorder host_{sim_.host()};
};

TEST_F(LiveryRepairTest, BackupHoldsEveryEntryWithAFolderInTheFileLayout) {
  sim_.WriteConfig(k200Lr, Entry(0, "Nordair", "Nordair"));
  Folder(k200Lr, "Nordair");
  // An entry of the aircraft's own textures and one whose folder is gone stand among the others.
  sim_.WriteConfig(kFreighter, Entry(0, "ZELVA House Colours", "House", "ZK-HSE") + Entry(1, "Base Paint", "") +
                                   Entry(2, "Polar Air Cargo", "Polar", "N450PA") + Entry(3, "Gone", "Gone") +
                                   Entry(4, "Long Name", kLong));
  for (const std::string& texture : {std::string("House"), std::string("Polar"), kLong}) Folder(kFreighter, texture);

  module::RefreshLiveryBackup();

  const std::string expected = Spelt(k200Lr, "Nordair", "Nordair", Section(k200Lr, 0)) +
                               Spelt(kFreighter, "ZELVA House Colours", "House", Section(kFreighter, 0)) +
                               Spelt(kFreighter, "Polar Air Cargo", "Polar", Section(kFreighter, 2)) +
                               Spelt(kFreighter, "Long Name", kLong, Section(kFreighter, 4));
  EXPECT_EQ(ReadWholeFile(BackupFile()), expected);
}

// A crash while the backup is written leaves the old file whole.
TEST_F(LiveryRepairTest, ABackupIsReplacedInOneStep) {
  Fleet();
  const std::string previous = Spelt(kFreighter, "Polar Air Cargo", "Polar", "title=old\0"s);
  const std::string file = std::string(sim_.host().fsxRoot) + "ZELVA K50X Livery Backup.dat";
  for (const char* step : {"0", "1", "2"}) {
    WriteWholeFile(file, previous);
    EXPECT_EQ(RunStopper(step), kStopped) << step;
    EXPECT_EQ(ReadWholeFile(file), previous) << step;
  }
  EXPECT_EQ(RunStopper("none"), 0u);
  // The record it had takes the entry as it stands; the others follow.
  EXPECT_EQ(NamesIn(ReadWholeFile(file)),
            (std::vector<std::string>{"Polar Air Cargo", "ZELVA House Colours", "Nordic Freight", "Atlas"}));
}

TEST_F(LiveryRepairTest, LiveriesAProductUpdateWipedOutAreOfferedOnceAndRepairedBehindTheLastEntry) {
  Fleet();
  const std::string polar = Section(kFreighter, 1), atlas = Section(kFreighter, 3);
  module::RefreshLiveryBackup();
  ProductUpdate();

  ASSERT_TRUE(module::CheckLostLiveries());
  ASSERT_EQ(host_.notices().size(), 1u);
  const PanelRecord notice = host_.notices()[0];
  EXPECT_STREQ(notice.title, "FSX Missing livery entries detected: ZELVA K50 - FSX");
  EXPECT_STREQ(notice.shortText,
               "One or more livery entries appear to be missing from FSX.  Do you wish to recover them?");
  EXPECT_EQ(notice.producerMark, kPanelMarkLiveryQuestion);

  ReplaceCounter replaces;
  EXPECT_EQ(host_.Press(notice, "Repair Liveries"), 1);
  EXPECT_EQ(replaces.count(), 1);
  EXPECT_EQ(Names(kFreighter),
            (std::vector<std::string>{"ZELVA House Colours", "Atlas", "Nordic Freight", "Polar Air Cargo"}));
  EXPECT_EQ(Section(kFreighter, 1), atlas);
  EXPECT_EQ(Section(kFreighter, 3), polar);
  const std::string config = sim_.ReadConfig(kFreighter);
  EXPECT_LT(config.find("[fltsim.3]"), config.find("[General]"));

  EXPECT_FALSE(module::CheckLostLiveries());
  EXPECT_EQ(host_.notices().size(), 1u);
}

// A reinstall into another folder changes the entry: a repair writes back the entry as it was last.
TEST_F(LiveryRepairTest, RepairRestoresTheEntryAsItStoodAtTheLastRefresh) {
  Fleet();
  module::RefreshLiveryBackup();
  WritePrivateProfileStringA("fltsim.1", "texture", "Polar2", sim_.ConfigPath(kFreighter).c_str());
  WritePrivateProfileStringA("fltsim.1", "atc_id", "N450PA1", sim_.ConfigPath(kFreighter).c_str());
  Folder(kFreighter, "Polar2");
  const std::string current = Section(kFreighter, 1);
  module::RefreshLiveryBackup();
  ProductUpdate();

  ASSERT_TRUE(module::CheckLostLiveries());
  EXPECT_EQ(host_.Press(host_.notices()[0], "Repair Liveries"), 1);
  EXPECT_EQ(Names(kFreighter)[3], "Polar Air Cargo");
  EXPECT_EQ(Section(kFreighter, 3), current);
}

TEST_F(LiveryRepairTest, AFolderDeletedByHandLeavesTheBackupAndIsNeverMentioned) {
  Fleet();
  module::RefreshLiveryBackup();
  ASSERT_TRUE(module::FolderExists(sim_.AircraftFolder(kFreighter) + "\\Texture.Nordic"));
  DeleteFileA((sim_.AircraftFolder(kFreighter) + "\\Texture.Nordic\\k50_fuse.bmp").c_str());
  RemoveDirectoryA((sim_.AircraftFolder(kFreighter) + "\\Texture.Nordic").c_str());
  module::RefreshLiveryBackup();
  EXPECT_EQ(NamesIn(ReadWholeFile(BackupFile())),
            (std::vector<std::string>{"ZELVA House Colours", "Polar Air Cargo", "Atlas"}));

  sim_.WriteConfig(kFreighter, Entry(0, "ZELVA House Colours", "House") + Entry(1, "Polar Air Cargo", "Polar") +
                                   Entry(2, "Atlas", "Atlas"));
  EXPECT_FALSE(module::CheckLostLiveries());
  EXPECT_TRUE(host_.notices().empty());
}

TEST_F(LiveryRepairTest, DeleteTexturesAsksAndRemovesTheLostLiveriesFolders) {
  Fleet();
  module::RefreshLiveryBackup();
  ProductUpdate();
  ASSERT_TRUE(module::CheckLostLiveries());
  {
    DialogAnswerer no("Are you sure?", IDNO);
    EXPECT_EQ(host_.Press(host_.notices()[0], "Delete Textures"), 0);
    EXPECT_TRUE(no.Wait());
    EXPECT_EQ(no.text(),
              "The follow texture folders will be removed:\n\nTexture.Polar, Texture.Atlas\n\n"
              "Are you sure you wish to delete these folders?");
  }
  EXPECT_TRUE(module::FolderExists(sim_.AircraftFolder(kFreighter) + "\\Texture.Polar"));
  DialogAnswerer yes("Are you sure?", IDYES);
  EXPECT_EQ(host_.Press(host_.notices()[0], "Delete Textures"), 1);
  EXPECT_TRUE(yes.Wait());
  EXPECT_FALSE(Exists(sim_.AircraftFolder(kFreighter) + "\\Texture.Polar") ||
               Exists(sim_.AircraftFolder(kFreighter) + "\\Texture.Atlas"));
  EXPECT_TRUE(Exists(sim_.AircraftFolder(kFreighter) + "\\Texture.Nordic\\k50_fuse.bmp"));
  EXPECT_EQ(NamesIn(ReadWholeFile(BackupFile())), (std::vector<std::string>{"ZELVA House Colours", "Nordic Freight"}));
}

// Ignored lost liveries keep their folders: those are no orphans at the next start either.
TEST_F(LiveryRepairTest, IgnoredLostLiveriesAreNotOfferedAgainInAnyForm) {
  Fleet();
  module::RefreshLiveryBackup();
  ProductUpdate();
  ASSERT_TRUE(module::CheckLostLiveries());
  EXPECT_EQ(host_.Press(host_.notices()[0], "Ignore"), 1);
  EXPECT_EQ(NamesIn(ReadWholeFile(BackupFile())), (std::vector<std::string>{"ZELVA House Colours", "Nordic Freight"}));

  EXPECT_FALSE(module::CheckLostLiveries());
  EXPECT_EQ(module::CheckOrphanedFolders(), 0);
  EXPECT_EQ(host_.notices().size(), 1u);
  EXPECT_EQ(Protected(1) + " " + Protected(2), "Texture.Polar Texture.Atlas");
}

TEST_F(LiveryRepairTest, AnUnknownFolderIsOfferedOnceAndIgnoringItProtectsItUntilItIsGone) {
  sim_.WriteConfig(kFreighter, Entry(0, "ZELVA House Colours", "House") + Entry(1, "Base Paint", "") +
                                   Entry(2, "Polar Air Cargo", "Polar") + Entry(3, "Long Name", kLong));
  for (const std::string& texture : {std::string("House"), std::string("Polar"), kLong, std::string("CommonF")})
    Folder(kFreighter, texture);
  std::string test = Folder(kFreighter, "Test");

  EXPECT_EQ(module::CheckOrphanedFolders(), 1);
  ASSERT_EQ(host_.notices().size(), 1u);
  const PanelRecord notice = host_.notices()[0];
  EXPECT_STREQ(notice.title, "FSX Orphaned texture folder found: ZELVA K50F");
  EXPECT_STREQ(notice.shortText, "Orphaned texture folder \"Texture.Test\" found in FSX.  Do you wish to delete it?");
  EXPECT_EQ(std::string(notice.producerData), test);
  EXPECT_STREQ(notice.producerData + test.size() + 1, kFreighter);

  EXPECT_EQ(host_.Press(notice, "Ignore"), 1);
  EXPECT_EQ(Protected(1), "Texture.Test");
  EXPECT_EQ(module::CheckOrphanedFolders(), 0);

  DeleteFileA((test + "\\k50_fuse.bmp").c_str());
  RemoveDirectoryA(test.c_str());
  EXPECT_EQ(module::CheckOrphanedFolders(), 0);
  EXPECT_EQ(Protected(1), "");
}

TEST_F(LiveryRepairTest, DeletingAnOrphanAsksAndTouchesOnlyTheFolderItWasOfferedFor) {
  sim_.WriteConfig(kFreighter, Entry(0, "ZELVA House Colours", "House"));
  Folder(kFreighter, "House");
  std::string old = Folder(kFreighter, "Old");
  ASSERT_EQ(module::CheckOrphanedFolders(), 1);
  PanelRecord forged = host_.notices()[0];
  // A record whose path leads elsewhere deletes nothing and asks nothing.
  std::string elsewhere = sim_.AircraftFolder(kFreighter) + "\\..\\Texture.Old";
  std::memset(forged.producerData, 0, sizeof(forged.producerData));
  std::strcpy(forged.producerData, elsewhere.c_str());
  std::strcpy(forged.producerData + elsewhere.size() + 1, kFreighter);
  EXPECT_EQ(host_.Press(forged, "Delete Folder"), 0);

  DialogAnswerer yes("Are you sure?", IDYES);
  EXPECT_EQ(host_.Press(host_.notices()[0], "Delete Folder"), 1);
  EXPECT_TRUE(yes.Wait());
  EXPECT_EQ(yes.text(), "Are you sure you wish to delete this folder? This cannot be undone!\n\n" + old);
  EXPECT_FALSE(Exists(old));
  EXPECT_TRUE(Exists(sim_.AircraftFolder(kFreighter) + "\\Texture.House\\k50_fuse.bmp"));
}

}  // namespace
