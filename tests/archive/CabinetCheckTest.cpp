#include "CabinetCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "CabinetBuilder.h"

using namespace Cabinet;
using namespace archive_test;

namespace {

// Serves a byte image; records how far and how much each read asked.
class ImageBytes : public CabinetBytes {
 public:
  explicit ImageBytes(const std::vector<uint8_t>& image, size_t readable = SIZE_MAX)
      : image_(image), readable_(std::min(readable, image.size())) {}
  bool ReadAt(uint32_t offset, uint8_t* out, uint32_t count) override {
    largestRead = std::max(largestRead, count);
    furthest = std::max<uint64_t>(furthest, uint64_t(offset) + count);
    if (uint64_t(offset) + count > readable_) return false;
    std::memcpy(out, image_.data() + offset, count);
    return true;
  }
  uint32_t largestRead = 0;
  uint64_t furthest = 0;

 private:
  const std::vector<uint8_t>& image_;
  size_t readable_;
};

std::string Check(const std::vector<uint8_t>& image, uint64_t length) {
  ImageBytes bytes(image);
  return CheckCabinet(bytes, length);
}
std::string Check(const std::vector<uint8_t>& image) { return Check(image, image.size()); }

TEST(CabinetCheck, WellFormedCabinetsPass) {
  EXPECT_EQ(Check(BuildCabinet({}).bytes), "");

  CabinetLayout everything;
  everything.headerReserve = 20;
  everything.folderReserve = 4;
  everything.dataReserve = 8;
  everything.previousCabinet = "part0.cab";
  everything.nextCabinet = "part2.cab";
  everything.folders = 3;
  everything.files = {{"one", 10, 0}, {"two", 20, 1}, {"three", 30, 2}, {"first", 5, 0xFFFD}, {"last", 5, 0xFFFE}};
  BuiltCabinet built = BuildCabinet(everything);
  EXPECT_EQ(Check(built.bytes), "");
  // Packages start "CRYP" until deciphered; LZX with a 2 MB window; bytes after the cabinet.
  std::memcpy(built.bytes.data(), "CRYP", 4);
  Put16(built.bytes, built.foldersOffset + 6, 0x1503);
  EXPECT_EQ(Check(built.bytes, built.bytes.size() + 7), "");
  EXPECT_EQ(Check(built.bytes, kUnknownCabinetLength), "");
}

// Each fault on its own, as a crafted package would carry it.
TEST(CabinetCheck, EachInconsistencyIsNamed) {
  const BuiltCabinet good = BuildCabinet({});
  const uint32_t secondFile = good.filesOffset + 16 + uint32_t(std::strlen("Settings.dat")) + 1;
  struct Case {
    const char* expected;
    std::function<void(std::vector<uint8_t>&)> damage;
  };
  const Case cases[] = {
      {"no cabinet signature", [](auto& b) { b[0] = 'X'; }},
      {"no folders", [](auto& b) { Put16(b, kFolderCountField, 0); }},
      {"folder table (1 folders) runs past", [](auto& b) { Put32(b, kSizeField, 36); }},
      {"fewer than its header", [](auto& b) { Put32(b, kSizeField, 20); }},
      {"but holds", [](auto& b) { Put32(b, kSizeField, uint32_t(b.size() + 1)); }},
      {"flags 0x0010 are unknown", [](auto& b) { Put16(b, kFlagsField, 0x10); }},
      {"overlaps its header or folders", [](auto& b) { Put32(b, kFilesOffsetField, 40); }},
      {"file table", [](auto& b) { Put32(b, kFilesOffsetField, uint32_t(b.size() - 20)); }},
      {"file table", [](auto& b) { Put16(b, kFileCountField, 0xFFFF); }},
      {"folder table (65535 folders) runs past", [](auto& b) { Put16(b, kFolderCountField, 0xFFFF); }},
      {"unknown compression 0x0004", [&](auto& b) { Put16(b, good.foldersOffset + 6, 4); }},
      {"unknown compression 0x1603", [&](auto& b) { Put16(b, good.foldersOffset + 6, 0x1603); }},
      {"data blocks of folder 0 run past", [&](auto& b) { Put16(b, good.foldersOffset + 4, 0xFFFF); }},
      {"data blocks of folder 0 run past", [&](auto& b) { Put32(b, good.foldersOffset, uint32_t(b.size() - 4)); }},
      {"overlaps the header", [&](auto& b) { Put32(b, good.foldersOffset, 0); }},
      {"file 1 lies in folder 1 of 1", [&](auto& b) { Put16(b, secondFile + 8, 1); }},
      {"continues into a cabinet", [&](auto& b) { Put16(b, secondFile + 8, 0xFFFE); }},
      {"continues into a cabinet", [&](auto& b) { Put16(b, secondFile + 8, 0xFFFD); }},
      {"file 1 claims more data", [&](auto& b) { Put32(b, secondFile, 40000); }},
      {"file 1 claims more data", [&](auto& b) { Put32(b, secondFile + 4, 0xFFFFFFF0u); }},
      {"name of file 1 is not terminated", [&](auto& b) {
         std::fill(b.begin() + secondFile + 16, b.end(), uint8_t('x'));
       }},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> image = good.bytes;
    c.damage(image);
    const std::string problem = Check(image);
    EXPECT_NE(problem.find(c.expected), std::string::npos) << c.expected << " / got: " << problem;
  }
  std::vector<uint8_t> header(good.bytes.begin(), good.bytes.begin() + 30);
  EXPECT_EQ(Check(header), "it is shorter than a cabinet header");
}

TEST(CabinetCheck, HeaderReserveAndNamesAreBounded) {
  CabinetLayout layout;
  layout.headerReserve = 4;
  layout.nextCabinet = "next.cab";
  BuiltCabinet built = BuildCabinet(layout);
  std::vector<uint8_t> image = built.bytes;
  Put16(image, 36, 60001);
  EXPECT_NE(Check(image).find("reserve of 60001 bytes"), std::string::npos);
  image = built.bytes;
  Put16(image, 36, 60000);
  EXPECT_NE(Check(image).find("reserve runs past"), std::string::npos);
  // The next cabinet's name never ends: 300 bytes of text, no terminator.
  image = built.bytes;
  image.insert(image.begin() + 44, 300, 'n');
  Put32(image, kSizeField, uint32_t(image.size()));
  EXPECT_NE(Check(image).find("next cabinet name is not terminated"), std::string::npos) << Check(image);
}

// The check reads the tables only, in pieces a URL block can serve, and says
// so when the source gives out before the cabinet's declared end.
TEST(CabinetCheck, ReadsOnlyTheTablesInSmallPiecesAndReportsAShortSource) {
  CabinetLayout many;
  many.files.clear();
  for (int i = 0; i < 2000; ++i) many.files.push_back({"Texture.Long name\\file " + std::to_string(i) + ".dds", 3, 0});
  BuiltCabinet built = BuildCabinet(many);
  ImageBytes bytes(built.bytes);
  EXPECT_EQ(CheckCabinet(bytes, built.bytes.size()), "");
  EXPECT_LE(bytes.largestRead, kCheckReadLimit);
  EXPECT_LE(bytes.furthest, built.dataOffset + kCheckReadLimit);

  ImageBytes cut(built.bytes, built.filesOffset + 1000);
  EXPECT_NE(CheckCabinet(cut, kUnknownCabinetLength).find("cannot be read as far as its file table"),
            std::string::npos);
}

}  // namespace
