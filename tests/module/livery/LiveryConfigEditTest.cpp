// Insertion and ordering of livery entries in a real aircraft.cfg with the
// real profile functions and message boxes.
#include <gtest/gtest.h>

#include "DialogAnswerer.h"
#include "LiveryEntries.h"
#include "LiverySimulator.h"

using namespace std::string_literals;  // key strings hold NULs

using namespace zelva;
using namespace zelva::testing;

namespace {

constexpr int kFreighterIndex = 1;

class LiveryConfigEditTest : public ::testing::Test {
 protected:
  LiverySimulator sim_;
};

TEST_F(LiveryConfigEditTest, NewEntryLandsBehindTheLastEntryAndThePreviousFileIsKept) {
  const std::string longDescription(5000, 'x');
  const std::string original = FreighterConfig();
  std::string path = sim_.WriteConfig(kFreighter, original);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);  // cleared without asking
  const std::string keys =
      "title=K50F Sky Lease\0ui_variation=Sky Lease\0texture=SkyLease\0description="s + longDescription + "\0"s;

  EXPECT_FALSE(module::IsLiveryInstalled(kFreighterIndex, "sky lease"));  // the profile functions now know the file
  ASSERT_TRUE(module::InsertLiveryEntry(path.c_str(), 4, keys));

  size_t general = original.find("[General]");
  EXPECT_EQ(sim_.ReadConfig(kFreighter),
            original.substr(0, general) + "[fltsim.4]\r\ntitle=K50F Sky Lease\r\nui_variation=Sky Lease\r\n" +
                "texture=SkyLease\r\ndescription=" + longDescription + "\r\n\r\n" + original.substr(general));
  EXPECT_EQ(ReadWholeFile(path + "_old"), original);
  EXPECT_FALSE(Exists(path + "_new"));
  EXPECT_TRUE(module::IsLiveryInstalled(kFreighterIndex, "sky lease"));
}

TEST_F(LiveryConfigEditTest, FailedReplacementLeavesTheOriginalWhole) {
  const std::string original = FreighterConfig();
  std::string path = sim_.WriteConfig(kFreighter, original);
  {
    // Another program holds aircraft.cfg open: it may be rewritten in place, but not renamed or replaced.
    HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    DialogAnswerer answerer("Error", IDOK);
    DialogAnswerer noBackupMessage("Debug", IDOK, 3000);
    EXPECT_FALSE(module::InsertLiveryEntry(path.c_str(), 4, "title=K50F Sky Lease"));
    EXPECT_TRUE(answerer.Wait());
    EXPECT_EQ(answerer.text(), "There was an error opening aircraft.cfg!");
    EXPECT_FALSE(noBackupMessage.Wait());
    CloseHandle(holder);
  }
  EXPECT_EQ(sim_.ReadConfig(kFreighter), original);
  EXPECT_FALSE(Exists(path + "_new"));

  // A backup that cannot be deleted stops insertion before anything changes.
  std::string backup = path + "_old";
  DeleteFileA(backup.c_str());
  ASSERT_TRUE(CreateDirectoryA(backup.c_str(), nullptr));
  DialogAnswerer answerer("Error", IDOK);
  EXPECT_FALSE(module::InsertLiveryEntry(path.c_str(), 4, "title=K50F Sky Lease"));
  EXPECT_TRUE(answerer.Wait());
  EXPECT_EQ(answerer.text(), "There was an error deleting the old backup aircraft.cfg!");
  EXPECT_EQ(sim_.ReadConfig(kFreighter), original);
  RemoveDirectoryA(backup.c_str());

  // UTF-16 text would be torn apart by lines of single bytes: it stays as it is.
  const std::string wide = "\xFF\xFE[\0f\0l\0t\0s\0i\0m\0.\0\x30\0]\0\r\0\n\0"s;
  WriteWholeFile(path, wide);
  DialogAnswerer refusal("Error", IDOK);
  EXPECT_FALSE(module::InsertLiveryEntry(path.c_str(), 1, "title=K50F Sky Lease"));
  EXPECT_TRUE(refusal.Wait());
  EXPECT_EQ(refusal.text(), "There was an error opening aircraft.cfg!");
  EXPECT_EQ(sim_.ReadConfig(kFreighter), wide);
}

TEST_F(LiveryConfigEditTest, TheFileBeforeTheFirstChangeOfTheRunIsKept) {
  const std::string original = FreighterConfig();
  std::string path = sim_.WriteConfig(kFreighter, original);
  ASSERT_TRUE(module::InsertLiveryEntry(path.c_str(), 4, "title=K50F Sky Lease\0ui_variation=Sky Lease\0"s));
  module::SortLiveryEntries(kFreighterIndex);
  ASSERT_TRUE(module::InsertLiveryEntry(path.c_str(), 5, "title=K50F Alpine\0ui_variation=Alpine\0"s));
  EXPECT_EQ(ReadWholeFile(path + "_old"), original);
  EXPECT_EQ(sim_.Value(kFreighter, 5, "ui_variation"), "Alpine");
  EXPECT_EQ(sim_.Value(kFreighter, 4, "ui_variation"), "Sky Lease");
}

TEST_F(LiveryConfigEditTest, ReplacementKeepsTheEntrysOwnFilesAndNeverEmptiesIt) {
  std::string path = sim_.WriteConfig(kFreighter, FreighterConfig());
  EXPECT_EQ(module::ReplaceLiveryEntry(path.c_str(), 1,
                                       "title=K50F Polar Air Cargo\0ui_variation=Polar Air Cargo\0texture=PolarNew\0"
                                       "atc_id=N9PA\0description=Repainted\0"s,
                                       true),
            module::RewriteResult::Done);
  EXPECT_EQ(sim_.Value(kFreighter, 1, "texture"), "Polar");
  EXPECT_EQ(sim_.Value(kFreighter, 1, "atc_id"), "N450PA");
  EXPECT_EQ(sim_.Value(kFreighter, 1, "description"), "Repainted");
  EXPECT_EQ(sim_.Value(kFreighter, 2, "ui_variation"), "Nordic Freight");

  const std::string before = sim_.ReadConfig(kFreighter);
  for (const std::string& nothing : {""s, "\0"s, "no equals sign\0"s})
    EXPECT_EQ(module::ReplaceLiveryEntry(path.c_str(), 1, nothing, true), module::RewriteResult::Refused);
  EXPECT_EQ(sim_.ReadConfig(kFreighter), before);
}

TEST_F(LiveryConfigEditTest, RepairAppendsLostEntriesAndSortsInOneReplace) {
  sim_.WriteConfig(kFreighter, FreighterConfig());
  ReplaceCounter replaces;
  ASSERT_TRUE(module::AppendLiveryEntries(kFreighterIndex, {"title=K50F Zeta\0ui_variation=Zeta\0texture=Zeta\0"s,
                                                            "title=K50F Alpine\0ui_variation=Alpine\0"s}));
  EXPECT_EQ(replaces.count(), 1);
  const char* order[] = {"ZELVA House Colours", "Alpine", "Atlas", "Nordic Freight", "Polar Air Cargo", "Zeta", ""};
  for (int entry = 0; entry < 7; ++entry) EXPECT_EQ(sim_.Value(kFreighter, entry, "ui_variation"), order[entry]);
  EXPECT_EQ(sim_.Value(kFreighter, 5, "texture"), "Zeta");
}

TEST_F(LiveryConfigEditTest, SortingPutsHouseLiveriesFirstAndMovesWholeSections) {
  const std::string longDescription(5000, 'b');
  const std::string longNotes(21000, 'n');  // the section alone is longer than 20,000 characters
  sim_.WriteConfig(kFreighter, "[Version]\r\nMajor=1\r\n\r\n" +
                                   Entry(0, "b", "B", "B-1", "description=" + longDescription + "\r\n") +
                                   Entry(1, "ZELVA House Colours", "House", "H-1") +
                                   Entry(2, "A", "A", "A-1", "notes=" + longNotes + "\r\n") +
                                   "[General]\r\natc_type=ZELVA\r\n");

  module::SortLiveryEntries(kFreighterIndex);

  const char* order[] = {"ZELVA House Colours", "A", "b"};
  for (int entry = 0; entry < 3; ++entry) EXPECT_EQ(sim_.Value(kFreighter, entry, "ui_variation"), order[entry]);
  EXPECT_EQ(sim_.Value(kFreighter, 1, "atc_id"), "A-1");  // whole sections move
  const std::string file = sim_.ReadConfig(kFreighter);
  EXPECT_NE(file.find("description=" + longDescription + "\r\n"), std::string::npos);
  EXPECT_NE(file.find("notes=" + longNotes + "\r\n"), std::string::npos);
  EXPECT_NE(file.find("[General]\r\natc_type=ZELVA"), std::string::npos);
}

}  // namespace
