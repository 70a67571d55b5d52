#include "EntryNames.h"

#include <gtest/gtest.h>

#include <string>

using zelva::archive::IsSafeEntryName;

namespace {

std::string Narrow(std::u16string_view text) { return std::string(text.begin(), text.end()); }

TEST(EntryNames, NamesInsideTheTargetFolderAreSafe) {
  for (std::u16string_view name :
       {u"Settings.dat", u"Texture.T\\a.dds", u"..hidden", u"a..b\\file..", u".\\x.txt", u"COM10.txt",
        u"console.log", u"\u65E5\u672C\\\u30C6.txt"})
    EXPECT_TRUE(IsSafeEntryName(name)) << Narrow(name);
}

TEST(EntryNames, NamesThatLeaveTheTargetFolderAreNot) {
  for (std::u16string_view name :
       {u"..\\..\\evil.dll", u"C:\\evil.dll", u"C:evil.dll", u"\\evil.dll", u"\\\\server\\share\\evil.dll",
        u"a\\..\\..\\evil.dll", u"a\\..", u"...\\evil.dll", u".. \\evil.dll", u"file.txt:stream", u"",
        u"folder\\", u"CON", u"nul.txt", u"a\\com1\\b.dds", u"AUX .txt", u"COM\u00B9"})
    EXPECT_FALSE(IsSafeEntryName(name)) << Narrow(name);
}

}  // namespace
