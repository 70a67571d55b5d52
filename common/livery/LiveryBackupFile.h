// The livery backup file: every installed livery's aircraft.cfg section, kept
// so that entries a product update wipes out can be written back. Binary,
// records back to back, no header; each record is
//   n1, folder name (n1 bytes, NUL-terminated)
//   n2, display name (n2 bytes, NUL-terminated)
//   n3, texture (n3 bytes, NUL-terminated)
//   m (4 bytes, little-endian), section text (m bytes: key strings each ended
//   by a NUL, then one more NUL)
// The file comes from disk and may be cut short or damaged: reading stops at
// the first record that does not fit and keeps the whole ones before it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zelva::livery {

// Limits of one record's fields, terminators included.
constexpr size_t kBackupFolderBytes = 50;
constexpr size_t kBackupNameBytes = 100;
constexpr size_t kBackupTextureBytes = 50;
constexpr size_t kBackupSectionBytes = 30001;
constexpr size_t kBackupRecordLimit = 5000;

struct LiveryBackupRecord {
  std::string folder;   // the variant's aircraft folder name
  std::string name;     // ui_variation
  std::string texture;
  std::string section;  // key strings, each followed by a NUL, as a profile section read gives them
};

// Whether the record can be written: every text fits its field and holds no NUL
// (the section's strings aside).
bool FitsLiveryBackup(const LiveryBackupRecord& record);

// The whole records from the start of bytes, at most limit of them.
std::vector<LiveryBackupRecord> ParseLiveryBackup(std::string_view bytes, size_t limit = kBackupRecordLimit);

// The file's bytes; records that do not fit are left out.
std::string SerializeLiveryBackup(const std::vector<LiveryBackupRecord>& records);

// The refresh rule: a record of the same folder and display name (case
// ignored) takes the current entry's texture and section, whatever it held;
// an entry without a record gets a new one (up to the record limit). Records
// of entries that are gone stay: they are what a repair writes back.
void MergeCurrentEntries(std::vector<LiveryBackupRecord>& records, const std::vector<LiveryBackupRecord>& current);

}  // namespace zelva::livery
