// The editable entries of one airframe's settings file, and which of them the
// user has changed since the file was read or last written. Values are kept
// whole, so writing back a value never cuts it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "AircraftOption.h"

namespace zelva::options {

constexpr size_t kMaxSections = 30;
constexpr size_t kMaxEntries = 100;

struct SettingsEntry {
  std::string key;
  std::string value;      // what the page shows and a save writes
  std::string fileValue;  // what the file holds, as far as this model knows
  uint16_t row = kNoCatalogueRow;
  bool changed() const { return value != fileValue; }
};

struct SettingsSection {
  std::string name;    // as the file spells it
  bool shown = true;   // the "version" section is kept but not shown
  std::vector<SettingsEntry> entries;
};

// A section as the profile functions give it: its name, and its lines as
// strings each ended by a NUL.
struct RawSection {
  std::string name;
  std::string lines;
};

struct EntryPosition {
  size_t section;
  size_t entry;
};

class AirframeSettings {
 public:
  void Clear();
  // Replaces the model with the file's entries. Sections that are never
  // shown ("failure groups", "failure items"), lines without a key and an
  // "=", rows the catalogue hides and keys or sections repeated further down
  // are left out; so is whatever lies beyond the limits. None of it is ever
  // written, so the file keeps it as it is.
  void Build(std::string path, const std::vector<RawSection>& file);

  const std::string& path() const { return path_; }
  // The part of the path behind its last backslash.
  std::string fileName() const;
  const std::vector<SettingsSection>& sections() const { return sections_; }
  const SettingsEntry* Find(size_t section, size_t entry) const;

  // The entry takes value; false when there is no such entry.
  bool SetValue(size_t section, size_t entry, const std::string& value);
  bool HasChanges() const;
  std::vector<EntryPosition> Changes() const;
  // The file now holds the entry's value.
  void MarkWritten(const EntryPosition& position);

 private:
  SettingsEntry* At(size_t section, size_t entry);

  std::string path_;
  std::vector<SettingsSection> sections_;
};

}  // namespace zelva::options
