// The livery catalogue: reading a variant's section, merging it into a table
// that outlives the page, the server's layout, and how dates compare.
#include "LiveryCatalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "DownloaderLayout.h"
#include "DownloaderText.h"
#include "LiveryUpdate.h"
#include "ServerNames.h"

using namespace zelva::livery;

namespace {

struct Row {
  CatalogueRecord record;
  bool installed = false;
  int thumbnail = 0;
};

std::string Entry(int n, const std::string& file, const std::string& name, const std::string& date) {
  char prefix[8];
  std::snprintf(prefix, sizeof(prefix), "%03d_", n);
  return std::string(prefix) + "Filename=" + file + "\r\n" + prefix + "Name=" + name + "\r\n" + prefix +
         "Date=" + date + "\r\n";
}

TEST(LiveryCatalogue, ReadsTheVariantsSectionWithDefaultsAndRefusesNamesThatLeadElsewhere) {
  const std::string text =
      "[ZELVA K50X - ZELVA K50-200LR]\r\nCount=65540\r\n" +  // low 16 bits: 4
      Entry(0, "ZELVA K50 Sunrise.zlp", "Sunrise Air", "133000000000000000") +
      "000_Size=5242880\r\n000_ConfigRevision=3\r\n000_ConfigAccurate=1\r\n" +
      Entry(1, "..\\..\\x.dll", "Climber", "1") + Entry(2, "CON.zlp", "Device", "1") +
      Entry(3, "Polar.zlp", std::string(150, 'n'), "1") + "[ZELVA K50X - ZELVA K50F]\r\nCount=1\r\n" +
      Entry(0, "Other.zlp", "Other", "1");
  zelva::profile::Document document(text);
  CatalogueSection section = ReadCatalogueSection(document, CatalogueSectionName("ZELVA K50X", "ZELVA K50-200LR"));
  ASSERT_EQ(section.records.size(), 2u);
  const CatalogueRecord& first = section.records[0];
  EXPECT_EQ(first.fileName, "ZELVA K50 Sunrise.zlp");
  EXPECT_EQ(first.size, 5242880u);
  EXPECT_EQ(first.configRevision, 3);
  EXPECT_EQ(first.configAccurate, 1);
  EXPECT_EQ(section.records[1].configRevision, -1);  // absent
  EXPECT_EQ(section.records[1].name.size(), 99u);    // cut to its buffer
  EXPECT_EQ(section.refused, (std::vector<std::string>{"..\\..\\x.dll", "CON.zlp"}));
}

TEST(LiveryCatalogue, MergeRefreshesByFileNameAndNameKeepsStateAndStopsAt255) {
  std::vector<Row> table;
  CatalogueRecord a{"A.zlp", "Alpha", "10", 1, "", -1, 0};
  CatalogueRecord b{"B.zlp", "Beta", "10", 1, "", -1, 0};
  size_t index = 99;
  EXPECT_EQ(MergeCatalogueRecord(table, a, &index), MergeOutcome::kAppended);
  EXPECT_EQ(MergeCatalogueRecord(table, b, &index), MergeOutcome::kAppended);
  table[0].installed = true;
  table[0].thumbnail = 7;

  a.date = "20";
  a.size = 2;
  EXPECT_EQ(MergeCatalogueRecord(table, a, &index), MergeOutcome::kRefreshed);
  EXPECT_EQ(index, 0u);
  EXPECT_EQ(table[0].record.date, "20");
  EXPECT_TRUE(table[0].installed);
  EXPECT_EQ(table[0].thumbnail, 7);
  // Same file, other livery name: another entry.
  CatalogueRecord renamed = a;
  renamed.name = "alpha";
  EXPECT_EQ(MergeCatalogueRecord(table, renamed, &index), MergeOutcome::kAppended);
  EXPECT_EQ(index, 2u);

  for (int i = 0; table.size() < kCatalogueTableLimit; ++i)
    MergeCatalogueRecord(table, CatalogueRecord{"F" + std::to_string(i), "F", "1", 0, "", -1, 0}, nullptr);
  EXPECT_EQ(MergeCatalogueRecord(table, CatalogueRecord{"late.zlp", "Late", "1", 0, "", -1, 0}, &index),
            MergeOutcome::kTableFull);
  EXPECT_EQ(table.size(), 255u);
  // A known entry is still refreshed in a full table.
  EXPECT_EQ(MergeCatalogueRecord(table, b, &index), MergeOutcome::kRefreshed);
}

TEST(LiveryCatalogue, AWrittenCatalogueReadsBackEntryForEntry) {
  CatalogueVariant variant{"ZELVA K50X - ZELVA K50F", {}};
  variant.records.push_back(CatalogueRecord{"A.zlp", "Alpha = One", "133", 4000000000u, "A - Config.zlp", 7, 1});
  variant.records.push_back(CatalogueRecord{"B.zlp", "Beta", "134", 0, "", -1, 0});
  zelva::profile::Document document(CatalogueText({variant, CatalogueVariant{"Other", {variant.records[1]}}}));
  CatalogueSection read = ReadCatalogueSection(document, variant.section);
  ASSERT_EQ(read.records.size(), 2u);
  for (size_t i = 0; i < 2; ++i) {
    const CatalogueRecord &a = read.records[i], &b = variant.records[i];
    EXPECT_EQ(std::tie(a.fileName, a.name, a.date, a.size, a.config, a.configRevision, a.configAccurate),
              std::tie(b.fileName, b.name, b.date, b.size, b.config, b.configRevision, b.configAccurate));
  }
  EXPECT_EQ(ReadCatalogueSection(document, "Other").records.size(), 1u);
}

TEST(LiveryCatalogue, ServerLayout) {
  EXPECT_EQ(PackageUrl("http://h/liv", "ZELVA K50X Sunrise.zlp"), "http://h/liv/K50/ZELVA K50X Sunrise.zlp");
  EXPECT_EQ(ServerProductFolder("ZELVA T80 x.zlp"), "K30");
  EXPECT_EQ(ServerProductFolder("zelva K50 x.zlp"), "V60");  // compared exactly
  EXPECT_EQ(ServerProductFolder("ZELVA K5"), "V60");
  EXPECT_EQ(ConfigPackageName("Sunrise.v2.zlp"), "Sunrise.v2 - Config.zlp");
  EXPECT_EQ(SummaryArchiveName("Sunrise.zlp"), "Sunrise.dat");
  EXPECT_EQ(SummaryArchiveName("Sunrise"), "Sunrise.dat");
}

TEST(LiveryDates, TimesWithinTwoSecondsAreEqualAndComparedAsNumbers) {
  const uint64_t t = 133000000000000000ULL;
  EXPECT_FALSE(IsOlderFileTime(t - 19999999, std::to_string(t)));  // a cabinet's 2-second rounding
  EXPECT_TRUE(IsOlderFileTime(t - 20000001, std::to_string(t)));
  EXPECT_FALSE(IsOlderFileTime(t + 5, std::to_string(t)));
  // As text "99" > "100"; as numbers it is older.
  EXPECT_TRUE(IsOlderDate("99", "100000000"));
  EXPECT_FALSE(IsOlderDate("133000000000000000", "133000000000000000"));
  EXPECT_TRUE(IsOlderDate("", "133000000000000000"));  // no cached summary
  EXPECT_FALSE(IsOlderDate("133000000000000000", ""));
  uint64_t ticks = 0;
  EXPECT_FALSE(ParseFileTime("99999999999999999999", ticks));  // above 64 bits
  EXPECT_FALSE(ParseFileTime("12a", ticks));
}

TEST(LiveryUpdate, MissingOrOlderFilesInTheFolderTheLiveryUsesAskForAnUpdate) {
  zelva::profile::Document settings(
      "[Settings]\r\nDate=200000000\r\nConfigVersion=2\r\n[Files]\r\nCount=4\r\n"
      "File01_Name=Texture.Sunrise\\a.dds\r\nFile01_Date=100000000\r\n"
      "File02_Name=Texture.Sunrise\\b.dds\r\nFile02_Date=100000000\r\n"
      "File03_Name=Texture.Sunrise\\..\\..\\x.dll\r\nFile04_Name=C:\\x.dll\r\n");
  PackageDescription package = ReadPackageDescription(settings);
  ASSERT_EQ(package.files.size(), 2u);
  EXPECT_EQ(package.refused.size(), 2u);
  EXPECT_EQ(package.configVersion, 2);

  // Installed into a renamed folder: the local files are looked up there.
  std::vector<std::string> asked;
  LastWrite lastWrite = [&](const std::string& path, uint64_t& ticks) {
    asked.push_back(path);
    ticks = 100000000 - 10000000;  // a second older: rounding, not a change
    return path != "Texture.Sunrise_1\\b.dds";
  };
  EXPECT_EQ(FilesToFetch(package, "Sunrise_1", lastWrite), (std::vector<size_t>{1}));
  EXPECT_EQ(asked, (std::vector<std::string>{"Texture.Sunrise_1\\a.dds", "Texture.Sunrise_1\\b.dds"}));
  EXPECT_TRUE(FilesToFetch(package, "..\\up", lastWrite).empty());  // no local path from a hostile texture

  LastWrite allThere = [](const std::string&, uint64_t& ticks) {
    ticks = 100000000;
    return true;
  };
  InstalledLivery livery{"Sunrise_1", 2, 5};
  EXPECT_FALSE(NeedsUpdate(package, livery, 5, allThere));
  EXPECT_TRUE(NeedsUpdate(package, livery, 6, allThere));  // newer settings revision
  livery.settingsVersion = -1;
  EXPECT_TRUE(NeedsUpdate(package, livery, 0, allThere));  // no settings file at all
  livery.settingsVersion = 5;
  livery.zelvaVersion = 1;
  EXPECT_TRUE(NeedsUpdate(package, livery, 5, allThere));  // older entry
}

TEST(ServerNames, OnlyPlainNamesAndOneLevelTextureFilesPass) {
  for (const char* good : {"Sunrise.zlp", "ZELVA K50 Sunrise (v2).zlp", "N123AB", "a.b.c"})
    EXPECT_TRUE(IsPlainServerName(good)) << good;
  for (const char* bad : {"", "..", "...", ". .", "a\\b", "a/b", "C:x", "C:\\x", "x.zlp:stream", "CON", "nul.txt",
                          "com1.zlp", "LPT9", "a.zlp.", "a.zlp ", "a*b", "a?b", "a\tb", "\\\\server\\x"})
    EXPECT_FALSE(IsPlainServerName(bad)) << bad;

  std::string folder;
  EXPECT_TRUE(IsPackageTextureFile("texture.Sunrise\\a.dds", &folder));
  EXPECT_EQ(folder, "texture.Sunrise");
  for (const char* bad : {"Texture.A\\..\\..\\x", "Texture.A\\b\\c.dds", "Texture.\\a.dds", "Texture.A/a.dds",
                          "Other\\a.dds", "Texture.A", "\\Texture.A\\a.dds", "Texture.A\\", "Texture.A\\CON",
                          "C:\\Texture.A\\a.dds", "Texture.A:s\\a.dds"})
    EXPECT_FALSE(IsPackageTextureFile(bad)) << bad;
}

}  // namespace

namespace {

TEST(DownloaderText, RowButtonFollowsTheEntrysStateAndTheDownloadObject) {
  RowState state;
  EXPECT_STREQ(RowButtonText(state), "Download");
  EXPECT_EQ(RowButtonAction(state), RowAction::kDownload);
  state.downloading = true;
  EXPECT_STREQ(RowButtonText(state), "Downloading");
  EXPECT_EQ(RowButtonAction(state), RowAction::kNone);  // nothing to abort yet
  state.hasDownload = true;
  const char* texts[] = {"Starting", "Queued", "Downloading", "Installing", "Downloading", "Downloading", "Downloading"};
  for (uint8_t s = 0; s < 7; ++s) {
    state.downloadState = s;
    EXPECT_STREQ(RowButtonText(state), texts[s]);
    EXPECT_EQ(RowShowsProgress(state), s == 2 || s == 6);
  }
  EXPECT_EQ(RowButtonAction(state), RowAction::kAbort);
  state = RowState{};
  state.installed = true;
  EXPECT_STREQ(RowButtonText(state), "Installed!");
  EXPECT_EQ(RowButtonAction(state), RowAction::kNone);
  state.updateAvailable = true;
  EXPECT_STREQ(RowButtonText(state), "Update");
  EXPECT_EQ(RowButtonAction(state), RowAction::kUpdate);
}

TEST(DownloaderText, SizesAndFileProgress) {
  EXPECT_EQ(SizeText(5 * 1048576 + 524288), "5.5 MB");
  EXPECT_EQ(SizeText(0), "0.0 MB");
  EXPECT_EQ(FileProgressText("http://h/a.zlp", 1023 * 1024), "Downloading file: http://h/a.zlp (1023KB)...");
  EXPECT_EQ(FileProgressText("u", 1024 * 1024 + 512 * 1024), "Downloading file: u (1.50MB)...");
}

}  // namespace

namespace {

TEST(DownloaderLayout, CollapsedGroupsHideTheirRowsAndEmptyOnesSaySo) {
  std::vector<LayoutItem> items = LayOutGroups({{0, 2, false}, {1, 0, false}, {2, 3, true}}, 20, 60);
  ASSERT_EQ(items.size(), 6u);  // header, 2 rows, header, empty line, header
  EXPECT_EQ(items[2].kind, ItemKind::kRow);
  EXPECT_EQ(items[2].row, 1);
  EXPECT_EQ(items[2].top, 80);
  EXPECT_EQ(items[4].kind, ItemKind::kEmpty);
  EXPECT_EQ(items[5].variant, 2);
  EXPECT_EQ(ContentHeight(items), 20 + 120 + 20 + 30 + 20);
  EXPECT_EQ(ItemAt(items, 79)->row, 0);
  EXPECT_EQ(ItemAt(items, 80)->row, 1);
  EXPECT_EQ(ItemAt(items, ContentHeight(items)), nullptr);
  EXPECT_EQ(ItemAt(items, -1), nullptr);
}

}  // namespace
