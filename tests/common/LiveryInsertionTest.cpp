// Where a new livery entry lands in the text of an aircraft.cfg.
#include "LiveryInsertion.h"

#include <gtest/gtest.h>

#include <string>

using zelva::livery::InsertEntrySection;
using zelva::livery::IsEntryHeader;

namespace {

const std::string kKeys("title=K50F Nordic\0ui_variation=Nordic\0texture=Nordic\0", 54);

TEST(LiveryInsertion, NewEntryGoesBehindTheLastOneAndBeforeTheSectionThatFollowed) {
  const std::string description(5000, 'd');
  const std::string head =
      "[Version]\r\nMajor=1\r\n\r\n"
      "; liveries\r\n"
      "[fltsim.0]\r\ntitle=A\r\ndescription=" + description + "\r\n\r\n"
      "  [FLTSIM.1]   ; freight  \r\ntitle=B\r\n";
  const std::string tail = "[General]\r\natc_type=ZELVA\r\n\r\n[fuel]\r\nCenter1 = -4.5, 0, 0, 9000, 0\r\n";
  EXPECT_EQ(InsertEntrySection(head + tail, 2, kKeys),
            head + "[fltsim.2]\r\ntitle=K50F Nordic\r\nui_variation=Nordic\r\ntexture=Nordic\r\n\r\n" + tail);
}

TEST(LiveryInsertion, WithoutAFollowingSectionOrAPreviousEntryTheEntryEndsTheFile) {
  // Entry 3 is missing, so nothing marks the place for entry 4.
  EXPECT_EQ(InsertEntrySection("[fltsim.0]\r\ntitle=A\r\n[fuel]\r\nx=1\r\n", 4, "title=N"),
            "[fltsim.0]\r\ntitle=A\r\n[fuel]\r\nx=1\r\n[fltsim.4]\r\ntitle=N\r\n\r\n");
}

TEST(LiveryInsertion, LinesEndWithCrLfAfterwardsAndKeysMaySitOnLines) {
  EXPECT_EQ(InsertEntrySection("[fltsim.0]\ntitle=A\n[General]\nx=1", 1, "title=N\r\n\r\nui_variation=N\n"),
            "[fltsim.0]\r\ntitle=A\r\n[fltsim.1]\r\ntitle=N\r\nui_variation=N\r\n\r\n[General]\r\nx=1\r\n");
}

TEST(LiveryInsertion, HeaderIsKnownByItsNameAlone) {
  EXPECT_TRUE(IsEntryHeader("[fltsim.3]", 3));
  EXPECT_TRUE(IsEntryHeader(" \t[FltSim.3] ; comment", 3));
  EXPECT_FALSE(IsEntryHeader("[fltsim.30]", 3));
  EXPECT_FALSE(IsEntryHeader("; [fltsim.3]", 3));
}

}  // namespace
