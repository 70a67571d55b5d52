// Sorting a large fleet: the same entries in the same order as the sort that
// wrote each moved entry back through the profile functions.
#include <gtest/gtest.h>

#include <algorithm>
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

std::string Folded(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return text;
}

// The lines of a file that are no part of an entry's header and keys: the
// other sections, stale copies, and the blank and comment lines that close
// each entry's section.
std::string AllButEntries(const std::string& text, int entries) {
  std::vector<std::string> lines;
  for (size_t at = 0; at < text.size();) {
    size_t end = text.find('\n', at);
    end = end == std::string::npos ? text.size() : end + 1;
    lines.push_back(text.substr(at, end - at));
    at = end;
  }
  auto trimmed = [](const std::string& line) {
    size_t first = line.find_first_not_of(" \t\r\n");
    return first == std::string::npos ? std::string() : line.substr(first, line.find_last_not_of(" \t\r\n") - first + 1);
  };
  std::vector<bool> seen(size_t(entries), false);
  std::string kept;
  for (size_t i = 0; i < lines.size();) {
    std::string header = trimmed(lines[i]);
    size_t close = header.find(']');
    int entry = -1;
    if (header.rfind("[", 0) == 0 && close != std::string::npos &&
        Folded(header.substr(0, 8)) == "[fltsim." && header.find_first_not_of("0123456789", 8) == close)
      entry = std::stoi(header.substr(8, close - 8));
    size_t end = i + 1;
    while (end < lines.size() && trimmed(lines[end]).rfind("[", 0) != 0) ++end;
    size_t keys = end;
    bool isEntry = entry >= 0 && entry < entries && !seen[size_t(entry)];
    if (isEntry) {
      seen[size_t(entry)] = true;
      while (keys > i + 1 && (trimmed(lines[keys - 1]).empty() || trimmed(lines[keys - 1])[0] == ';')) --keys;
    }
    for (size_t line = isEntry ? keys : i; line < end; ++line) kept += lines[line];
    kept += isEntry ? "<entry>\n" : "";
    i = end;
  }
  return kept;
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

TEST_F(LiverySortTest, AFleetOf1000SortsHouseFirstThenByNameAndLeavesEverythingElse) {
  const int entries = 1000;
  const std::string original = LargeFleetConfig(entries);
  std::string path = sim_.WriteConfig(kFreighter, original);
  std::vector<std::string> names, sections;
  for (int entry = 0; entry < entries; ++entry) {
    names.push_back(module::ReadProfileValue(path.c_str(), EntryName(entry).c_str(), "ui_variation", 100));
    sections.push_back(module::ReadProfileSection(path.c_str(), EntryName(entry).c_str()));
  }
  // House liveries first, then by name without regard to case; equal names keep their order.
  std::vector<int> expected(static_cast<size_t>(entries));
  for (int entry = 0; entry < entries; ++entry) expected[size_t(entry)] = entry;
  std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
    bool houseA = names[size_t(a)].find("ZELVA House") != std::string::npos;
    bool houseB = names[size_t(b)].find("ZELVA House") != std::string::npos;
    if (houseA != houseB) return houseA;
    return Folded(names[size_t(a)]) < Folded(names[size_t(b)]);
  });

  ReplaceCounter replaces;
  module::SortLiveryEntries(kFreighterIndex);

  EXPECT_EQ(replaces.count(), 1);
  for (int entry = 0; entry < entries; ++entry)
    ASSERT_EQ(module::ReadProfileSection(path.c_str(), EntryName(entry).c_str()), sections[size_t(expected[size_t(entry)])])
        << "entry " << entry;
  EXPECT_EQ(module::ReadProfileValue(path.c_str(), EntryName(entries).c_str(), "ui_variation", 100), "");
  const std::string sorted = sim_.ReadConfig(kFreighter);
  EXPECT_EQ(AllButEntries(sorted, entries), AllButEntries(original, entries));
  EXPECT_EQ(ReadWholeFile(path + "_old"), original);
  EXPECT_FALSE(Exists(path + "_new"));
}

}  // namespace
