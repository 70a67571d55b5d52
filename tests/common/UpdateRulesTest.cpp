// The rules of self-update and product versions that need no platform:
// version order, stamp order, names from the update list and from updater URLs.
#include <gtest/gtest.h>

#include "UpdateList.h"
#include "UpdaterName.h"
#include "VersionCompare.h"

namespace zelva::update {
namespace {

TEST(VersionCompare, PartsCompareAsNumbersThenText) {
  struct Case {
    const char* older;
    const char* newer;
  };
  for (Case c : {Case{"1.9", "1.10"}, {"1.4.2", "1.4.10"}, {"1.4", "1.4.1"}, {"0.9.9", "1.0"}, {"2.0", "2.0b"},
                 {"2.0a", "2.0B"}, {"1.4.beta", "1.4"}, {"", "0.1"}, {"9.99999999999999999999", "10"},
                 {"1.00000000000000000000009", "1.10"}}) {
    EXPECT_LT(CompareVersions(c.older, c.newer), 0) << c.older << " < " << c.newer;
    EXPECT_GT(CompareVersions(c.newer, c.older), 0) << c.newer << " > " << c.older;
  }
  for (auto [a, b] : {std::pair{"1.4.2", "1.4.2"}, {"1.4", "1.4.0"}, {"1.04", "1.4"}, {"1.4.2B", "1.4.2b"},
                      {nullptr, ""}, {"1.4.", "1.4"}})
    EXPECT_EQ(CompareVersions(a, b), 0) << (a ? a : "null") << " = " << b;

  EXPECT_FALSE(IsUpToDate("1.9", "1.10"));
  EXPECT_TRUE(IsUpToDate("1.10", "1.9"));  // no downgrade offered
  EXPECT_TRUE(IsUpToDate("1.10", "1.10"));
}

TEST(UpdateList, StampsCompareAsNumbersAndAMissingFileComesFirst) {
  EXPECT_LT(CompareStamps("", "133000000000000000"), 0);
  EXPECT_EQ(CompareStamps("133000000000000000", "133000000000000000"), 0);
  EXPECT_LT(CompareStamps("99", "100"), 0);  // as numbers, not as text
  EXPECT_GT(CompareStamps("133000000000000001", "0133000000000000000"), 0);
  EXPECT_LT(CompareStamps("abc", "abd"), 0);
}

TEST(UpdateList, ListedNamesStayInTheProgramFolder) {
  for (const char16_t* good : {u"ZELVA Hangardesk.exe", u"Docs\\Manual.pdf", u"Docs/Manual.pdf", u"a..b.txt"})
    EXPECT_TRUE(IsSafeListedName(good));
  for (const char16_t* bad : {u"", u"..\\..\\x", u"Docs\\..\\..\\x", u"C:\\x", u"\\x", u"/x", u"x:stream", u"...\\x",
                              u"a\\\\b", u".\\a", u"a\\.", u"Docs\\", u"CON", u"Docs\\nul.txt", u"a\tb",
                              u"a-name-that-is-longer-than-the-list-keeps.exe"})
    EXPECT_FALSE(IsSafeListedName(bad));
}

TEST(UpdateList, FormatsOneSectionPerFileInOrder) {
  std::string text = FormatUpdateList({{133000000000000000ull, "ZELVA Hangardesk.exe", "0123456789abcdef0123456789abcdef"},
                                       {5, "Docs\\Manual.pdf", "ffffffffffffffffffffffffffffffff"}});
  EXPECT_EQ(text,
            "[File 0]\r\nFile_Date=133000000000000000\r\nFile_Name=ZELVA Hangardesk.exe\r\n"
            "Checksum=0123456789abcdef0123456789abcdef\r\n"
            "[File 1]\r\nFile_Date=5\r\nFile_Name=Docs\\Manual.pdf\r\nChecksum=ffffffffffffffffffffffffffffffff\r\n");
}

TEST(UpdaterName, OnlyPlainFileNamesAreTakenFromTheUrl) {
  std::string name;
  EXPECT_EQ(UpdaterNameFromUrl("http://maker.test/updates/K50X_Update_1.5.exe", name), UpdaterName::kAccepted);
  EXPECT_EQ(name, "K50X_Update_1.5.exe");
  EXPECT_EQ(UpdaterNameFromUrl("K50X_Update.exe", name), UpdaterName::kNoSlash);
  for (const char* bad : {"http://maker.test/", "http://maker.test/..", "http://maker.test/a\\..\\..\\x.exe",
                          "http://maker.test/C:x.exe", "http://maker.test/get.exe?id=5", "http://maker.test/x.exe#top",
                          "http://maker.test/con.exe", "http://maker.test/x.exe.", "http://maker.test/a|b.exe"}) {
    EXPECT_EQ(UpdaterNameFromUrl(bad, name), UpdaterName::kRefused) << bad;
    EXPECT_TRUE(name.empty());
  }
}

}  // namespace
}  // namespace zelva::update
