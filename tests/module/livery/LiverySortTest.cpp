// Sorting a large fleet: the same entries in the same order as the sort that
// wrote each moved entry back through the profile functions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LargeFleet.h"
#include "LiveryEntries.h"
#include "LiveryOrder.h"
#include "LiverySimulator.h"
#include "ProfileSection.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

constexpr int kFreighterIndex = 1;

std::string EntryName(int entry) { return "fltsim." + std::to_string(entry); }

// The module's sort before aircraft.cfg was rewritten in one replace: every
// entry read with the profile functions, every moved one written back with
// WritePrivateProfileSectionA. Kept as the reference the rewrite must match.
void SortWithProfileFunctions(const std::string& path) {
  std::vector<std::string> names, sections;
  for (int entry = 0;; ++entry) {
    std::string section = EntryName(entry);
    if (module::ReadProfileValue(path.c_str(), section.c_str(), "ui_variation", 10).empty()) break;
    names.push_back(module::ReadProfileValue(path.c_str(), section.c_str(), "ui_variation", 100));
    sections.push_back(module::ReadProfileSection(path.c_str(), section.c_str()));
  }
  std::vector<int> order = livery::OrderLiveries(names);
  for (size_t i = 0; i < order.size(); ++i) {
    if (order[i] == int(i)) continue;
    ASSERT_TRUE(WritePrivateProfileSectionA(EntryName(int(i)).c_str(), sections[size_t(order[i])].c_str(),
                                            path.c_str()));
  }
}

// What the profile functions read: every entry up to the first without a
// name, and the sections that are no entries.
std::vector<std::string> Visible(const std::string& path, int entries) {
  std::vector<std::string> seen;
  for (int entry = 0;; ++entry) {
    std::string section = EntryName(entry);
    if (module::ReadProfileValue(path.c_str(), section.c_str(), "ui_variation", 10).empty()) break;
    seen.push_back(module::ReadProfileSection(path.c_str(), section.c_str()));
  }
  for (const std::string& other : LargeFleetOtherSections(entries))
    seen.push_back("[" + other + "] " + module::ReadProfileSection(path.c_str(), other.c_str()));
  return seen;
}

class LiverySortTest : public ::testing::Test {
 protected:
  LiverySimulator sim_;
};

TEST_F(LiverySortTest, AFleetOf300SortsAsTheProfileFunctionsSortedIt) {
  const int entries = 300;
  const std::string original = LargeFleetConfig(entries);
  std::string path = sim_.WriteConfig(kFreighter, original);
  std::string reference = sim_.AircraftFolder(kFreighter) + "\\reference.cfg";
  WriteWholeFile(reference, original);
  const std::vector<std::string> before = Visible(path, entries);
  ASSERT_EQ(before.size(), size_t(entries) + LargeFleetOtherSections(entries).size());

  SortWithProfileFunctions(reference);
  module::SortLiveryEntries(kFreighterIndex);

  const std::vector<std::string> expected = Visible(reference, entries), sorted = Visible(path, entries);
  ASSERT_EQ(sorted.size(), expected.size());
  for (size_t i = 0; i < sorted.size(); ++i) EXPECT_EQ(sorted[i], expected[i]) << "section " << i;
  EXPECT_NE(sorted, before);
  EXPECT_EQ(module::ReadProfileValue(path.c_str(), "fltsim.0", "ui_variation", 100), "ZELVA House Colours");
}

}  // namespace
