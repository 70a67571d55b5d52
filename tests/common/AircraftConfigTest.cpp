// Edits of the livery entries of an aircraft.cfg in memory: what moves, what
// stays byte for byte, and the steps the sort reports.
#include "AircraftConfig.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LiveryOrder.h"

using zelva::livery::AircraftConfig;
using namespace std::string_literals;

namespace {

const std::string kKeys("title=K50F Nordic\0ui_variation=Nordic\0texture=Nordic\0", 54);

std::string Entry(int entry, const std::string& name) {
  return "[fltsim." + std::to_string(entry) + "]\r\ntitle=K50F " + name + "\r\nui_variation=" + name + "\r\n";
}

std::vector<std::string> Names(const AircraftConfig& config) {
  std::vector<std::string> names;
  for (int entry = 0; entry < config.CountEntries(); ++entry) names.push_back(config.Value(entry, "ui_variation", 100));
  return names;
}

TEST(AircraftConfig, NewEntryGoesBehindTheLastOneAndBeforeTheSectionThatFollowed) {
  const std::string head = "[Version]\r\nMajor=1\r\n\r\n; liveries\r\n[fltsim.0]\r\ntitle=A\r\ndescription=" +
                           std::string(5000, 'd') + "\r\n\r\n  [FLTSIM.1]   ; freight  \r\ntitle=B\r\n";
  const std::string tail = "[General]\r\natc_type=ZELVA\r\n\r\n[fuel]\r\nCenter1 = -4.5, 0, 0, 9000, 0\r\n";
  AircraftConfig config(head + tail);
  config.InsertEntry(2, kKeys);
  EXPECT_EQ(config.Text(),
            head + "[fltsim.2]\r\ntitle=K50F Nordic\r\nui_variation=Nordic\r\ntexture=Nordic\r\n\r\n" + tail);

  // Without entry 3 nothing marks the place for entry 4; a last line without a break gets one first.
  AircraftConfig gap("[fltsim.0]\r\ntitle=A\r\n[fuel]\r\nx=1");
  gap.InsertEntry(4, "title=N");
  EXPECT_EQ(gap.Text(), "[fltsim.0]\r\ntitle=A\r\n[fuel]\r\nx=1\r\n[fltsim.4]\r\ntitle=N\r\n\r\n");

  // New lines take the file's own line break; key strings may come as lines.
  AircraftConfig unix("[fltsim.0]\ntitle=A\n[General]\nx=1");
  unix.InsertEntry(1, "title=N\r\n\r\nui_variation=N\n");
  EXPECT_EQ(unix.Text(), "[fltsim.0]\ntitle=A\n[fltsim.1]\ntitle=N\nui_variation=N\n\n[General]\nx=1");
}

TEST(AircraftConfig, SortingMovesEntriesWholeAndLeavesEverythingElseInPlace) {
  AircraftConfig config(
      "; fleet\r\n[FLTSIM.0] ; old paint\r\ntitle=K50F b\r\n; repainted\r\nui_variation=b\r\n\r\n; -- cargo --\r\n"
      "[General]\r\natc_type = ZELVA \r\n\r\n"
      "  [fltsim.1]\r\ntitle=K50F ZELVA House Colours\r\nui_variation = \"ZELVA House Colours\"\r\n\r\n\r\n"
      "[fltsim.2]\ntitle=K50F A\nui_variation=A");
  ASSERT_TRUE(zelva::livery::SortEntries(config));
  EXPECT_EQ(config.Text(),
            "; fleet\r\n"
            "  [fltsim.0]\r\ntitle=K50F ZELVA House Colours\r\nui_variation = \"ZELVA House Colours\"\r\n"
            "\r\n; -- cargo --\r\n[General]\r\natc_type = ZELVA \r\n\r\n"
            "[fltsim.1]\ntitle=K50F A\nui_variation=A\r\n"
            "\r\n\r\n"
            "[FLTSIM.2] ; old paint\r\ntitle=K50F b\r\n; repainted\r\nui_variation=b\r\n");
  EXPECT_FALSE(zelva::livery::SortEntries(config));
}

TEST(AircraftConfig, SortingReportsEveryStepItAlwaysReported) {
  AircraftConfig config(Entry(0, "b") + Entry(1, "a"));
  std::string log;
  zelva::livery::SortEntries(config, [](void* context, const char* format, int value) {
    char line[128];
    std::snprintf(line, sizeof(line), format, value);
    *static_cast<std::string*>(context) += line;
  }, &log);
  std::string counting;
  for (int entry = 0; entry < 3; ++entry) {
    counting += "\nchar szFltSim[12]\n\nfltsim." + std::to_string(entry) + "\n\nchar szTitle[10]\n\nui_variation\n";
    counting += entry < 2 ? "Counted livery: fltsim." + std::to_string(entry) + "\n" : "";
  }
  EXPECT_EQ(log, "\nsCount=0\n" + counting + "Stopped Counting because nothing at livery: fltsim.2\n"
                 "\nSpace allocated to store livery data\n"
                 "scanned livery: fltsim.0\nSort List step for : fltsim.0\n"
                 "scanned livery: fltsim.1\nSort List step for : fltsim.1\n"
                 "Livery 0 was second and should be first\nsorting 0 \nFinished sorting 0 \n"
                 "printing 0 to the config file.\nprinting 1 to the config file.\n");
}

TEST(AircraftConfig, RemovingClosesTheGapAndNoStaleCopyTakesAPlace) {
  AircraftConfig config(Entry(0, "A") + Entry(1, "B") + "; between\r\n" + Entry(2, "C") + "[General]\r\nx=1\r\n" +
                        Entry(3, "D") + "[fltsim.4]\r\ntitle=K50F no name yet\r\n" +
                        "[fltsim.4]\r\nui_variation=stale copy\r\n[fltsim.2]\r\nui_variation=stale too\r\n" +
                        Entry(6, "beyond the gap"));
  config.RemoveEntry(1);
  EXPECT_EQ(Names(config), (std::vector<std::string>{"A", "C", "D"}));
  EXPECT_EQ(config.SectionText(3), "title=K50F no name yet\0"s);  // it has keys, so it moved down too
  EXPECT_EQ(config.SectionText(4), "");
  EXPECT_EQ(config.Value(6, "ui_variation", 100), "beyond the gap");
  EXPECT_EQ(config.Text(), Entry(0, "A") + "; between\r\n" + Entry(1, "C") + "[General]\r\nx=1\r\n" + Entry(2, "D") +
                               "[fltsim.3]\r\ntitle=K50F no name yet\r\n" + Entry(6, "beyond the gap"));
}

TEST(AircraftConfig, RemovingFiveOf300LeavesTheRestInOrderWithoutAGap) {
  std::string text = "[General]\r\nx=1\r\n\r\n";
  for (int entry = 0; entry < 300; ++entry) text += Entry(entry, "L" + std::to_string(entry)) + "\r\n";
  AircraftConfig config(text + "[fuel]\r\nfuel_type=2\r\n");
  for (int entry : {299, 151, 150, 77, 3}) config.RemoveEntry(entry);
  std::vector<std::string> expected;
  for (int entry = 0; entry < 300; ++entry)
    if (entry != 3 && entry != 77 && entry != 150 && entry != 151 && entry != 299) expected.push_back("L" + std::to_string(entry));
  EXPECT_EQ(Names(config), expected);
  EXPECT_EQ(config.SectionText(295), "");
  const std::string after = config.Text(), end = "ui_variation=L298\r\n\r\n[fuel]\r\nfuel_type=2\r\n";
  EXPECT_EQ(after.substr(0, 18), "[General]\r\nx=1\r\n\r\n");
  EXPECT_EQ(after.substr(after.size() - end.size()), end);
}

TEST(AircraftConfig, ReplacementKeepsTheLocalTextureAndRegistration) {
  AircraftConfig config("  [fltsim.0] ; mine\r\ntitle=K50F A\r\ntexture=Renamed\r\natc_id = N1X\r\nold=1\r\n\r\n; end\r\n"
                        "[fltsim.1]\r\ntitle=K50F B\r\n");
  config.ReplaceEntry(0, "title=K50F A\0texture=A\0description=new\0bare\0atc_id=N1\0atc_id=N2\0"s,
                      {"texture", "atc_id"});
  EXPECT_EQ(config.Text(), "  [fltsim.0] ; mine\r\ntitle=K50F A\r\ntexture=Renamed\r\ndescription=new\r\n"
                           "atc_id = N1X\r\n\r\n; end\r\n[fltsim.1]\r\ntitle=K50F B\r\n");
  config.ReplaceEntry(1, "title=K50F B2\0texture=B\0"s, {"atc_id"});  // it had no registration: it gets none
  EXPECT_EQ(config.SectionText(1), "title=K50F B2\0texture=B\0"s);
}

TEST(AircraftConfig, Utf16TextIsLeftAlone) {
  const std::string wide("\xFF\xFE[\0f\0]\0"s);
  AircraftConfig config(wide);
  EXPECT_FALSE(config.rewritable());
  EXPECT_EQ(config.CountEntries(), 0);
  EXPECT_EQ(config.Text(), wide);
}

}  // namespace
