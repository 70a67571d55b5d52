// Cabinets built field by field (stored data), so a test can break exactly
// one thing in them. Offsets of the fixed header fields for patching.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace archive_test {

constexpr uint32_t kSizeField = 8, kFilesOffsetField = 16, kFolderCountField = 26, kFileCountField = 28,
                   kFlagsField = 30;

struct CabinetFile {
  std::string name;
  uint32_t size;
  uint16_t folder;
};

struct CabinetLayout {
  uint16_t headerReserve = 0;  // with folderReserve and dataReserve: flag 0x0004 when any is set
  uint8_t folderReserve = 0;
  uint8_t dataReserve = 0;
  std::string previousCabinet;  // non-empty: flag 0x0001
  std::string nextCabinet;      // non-empty: flag 0x0002
  uint16_t folders = 1;
  std::vector<CabinetFile> files = {{"Settings.dat", 40, 0}, {"Texture.A\\a.bmp", 300, 0}};
};

struct BuiltCabinet {
  std::vector<uint8_t> bytes;
  uint32_t foldersOffset;  // first folder entry
  uint32_t filesOffset;    // first file entry
  uint32_t dataOffset;     // first data block
};

inline void Put16(std::vector<uint8_t>& bytes, uint32_t at, uint16_t value) {
  bytes[at] = uint8_t(value);
  bytes[at + 1] = uint8_t(value >> 8);
}

inline void Put32(std::vector<uint8_t>& bytes, uint32_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = uint8_t(value >> (8 * i));
}

// One stored data block per folder holding its files' bytes (at most 32 KiB).
inline BuiltCabinet BuildCabinet(const CabinetLayout& layout) {
  std::vector<uint8_t> header(36, 0), tables, data;
  const bool reserve = layout.headerReserve || layout.folderReserve || layout.dataReserve;
  const uint16_t flags = uint16_t((layout.previousCabinet.empty() ? 0 : 1) | (layout.nextCabinet.empty() ? 0 : 2) |
                                  (reserve ? 4 : 0));
  if (reserve) {
    header.push_back(uint8_t(layout.headerReserve));
    header.push_back(uint8_t(layout.headerReserve >> 8));
    header.push_back(layout.folderReserve);
    header.push_back(layout.dataReserve);
    header.resize(header.size() + layout.headerReserve, 0xAB);
  }
  for (const std::string* name : {&layout.previousCabinet, &layout.nextCabinet}) {
    if (name->empty()) continue;
    for (const char* text : {name->c_str(), "disk"})
      header.insert(header.end(), text, text + std::string(text).size() + 1);
  }
  BuiltCabinet built = {};
  built.foldersOffset = uint32_t(header.size());
  const uint32_t folderEntry = 8 + layout.folderReserve;
  built.filesOffset = built.foldersOffset + layout.folders * folderEntry;
  std::vector<uint8_t> files;
  std::vector<uint32_t> folderBytes(layout.folders, 0);
  for (const CabinetFile& file : layout.files) {
    std::vector<uint8_t> entry(16, 0);
    Put32(entry, 0, file.size);
    const uint16_t folder = file.folder < layout.folders ? file.folder : 0;
    Put32(entry, 4, folderBytes[folder]);
    folderBytes[folder] += file.size;
    Put16(entry, 8, file.folder);
    Put16(entry, 14, 0x20);
    entry.insert(entry.end(), file.name.begin(), file.name.end());
    entry.push_back(0);
    files.insert(files.end(), entry.begin(), entry.end());
  }
  built.dataOffset = built.filesOffset + uint32_t(files.size());
  uint32_t at = built.dataOffset;
  std::vector<uint8_t> folders;
  for (uint16_t i = 0; i < layout.folders; ++i) {
    std::vector<uint8_t> entry(folderEntry, 0);
    Put32(entry, 0, at);
    Put16(entry, 4, 1);
    folders.insert(folders.end(), entry.begin(), entry.end());
    std::vector<uint8_t> block(8 + layout.dataReserve, 0);
    Put16(block, 4, uint16_t(folderBytes[i]));
    Put16(block, 6, uint16_t(folderBytes[i]));
    block.resize(block.size() + folderBytes[i], uint8_t('a' + i));
    data.insert(data.end(), block.begin(), block.end());
    at += uint32_t(block.size());
  }
  built.bytes = header;
  built.bytes.insert(built.bytes.end(), folders.begin(), folders.end());
  built.bytes.insert(built.bytes.end(), files.begin(), files.end());
  built.bytes.insert(built.bytes.end(), data.begin(), data.end());
  std::copy_n("MSCF", 4, built.bytes.begin());
  Put32(built.bytes, kSizeField, uint32_t(built.bytes.size()));
  Put32(built.bytes, kFilesOffsetField, built.filesOffset);
  built.bytes[24] = 3;
  built.bytes[25] = 1;
  Put16(built.bytes, kFolderCountField, layout.folders);
  Put16(built.bytes, kFileCountField, uint16_t(layout.files.size()));
  Put16(built.bytes, kFlagsField, flags);
  return built;
}

}  // namespace archive_test
