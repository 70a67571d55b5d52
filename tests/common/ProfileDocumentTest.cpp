// The profile reader against what the platform's profile functions were seen
// to read from the same bytes (the Windows tests compare the two directly).
#include "ProfileDocument.h"

#include <gtest/gtest.h>

#include <string>

using zelva::profile::Document;
using namespace std::string_literals;

namespace {

TEST(ProfileDocument, LooksUpAsTheProfileFunctionsDo) {
  const Document file(
      "top=before any section\r\n"
      "[ Names ]\r\n  k \t= 2 \r\n\x1a\r\nK=second\r\nquoted=\"abcdef\"\r\nsingle='x'\r\nempty=\"\"\r\nhalf=\"ab'\r\n"
      "[names]\r\nlater=hidden behind the first [Names]\r\n"
      " [c] ; [d] \r\nz=3\r\n"
      "[cut]\rcr=alone\r[open\r\nafter=open\r\n"
      "[nul\0x]\r\nv=ab\0cd\r\nn\0m=1\r\n"s);
  EXPECT_EQ(file.Value("", "top", 100), "before any section");
  EXPECT_EQ(file.Value("names", " K ", 100), "2");  // names trimmed, case ignored, the first key wins
  EXPECT_EQ(file.Value("NAMES", "later", 100), "");  // only the first section of a name is read
  EXPECT_EQ(file.Value("Names", "quoted", 100), "abcdef");
  EXPECT_EQ(file.Value("Names", "quoted", 7), "abcde");  // the closing quote takes one character along
  EXPECT_EQ(file.Value("Names", "quoted", 4), "abc");
  EXPECT_EQ(file.Value("Names", "single", 100), "x");
  EXPECT_EQ(file.Value("Names", "empty", 100), "");
  EXPECT_EQ(file.Value("Names", "half", 100), "\"ab'");
  EXPECT_EQ(file.Value("c] ; [d", "z", 100), "3");  // a header runs to its last "]"
  EXPECT_EQ(file.Value("cut", "cr", 100), "alone");  // a carriage return alone ends a line
  EXPECT_EQ(file.Value("cut", "after", 100), "open");  // "[open" has no "]": a key of [cut]
  EXPECT_EQ(file.Value("nul", "v", 100), "ab");
  EXPECT_EQ(file.Value("nul", "n", 100), "1");
  EXPECT_EQ(file.Value("missing", "k", 100), "");
}

TEST(ProfileDocument, GivesAWholeSectionAsTheProfileFunctionsDo) {
  const Document file("[s]\r\n=a\r\n=b\r\nk = 1\r\n=c\r\n; a comment=1\r\nbare\r\n\r\n[t]\r\nx=\"q\"\r\n");
  // A line without a name counts only behind a named key; comments never do.
  EXPECT_EQ(file.SectionText("S"), "=a\0k=1\0=c\0bare\0"s);
  EXPECT_EQ(file.SectionText("t"), "x=\"q\"\0"s);
  EXPECT_EQ(file.SectionText(" t"), "");
  EXPECT_EQ(file.SectionText("u"), "");
}

TEST(ProfileDocument, EveryByteComesBackUnchanged) {
  for (const std::string& bytes :
       {"[a]\r\nk=1\n\n\r\r\n  [B] ;x\r\n\tv = 2 \rlast"s, "\xEF\xBB\xBF[a]\r\nk=\xC3\xA9\r\n"s, "\r\n"s, ""s,
        "no break at all"s, "[a]\r\nk=\x81\x8d\xa0\xff\0x\r\n"s}) {
    EXPECT_EQ(Document(bytes).Text(), bytes);
  }
  EXPECT_EQ(Document("\xEF\xBB\xBF[a]\r\nk=1\r\n").Value("a", "k", 10), "1");
  // UTF-16 is read by the profile functions but not here: it is only handed back.
  const std::string wide("\xFF\xFE[\0a\0]\0\r\0\n\0"s);
  Document unicode(wide);
  EXPECT_TRUE(unicode.wide());
  EXPECT_EQ(unicode.Text(), wide);
  EXPECT_EQ(unicode.Find("a"), Document::npos);
}

TEST(ProfileDocument, SetsAValueWhereLookupsReadItAndNothingElse) {
  Document file(
      "// comment before\r\n[Window01]\r\nsize_mm = 960,540\r\nwindow_size= 0.5, 0.5\r\nWINDOW_SIZE=later\r\n"
      "\r\n// closing comment\r\n[Window02]\nbare\nwindow_size\n[Window03]\r\nsize_mm=1,1\r\n\r\n; end\r\n[Last]\r\nk=1");
  file.SetValue(file.Find("window01"), "Window_Size", "0.50000, 0.45000");
  file.SetValue(file.Find("Window02"), "window_size", "2");  // a line without "=" is the key lookups find
  file.SetValue(file.Find("Window03"), "window_size", "3");  // behind the last key, before the closing lines
  file.SetValue(file.Find("Last"), "n", "4");
  EXPECT_EQ(file.Text(),
            "// comment before\r\n[Window01]\r\nsize_mm = 960,540\r\nwindow_size= 0.50000, 0.45000\r\n"
            "WINDOW_SIZE=later\r\n\r\n// closing comment\r\n[Window02]\nbare\nwindow_size=2\n[Window03]\r\n"
            "size_mm=1,1\r\nwindow_size=3\r\n\r\n; end\r\n[Last]\r\nk=1\r\nn=4\r\n");
  EXPECT_EQ(file.Value("Window01", "window_size", 30), "0.50000, 0.45000");
  EXPECT_EQ(file.Value("Window03", "window_size", 30), "3");
}

}  // namespace
