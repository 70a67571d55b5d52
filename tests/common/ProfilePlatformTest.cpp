// The profile reader side by side with the platform's own profile functions
// on the same files: every value and section must come out the same.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ProfileDocument.h"
#include "TestFolder.h"

using zelva::profile::Document;
using zelva::testing::TestFolder;
using zelva::testing::WriteWholeFile;

namespace {

std::string PlatformValue(const std::string& path, const std::string& section, const std::string& key, DWORD chars) {
  std::vector<char> buffer(chars + 1, '\0');
  GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(), chars, path.c_str());
  return buffer.data();
}

std::string PlatformSection(const std::string& path, const std::string& section) {
  std::vector<char> buffer(1 << 16, '\0');
  DWORD length = GetPrivateProfileSectionA(section.c_str(), buffer.data(), DWORD(buffer.size()), path.c_str());
  return std::string(buffer.data(), length);
}

class ProfilePlatformTest : public ::testing::Test {
 protected:
  // A new name for every file: the platform keeps recently read files.
  std::string Write(const std::string& content) {
    std::string path = folder_ / ("case" + std::to_string(files_++) + ".ini");
    WriteWholeFile(path, content);
    return path;
  }
  void Compare(const std::string& content, const std::vector<std::string>& sections,
               const std::vector<std::string>& keys) {
    const std::string path = Write(content);
    const Document document(content);
    for (const std::string& section : sections) {
      ASSERT_EQ(document.SectionText(section), PlatformSection(path, section)) << "[" << section << "] of\n" << content;
      for (const std::string& key : keys)
        for (DWORD chars : {1u, 3u, 100u})
          ASSERT_EQ(document.Value(section, key, chars), PlatformValue(path, section, key, chars))
              << "[" << section << "] " << key << " (" << chars << ") of\n" << content;
    }
  }

  TestFolder folder_;
  int files_ = 0;
};

TEST_F(ProfilePlatformTest, EveryByteAroundNamesAndValues) {
  for (int byte = 1; byte < 256; ++byte) {
    const std::string b(1, char(byte));
    Compare("[s]\r\nk=" + b + "v" + b + "\r\n" + b + "n" + b + "=1\r\n[" + b + "t" + b + "]\r\ny=" + b + b + "\r\n" +
                "[u]\r\n" + b + ";c=1\r\nw" + b + "=3\r\n=" + b + "\r\n",
            {"s", "t", "u"}, {"k", "n", "y", "w", ";c"});
  }
}

TEST_F(ProfilePlatformTest, FilesMadeOfTheTrickyPieces) {
  const std::vector<std::string> pieces = {"[", "]", "=", ";", " ", "\t", "\r", "\n", "\r\n", "\r\n", "\"", "'",
                                           "\x1a", std::string(1, '\0'), "a", "b", "A", "k", "K", "fltsim.1",
                                           "FLTSIM.1", "\xa0", "\xe9", "==", "[a]\r\n", "k=v\r\n", "\r\n[b]"};
  const std::vector<std::string> sections = {"", "a", "A", "b", "k", "fltsim.1", " a ", "ab", "a]"};
  const std::vector<std::string> keys = {"a", "b", "k", "K", " k ", "ab", ";", "fltsim.1"};
  uint32_t state = 12;
  auto next = [&](uint32_t below) {
    state = state * 1103515245u + 12345u;
    return (state >> 8) % below;
  };
  for (int file = 0; file < 250; ++file) {
    std::string content;
    for (uint32_t n = 1 + next(60); n > 0; --n) content += pieces[next(uint32_t(pieces.size()))];
    Compare(content, sections, keys);
    if (HasFatalFailure()) return;
  }
}

// Values set in memory read back as the same values set by the platform in
// a copy of the file, for every key of every section.
TEST_F(ProfilePlatformTest, SetsValuesAsThePlatformWritesThem) {
  const std::string content =
      "[s]\r\nk = 1\r\nbare\r\n=x\r\nK=2\r\n\r\n; closing\r\n[t]\r\n;k=c\r\nn\t=\t\"q\"\r\n[u]\r\n[s]\r\nk=3";
  const std::vector<std::string> sections = {"s", "t", "u"}, keys = {"k", "bare", "n", ";k", "new"};
  for (const std::string& section : sections) {
    for (const std::string& key : keys) {
      Document document(content);
      document.SetValue(document.Find(section), key, "0.50000, 0.45000");
      const std::string set = Write(document.Text()), written = Write(content);
      ASSERT_TRUE(WritePrivateProfileStringA(section.c_str(), key.c_str(), "0.50000, 0.45000", written.c_str()));
      for (const std::string& other : sections) {
        ASSERT_EQ(PlatformSection(set, other), PlatformSection(written, other))
            << "[" << section << "] " << key << " set; [" << other << "] differs";
        for (const std::string& read : keys)
          ASSERT_EQ(PlatformValue(set, other, read, 100), PlatformValue(written, other, read, 100))
              << "[" << section << "] " << key << " set; [" << other << "] " << read << " differs";
      }
    }
  }
}

}  // namespace
