#include "EntryNames.h"

#include <gtest/gtest.h>

#include <string>

using zelva::archive::IsPlainFileName;
using zelva::archive::IsSafeEntryName;
using zelva::archive::NamesADevice;

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

// A next cabinet must be a file beside the package; a package path must not
// open a device (which blocks or reads from hardware).
TEST(EntryNames, NextCabinetsArePlainNamesAndDevicesAreNoPackages) {
  for (std::u16string_view name : {u"part2.cab", u"..part", u"Disk 2.cab"})
    EXPECT_TRUE(IsPlainFileName(name)) << Narrow(name);
  for (std::u16string_view name : {u"..\\..\\outside.cab", u"../outside.cab", u"sub/next.cab", u"C:next.cab", u"AUX",
                                   u"com1.cab", u"..", u". .", u""})
    EXPECT_FALSE(IsPlainFileName(name)) << Narrow(name);
  for (std::u16string_view path : {u"Z:\\tmp\\aux.zlp", u"Z:/tmp/AUX", u"C:\\x\\CON .zlp", u"C:\\x\\aux:stream",
                                   u"\\\\.\\COM1", u"//./pipe/x", u"nul"})
    EXPECT_TRUE(NamesADevice(path)) << Narrow(path);
  for (std::u16string_view path : {u"Z:\\aux\\a.zlp", u"Z:/tmp/auxiliary.zlp", u"C:\\x\\a.zlp:stream",
                                   u"\\\\?\\C:\\x\\a.zlp"})
    EXPECT_FALSE(NamesADevice(path)) << Narrow(path);
}

}  // namespace
