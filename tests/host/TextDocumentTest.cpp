#include "TextDocument.h"

#include <gtest/gtest.h>

#include <string>

#include "TestFolder.h"

using namespace zelva::document;
using namespace zelva::testing;

namespace {

std::wstring FromCodePage(const std::string& bytes) {
  wchar_t wide[64] = {};
  int chars = MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), wide, 64);
  return std::wstring(wide, size_t(chars));
}

TEST(TextDocument, EncodingIsRecognisedAndLineEndsAndNulsAreMended) {
  const char utf16[] = "\xFF\xFE" "A\0\xE9\0\n\0" "B\0";
  EXPECT_EQ(DecodeDocumentText(std::string(utf16, sizeof(utf16) - 1)), L"A\u00E9\r\nB");
  EXPECT_EQ(DecodeDocumentText("\xEF\xBB\xBF" "Caf\xC3\xA9"), L"Caf\u00E9");
  EXPECT_EQ(DecodeDocumentText("K50 \xE2\x80\x93 v1.17.27"), L"K50 \u2013 v1.17.27");
  const std::string latin = "Caf\xE9 livery";  // not UTF-8: the system code page
  EXPECT_EQ(DecodeDocumentText(latin), FromCodePage(latin));
  EXPECT_EQ(DecodeDocumentText(std::string("a\nb\r\nc\rd\0e", 10)), L"a\r\nb\r\nc\r\nd e");
}

TEST(TextDocument, OnlyTxtFilesAreText) {
  EXPECT_TRUE(IsTextDocument(L"c:\\k50\\README.TXT"));
  EXPECT_FALSE(IsTextDocument(L"c:\\k50.txt\\manual"));
  EXPECT_FALSE(IsTextDocument(nullptr));
}

TEST(TextDocument, ReadingStopsAtTheLimit) {
  TestFolder folder;
  std::string path = folder / "big.txt";
  WriteWholeFile(path, std::string(40000, 'z'));
  std::wstring widePath(path.begin(), path.end());
  std::string bytes;
  ASSERT_TRUE(ReadDocumentFile(widePath.c_str(), 20000, bytes));
  EXPECT_EQ(bytes.size(), 20000u);
  EXPECT_FALSE(ReadDocumentFile((widePath + L".absent").c_str(), 100, bytes));
  EXPECT_TRUE(bytes.empty());
}

}  // namespace
