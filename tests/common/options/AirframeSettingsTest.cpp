// The model of one settings file: what it keeps, and which changes a save writes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AirframeSettings.h"
#include "K50Rules.h"

using namespace zelva::options;

namespace {

RawSection Section(std::string name, std::vector<std::string> lines) {
  RawSection section{std::move(name), {}};
  for (const std::string& line : lines) section.lines += line + '\0';
  return section;
}

std::vector<std::string> Keys(const SettingsSection& section) {
  std::vector<std::string> keys;
  for (const SettingsEntry& entry : section.entries) keys.push_back(entry.key);
  return keys;
}

TEST(AirframeSettingsModelTest, KeepsEditableEntriesAndLeavesHiddenOnesAndFailuresOut) {
  AirframeSettings model;
  const std::string longValue(200, 'v');
  model.Build("C:\\FSX\\ZELVA\\ZELVA K50X\\Aircraft\\N12.ini",
              {Section("Version", {"Version=3", "AccurateOptions=1"}),
               Section("FMS", {"DefaultAccelHeight=1000", "comment without equals", "=orphan", "DragCorrection=2",
                               "Remark=" + longValue, "defaultaccelheight=1500", "DefaultReductionAlt=1"}),
               Section("failure items", {"Engine1=0"}), Section("fms", {"CompanySpeed=300"}),
               Section("VERSION", {"Build=1207"})});
  EXPECT_EQ(model.fileName(), "N12.ini");
  ASSERT_EQ(model.sections().size(), 2u);
  const SettingsSection& fms = model.sections()[0];
  EXPECT_EQ(fms.name, "FMS");
  EXPECT_TRUE(fms.shown);
  EXPECT_EQ(Keys(fms), (std::vector<std::string>{"DefaultAccelHeight", "Remark", "DefaultReductionAlt"}));
  EXPECT_EQ(fms.entries[1].value, longValue);
  EXPECT_EQ(fms.entries[1].row, kNoCatalogueRow);
  EXPECT_EQ(fms.entries[2].row, FindOption("FMS", "DefaultReductionAlt"));
  // A version section with entries of its own is kept for the file, not shown.
  EXPECT_EQ(model.sections()[1].name, "VERSION");
  EXPECT_FALSE(model.sections()[1].shown);
  EXPECT_FALSE(model.HasChanges());
}

TEST(AirframeSettingsModelTest, OnlyValuesTheUserChangedAreWrittenAndLongOnesStayWhole) {
  AirframeSettings model;
  const std::string longValue(120, 'x');
  model.Build("N12.ini", {Section("FMS", {"Remark=" + longValue, "DefaultAccelHeight=1000", "CompanySpeed=300"})});
  ASSERT_TRUE(model.SetValue(0, 1, "1500"));
  ASSERT_TRUE(model.SetValue(0, 2, "300"));  // taken, but no change
  EXPECT_FALSE(model.SetValue(0, 3, "1"));
  EXPECT_FALSE(model.SetValue(1, 0, "1"));
  std::vector<EntryPosition> changes = model.Changes();
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].entry, 1u);
  EXPECT_EQ(model.Find(0, 0)->value, longValue);

  model.MarkWritten(changes[0]);
  EXPECT_FALSE(model.HasChanges());
  // Changed and changed back is no change.
  model.SetValue(0, 1, "2000");
  model.SetValue(0, 1, "1500");
  EXPECT_FALSE(model.HasChanges());
}

TEST(AirframeSettingsModelTest, ShowsWhatFitsTheLimitsAndTheRowsOfTheVariant) {
  std::vector<RawSection> file;
  std::vector<std::string> many;
  for (int i = 0; i < 120; ++i) many.push_back("Key" + std::to_string(i) + "=" + std::to_string(i));
  file.push_back(Section("Many", many));
  for (int i = 0; i < 40; ++i) file.push_back(Section("Section" + std::to_string(i), {"A=1"}));
  AirframeSettings model;
  model.Build("big.ini", file);
  ASSERT_EQ(model.sections().size(), kMaxSections);
  EXPECT_EQ(model.sections()[0].entries.size(), kMaxEntries);
  EXPECT_EQ(model.sections().back().name, "Section28");

  const RawSection airframe = Section("Airframe", {"APUtoPack=1", "TailskidInstalled=0", "SatcomAntenna=2"});
  AdjustCatalogueForVariant(kK50_300Er);
  model.Build("er.ini", {airframe});
  EXPECT_EQ(Keys(model.sections()[0]), (std::vector<std::string>{"TailskidInstalled", "SatcomAntenna"}));
  AdjustCatalogueForVariant(kK50F);
  model.Build("f.ini", {airframe});
  EXPECT_EQ(Keys(model.sections()[0]), (std::vector<std::string>{"APUtoPack"}));
  AdjustCatalogueForVariant(kK50_200Lr);
}

}  // namespace
