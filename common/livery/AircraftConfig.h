// The livery entries "[fltsim.N]" of one aircraft.cfg, read and edited in
// memory. Lookups read what the platform's profile functions read; edits
// change the entries' lines and keep every other line as it was.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "ProfileDocument.h"

namespace zelva::livery {

// "fltsim.<entry>".
std::string EntryName(int entry);

class AircraftConfig {
 public:
  AircraftConfig() = default;
  explicit AircraftConfig(std::string_view text) : document_(text) {}

  // False for a text this program cannot rewrite (UTF-16); it holds no entries.
  bool rewritable() const { return !document_.wide(); }
  std::string Text() const { return document_.Text(); }

  // As GetPrivateProfileStringA with a buffer of chars characters.
  std::string Value(int entry, std::string_view key, size_t chars) const;
  // As GetPrivateProfileSectionA: key strings, each followed by a NUL.
  std::string SectionText(int entry) const;
  // Entries 0, 1, ... up to the first without a ui_variation.
  int CountEntries() const;

  // "[fltsim.<entry>]" with the key strings (separated by NULs or line
  // breaks), directly behind the section of entry - 1 and in front of what
  // followed it; at the end of the file when there is no entry - 1.
  void InsertEntry(int entry, std::string_view keyStrings);
  // Entry i takes what entry order[i] held: its header line, comments and
  // keys move whole, and only the number in the header changes. The blank
  // and comment lines that end each section stay in place. Nothing happens
  // unless order holds each of 0 ... size - 1 once and every such entry exists.
  void ArrangeEntries(const std::vector<int>& order);
  // Closes the gap as the profile functions did: every entry behind it,
  // up to the first whose section holds no keys, moves down by one and the
  // last number goes. Stale second copies of the numbers that change go
  // too, so that none of them can take an entry's place.
  void RemoveEntry(int entry);
  // The entry's keys become the key strings that hold "=". For each key
  // named in kept, the entry keeps its own line (and has none if it had
  // none). False, and nothing changed, when no string holds "=".
  bool ReplaceEntry(int entry, std::string_view keyStrings, std::initializer_list<std::string_view> kept = {});

 private:
  // The section's name with its number changed, its spelling kept.
  std::string Renumbered(size_t index, int entry) const;

  profile::Document document_;
};

}  // namespace zelva::livery
