#include "AircraftConfig.h"

#include <algorithm>
#include <functional>

#include "ProfileLine.h"

namespace zelva::livery {
namespace {

constexpr std::string_view kEntryPrefix = "fltsim.";
constexpr size_t npos = profile::Document::npos;

// The entry number a section name stands for, as the lookups of EntryName would find it.
bool EntryNumber(std::string_view name, int& entry) {
  if (name.size() <= kEntryPrefix.size() || name.size() > kEntryPrefix.size() + 9) return false;
  if (!profile::SameName(name.substr(0, kEntryPrefix.size()), kEntryPrefix)) return false;
  int number = 0;
  for (char c : name.substr(kEntryPrefix.size())) {
    if (c < '0' || c > '9') return false;
    number = number * 10 + (c - '0');
  }
  entry = number;
  return profile::SameName(name, EntryName(number));  // no leading zeros
}

bool IsKeyLine(const profile::Line& line, std::string_view key) {
  profile::KeyLine parsed;
  return profile::ParseKeyLine(line.text, parsed) && profile::SameName(parsed.name(), key);
}

}  // namespace

std::string EntryName(int entry) { return std::string(kEntryPrefix) + std::to_string(entry); }

std::string AircraftConfig::Value(int entry, std::string_view key, size_t chars) const {
  return document_.Value(EntryName(entry), key, chars);
}

std::string AircraftConfig::SectionText(int entry) const { return document_.SectionText(EntryName(entry)); }

int AircraftConfig::CountEntries() const {
  int entry = 0;
  while (!Value(entry, "ui_variation", 10).empty()) ++entry;
  return entry;
}

std::string AircraftConfig::Renumbered(size_t index, int entry) const {
  return document_.section(index).name.substr(0, kEntryPrefix.size()) + std::to_string(entry);
}

void AircraftConfig::InsertEntry(int entry, std::string_view keyStrings) {
  size_t previous = document_.Find(EntryName(entry - 1));
  document_.InsertSection(previous == npos ? document_.size() : previous + 1, EntryName(entry),
                          document_.KeyLines(keyStrings, false));
}

void AircraftConfig::ArrangeEntries(const std::vector<int>& order) {
  const size_t count = order.size();
  std::vector<size_t> slots(count);
  std::vector<bool> taken(count, false);
  for (size_t i = 0; i < count; ++i) {
    slots[i] = document_.Find(EntryName(int(i)));
    if (slots[i] == npos || order[i] < 0 || size_t(order[i]) >= count || taken[size_t(order[i])]) return;
    taken[size_t(order[i])] = true;
  }
  std::vector<std::vector<profile::Line>> blocks(count);
  for (size_t i = 0; i < count; ++i) blocks[i] = document_.TakeBlock(slots[i]);
  for (size_t i = 0; i < count; ++i) {
    document_.PlaceBlock(slots[i], std::move(blocks[size_t(order[i])]));
    if (order[i] != int(i)) document_.Rename(slots[i], Renumbered(slots[i], int(i)));
  }
}

void AircraftConfig::RemoveEntry(int entry) {
  if (entry < 0) return;
  int last = entry;
  while (!SectionText(last + 1).empty()) ++last;

  std::vector<size_t> firsts;
  for (int k = entry; k <= last; ++k) firsts.push_back(document_.Find(EntryName(k)));
  std::vector<size_t> removed;
  if (firsts[0] != npos) removed.push_back(firsts[0]);
  for (size_t i = 1; i < document_.size(); ++i) {
    int number = 0;
    if (EntryNumber(document_.section(i).name, number) && number >= entry && number <= last &&
        firsts[size_t(number - entry)] != i)
      removed.push_back(i);
  }
  for (int k = entry + 1; k <= last; ++k) {
    size_t index = firsts[size_t(k - entry)];
    if (index != npos) document_.Rename(index, Renumbered(index, k - 1));
  }
  std::sort(removed.begin(), removed.end(), std::greater<size_t>());
  for (size_t index : removed) document_.RemoveBlock(index);
}

bool AircraftConfig::ReplaceEntry(int entry, std::string_view keyStrings, std::initializer_list<std::string_view> kept) {
  std::vector<profile::Line> body = document_.KeyLines(keyStrings, true);
  if (body.empty()) return false;
  size_t index = document_.Find(EntryName(entry));
  if (index == npos) {
    document_.InsertSection(document_.size(), EntryName(entry), std::move(body));
    return true;
  }
  const profile::Section& section = document_.section(index);
  for (std::string_view key : kept) {
    auto own = std::find_if(section.lines.begin() + 1, section.lines.begin() + long(section.BlockEnd()),
                            [&](const profile::Line& line) { return IsKeyLine(line, key); });
    auto first = std::find_if(body.begin(), body.end(), [&](const profile::Line& line) { return IsKeyLine(line, key); });
    size_t at = size_t(first - body.begin());
    body.erase(std::remove_if(body.begin(), body.end(), [&](const profile::Line& line) { return IsKeyLine(line, key); }),
               body.end());
    if (own != section.lines.begin() + long(section.BlockEnd()))
      body.insert(body.begin() + long(std::min(at, body.size())), *own);
  }
  document_.ReplaceBody(index, std::move(body));
  return true;
}

}  // namespace zelva::livery
