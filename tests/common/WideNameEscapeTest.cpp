#include "WideNameEscape.h"

#include <gtest/gtest.h>

using namespace zelva::text;

TEST(WideNameEscape, PlainNamesStayAsTheyAre) {
  EXPECT_FALSE(NeedsWideEscape(u"Texture.zelva\\k50_t.bmp"));
  EXPECT_EQ(EscapeWideName(u"Texture.zelva\\k50_t.bmp"), "Texture.zelva\\k50_t.bmp");
  // Characters below 256 are copied as single bytes.
  EXPECT_EQ(EscapeWideName(u"caf\u00e9"), "caf\xe9");
}

TEST(WideNameEscape, RunsOfWideCharactersBecomeBase64BitStreams) {
  // U+0100 = 0000000100000000: 000000 010000 0000(00).
  EXPECT_TRUE(NeedsWideEscape(u"\u0100"));
  EXPECT_EQ(EscapeWideName(u"\u0100"), "<AQA>");
  // Two units make 32 bits: six characters, the last padded with zeros.
  EXPECT_EQ(EscapeWideName(u"a\u0100\u0101b"), "a<AQABAQ>b");
  EXPECT_EQ(EscapeWideName(u"a<b"), "a<>b");
}

TEST(WideNameEscape, RoundTripsWideAndAngleBracketNames) {
  const std::u16string names[] = {
      u"", u"<<>>", u"Ливрея K50\\текстура.bmp", u"x\uffff\u0100y", u"\u00ff\u0100", u"a\u0100<\u0101",
  };
  for (const auto& name : names) {
    std::u16string back;
    ASSERT_TRUE(UnescapeWideName(EscapeWideName(name), back));
    EXPECT_EQ(back, name);
  }
}

TEST(WideNameEscape, RejectsMalformedEscapes) {
  std::u16string out;
  for (const char* bad : {"<AQA", "a<A>", "<AQ*>", "<AQAB>"}) {
    EXPECT_FALSE(UnescapeWideName(bad, out)) << bad;
  }
}
