// The livery backup file's layout, read and written, and what a damaged file
// still gives.
#include "LiveryBackupFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LiveryNames.h"

using namespace zelva::livery;
using namespace std::string_literals;

namespace {

LiveryBackupRecord Record(const std::string& name, const std::string& texture, const std::string& section) {
  return {"ZELVA K50F", name, texture, section};
}

// The layout spelt out byte by byte, apart from the module's writer.
std::string Spelt(const LiveryBackupRecord& r) {
  std::string bytes;
  for (const std::string* text : {&r.folder, &r.name, &r.texture}) {
    bytes += char(text->size() + 1);
    bytes += *text + '\0';
  }
  uint32_t m = uint32_t(r.section.size() + 1);
  bytes += std::string{char(m & 0xFF), char((m >> 8) & 0xFF), char((m >> 16) & 0xFF), char(m >> 24)};
  return bytes + r.section + '\0';
}

bool operator==(const LiveryBackupRecord& a, const LiveryBackupRecord& b) {
  return a.folder == b.folder && a.name == b.name && a.texture == b.texture && a.section == b.section;
}

const LiveryBackupRecord kPolar = Record("Polar Air Cargo", "Polar", "title=K50F Polar\0texture=Polar\0"s);
const LiveryBackupRecord kNordic = Record("Nordic", "Nordic", std::string(70000, 'x').substr(0, 29990) + "\0"s);

TEST(LiveryBackupFile, WritesTheLayoutAndReadsItBack) {
  const std::string bytes = SerializeLiveryBackup({kPolar, kNordic});
  EXPECT_EQ(bytes, Spelt(kPolar) + Spelt(kNordic));
  std::vector<LiveryBackupRecord> read = ParseLiveryBackup(bytes);
  ASSERT_EQ(read.size(), 2u);
  EXPECT_TRUE(read[0] == kPolar && read[1] == kNordic);

  // A record that cannot be written whole is left out, not cut.
  LiveryBackupRecord longTexture = Record("Long", std::string(50, 't'), "a=b\0"s);
  LiveryBackupRecord longSection = Record("Wide", "W", std::string(30000, 's') + "\0"s);
  EXPECT_EQ(SerializeLiveryBackup({longTexture, kPolar, longSection}), Spelt(kPolar));
  EXPECT_TRUE(FitsLiveryBackup(Record(std::string(99, 'n'), std::string(49, 't'), std::string(30000, 's'))));
}

TEST(LiveryBackupFile, ADamagedFileGivesTheWholeRecordsBeforeTheDamage) {
  const std::string good = Spelt(kPolar) + Spelt(kNordic);
  // Cut anywhere inside the second record: the first alone.
  for (size_t cut = Spelt(kPolar).size() + 1; cut < good.size(); cut += 997)
    EXPECT_EQ(ParseLiveryBackup(good.substr(0, cut)).size(), 1u) << cut;
  EXPECT_EQ(ParseLiveryBackup(good.substr(0, good.size() - 1)).size(), 1u);

  auto withSecond = [&](std::string second) { return ParseLiveryBackup(Spelt(kPolar) + second + Spelt(kPolar)).size(); };
  std::string record = Spelt(kNordic);
  const size_t n2At = 1 + kNordic.folder.size() + 1, n3At = n2At + 1 + kNordic.name.size() + 1;
  const size_t mAt = n3At + 1 + kNordic.texture.size() + 1;
  auto changed = [&](size_t at, std::string bytes) { return std::string(record).replace(at, bytes.size(), bytes); };
  EXPECT_EQ(withSecond(record), 3u);
  EXPECT_EQ(withSecond(changed(0, "\x33")), 1u);              // n1 of 51
  EXPECT_EQ(withSecond(changed(n2At, "\x65")), 1u);           // n2 of 101
  EXPECT_EQ(withSecond(changed(n3At, "\x33")), 1u);           // n3 of 51
  EXPECT_EQ(withSecond(changed(0, "\x00"s)), 1u);             // no room for a terminator
  EXPECT_EQ(withSecond(changed(mAt, "\x32\x75\x00\x00"s)), 1u);  // m of 30,002
  EXPECT_EQ(withSecond(changed(mAt, "\xff\xff\xff\x7f"s)), 1u);  // m beyond the file
  EXPECT_EQ(withSecond(changed(1 + kNordic.folder.size(), "x")), 1u);  // folder name without its NUL
  EXPECT_EQ(withSecond(changed(record.size() - 1, "x")), 1u);          // section without its NUL
  // An m that still fits the file but takes the next record's bytes leaves nothing whole behind it.
  EXPECT_EQ(ParseLiveryBackup(changed(mAt, "\x00\x01\x00\x00"s) + Spelt(kPolar)).size(), 0u);
  EXPECT_EQ(ParseLiveryBackup(good, 1).size(), 1u);
}

TEST(LiveryBackupFile, RefreshTakesEachEntryAsItStandsAndKeepsTheLostOnes) {
  std::vector<LiveryBackupRecord> records = {kPolar, kNordic};
  LiveryBackupRecord moved = Record("POLAR air cargo", "Polar2", "title=K50F Polar\0texture=Polar2\0atc_id=N2\0"s);
  LiveryBackupRecord fresh = Record("Atlas", "Atlas", "title=K50F Atlas\0"s);
  MergeCurrentEntries(records, {moved, fresh});
  ASSERT_EQ(records.size(), 3u);
  EXPECT_TRUE(records[0] == moved);
  EXPECT_TRUE(records[1] == kNordic);  // gone from aircraft.cfg: kept for a repair
  EXPECT_TRUE(records[2] == fresh);
  // The same name in another variant is another livery.
  LiveryBackupRecord other = kPolar;
  other.folder = "ZELVA K50-200LR";
  MergeCurrentEntries(records, {other});
  EXPECT_EQ(records.size(), 4u);
}

TEST(LiveryNames, EveryEntrySectionCountsGapsAndOrderAside) {
  const std::string cfg =
      "[fltsim.0]\r\nui_variation = \"Polar\"\r\n[General]\r\nui_variation=General\r\n"
      "[fltsim.5]\r\ntitle=x\r\nui_variation=Nordic\r\n[FLTSIM.2]\r\nui_variation=Atlas\r\n"
      "[fltsim.3]\r\ntitle=no name\r\n[fltsim.0]\r\nui_variation=Shadowed\r\n";
  EXPECT_EQ(DisplayNamesOfAllEntries(cfg), (std::vector<std::string>{"Polar", "Nordic", "Atlas"}));
}

}  // namespace
