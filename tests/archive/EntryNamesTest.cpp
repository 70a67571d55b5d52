#include "EntryNames.h"

#include <gtest/gtest.h>

#include <string>

using Cabinet::IsSafeEntryName;
using Cabinet::SplitEntryName;

namespace {

std::string Narrow(std::u16string_view text) { return std::string(text.begin(), text.end()); }

TEST(EntryNames, NamesInsideTheTargetFolderAreSafe) {
  for (std::u16string_view name :
       {u"Settings.dat", u"Texture.T\\a.dds", u"a\\b\\c.txt", u"..hidden", u"a..b\\file..", u".\\x.txt",
        u"config.cfg", u"CONFIG.cfg", u"COM10.txt", u"console.log", u"LPT0", u"Stra\u00DFe\\\u00E9t\u00E9.dds",
        u"\u65E5\u672C\\\u30C6.txt"})
    EXPECT_TRUE(IsSafeEntryName(name)) << Narrow(name);
}

TEST(EntryNames, NamesThatLeaveTheTargetFolderAreNot) {
  for (std::u16string_view name :
       {u"..\\..\\evil.dll", u"C:\\evil.dll", u"C:evil.dll", u"\\evil.dll", u"\\\\server\\share\\evil.dll",
        u"\\\\?\\C:\\evil.dll", u"a\\..\\..\\evil.dll", u"..", u"a\\..", u"...\\evil.dll", u".. \\evil.dll",
        u". .\\evil.dll", u"a\\.. .\\b", u"file.txt:stream", u"", u"folder\\", u"CON", u"nul.txt",
        u"a\\com1\\b.dds", u"LPT9.dds", u"AUX .txt", u"CONOUT$", u"COM\u00B9"})
    EXPECT_FALSE(IsSafeEntryName(name)) << Narrow(name);
}

TEST(EntryNames, SplitAtTheLastSeparator) {
  auto parts = SplitEntryName(u"Texture.T\\sub\\a.dds");
  EXPECT_EQ(parts.folder, u"Texture.T\\sub\\");
  EXPECT_EQ(parts.file, u"a.dds");
  parts = SplitEntryName(u"Settings.dat");
  EXPECT_TRUE(parts.folder.empty());
  EXPECT_EQ(parts.file, u"Settings.dat");
}

}  // namespace
