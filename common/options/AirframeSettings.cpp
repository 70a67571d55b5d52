#include "AirframeSettings.h"

#include <string_view>
#include <utility>

#include "OptionValues.h"

namespace zelva::options {
namespace {

bool IsNeverKept(std::string_view section) {
  return EqualsWithoutCase(section, "failure groups") || EqualsWithoutCase(section, "failure items");
}

// Only the first of two equal names can be read or written through the
// profile functions; a second one would show a value that is not the file's.
template <typename Records, typename Name>
bool HasName(const Records& records, std::string_view name, Name nameOf) {
  for (const auto& record : records) {
    if (EqualsWithoutCase(nameOf(record), name)) return true;
  }
  return false;
}

void ReadEntries(SettingsSection& section, const std::string& lines) {
  for (size_t start = 0; start < lines.size() && section.entries.size() < kMaxEntries;) {
    size_t end = lines.find('\0', start);
    if (end == std::string::npos) end = lines.size();
    std::string_view line(lines.data() + start, end - start);
    start = end + 1;

    size_t equals = line.find('=');
    if (equals == std::string_view::npos || equals == 0) continue;
    std::string key(line.substr(0, equals));
    int row = FindOption(section.name.c_str(), key.c_str());
    if (row >= 0 && OptionAt(row)->kind == OptionKind::kHidden) continue;
    if (HasName(section.entries, key, [](const SettingsEntry& entry) -> const std::string& { return entry.key; }))
      continue;

    SettingsEntry entry;
    entry.key = std::move(key);
    entry.value = std::string(line.substr(equals + 1));
    entry.fileValue = entry.value;
    entry.row = row >= 0 ? uint16_t(row) : kNoCatalogueRow;
    section.entries.push_back(std::move(entry));
  }
}

}  // namespace

void AirframeSettings::Clear() {
  path_.clear();
  sections_.clear();
}

void AirframeSettings::Build(std::string path, const std::vector<RawSection>& file) {
  Clear();
  path_ = std::move(path);
  for (const RawSection& raw : file) {
    if (sections_.size() == kMaxSections) break;
    if (raw.name.empty() || IsNeverKept(raw.name)) continue;
    if (HasName(sections_, raw.name, [](const SettingsSection& section) -> const std::string& { return section.name; }))
      continue;
    SettingsSection section;
    section.name = raw.name;
    section.shown = !EqualsWithoutCase(raw.name, "version");
    ReadEntries(section, raw.lines);
    if (!section.entries.empty()) sections_.push_back(std::move(section));
  }
}

std::string AirframeSettings::fileName() const {
  size_t slash = path_.find_last_of('\\');
  return slash == std::string::npos ? path_ : path_.substr(slash + 1);
}

const SettingsEntry* AirframeSettings::Find(size_t section, size_t entry) const {
  if (section >= sections_.size() || entry >= sections_[section].entries.size()) return nullptr;
  return &sections_[section].entries[entry];
}

SettingsEntry* AirframeSettings::At(size_t section, size_t entry) {
  return const_cast<SettingsEntry*>(static_cast<const AirframeSettings&>(*this).Find(section, entry));
}

bool AirframeSettings::SetValue(size_t section, size_t entry, const std::string& value) {
  SettingsEntry* target = At(section, entry);
  if (target == nullptr) return false;
  target->value = value;
  return true;
}

bool AirframeSettings::HasChanges() const { return !Changes().empty(); }

std::vector<EntryPosition> AirframeSettings::Changes() const {
  std::vector<EntryPosition> changes;
  for (size_t s = 0; s < sections_.size(); ++s) {
    for (size_t e = 0; e < sections_[s].entries.size(); ++e) {
      if (sections_[s].entries[e].changed()) changes.push_back({s, e});
    }
  }
  return changes;
}

void AirframeSettings::MarkWritten(const EntryPosition& position) {
  if (SettingsEntry* entry = At(position.section, position.entry)) entry->fileValue = entry->value;
}

}  // namespace zelva::options
