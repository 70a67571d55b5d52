// The maker's livery catalogue ("Liveries.ini") and the tables it fills: one
// section per variant, entries merged into the tables by file name and name
// so that a second visit keeps what the first one learnt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ProfileDocument.h"

namespace zelva::livery {

// A table's count is one byte.
constexpr size_t kCatalogueTableLimit = 255;

struct CatalogueRecord {
  std::string fileName;  // a plain name, checked
  std::string name;      // the ui_variation the package installs
  std::string date;      // file time in decimal
  uint32_t size = 0;
  std::string config;
  int configRevision = -1;
  int configAccurate = 0;
};

struct CatalogueSection {
  std::vector<CatalogueRecord> records;
  // Entries skipped because their file name could become a path elsewhere.
  std::vector<std::string> refused;
};

// "%s - %s": the product's package aircraft name and the variant name.
std::string CatalogueSectionName(std::string_view aircraft, std::string_view variant);

// The entries of one variant's section, as the profile functions would read
// them (texts cut to their buffers, Count's low 16 bits).
CatalogueSection ReadCatalogueSection(const profile::Document& catalogue, std::string_view section);

struct CatalogueVariant {
  std::string section;
  std::vector<CatalogueRecord> records;
};

// The text of a whole catalogue, sections and entries in the order given,
// lines ended by CR LF.
std::string CatalogueText(const std::vector<CatalogueVariant>& variants);

enum class MergeOutcome { kRefreshed, kAppended, kTableFull };

// Finds the entry with the same file name and name (exact) and refreshes its
// catalogue facts, or appends one while the table has room. Entry carries a
// CatalogueRecord `record`; the rest of it (thumbnail, states) is kept.
// Table: a vector, or a deque where entries must not move.
template <class Table>
MergeOutcome MergeCatalogueRecord(Table& table, const CatalogueRecord& record, size_t* index) {
  for (size_t i = 0; i < table.size(); ++i) {
    CatalogueRecord& known = table[i].record;
    if (known.fileName != record.fileName || known.name != record.name) continue;
    known = record;
    if (index != nullptr) *index = i;
    return MergeOutcome::kRefreshed;
  }
  if (table.size() >= kCatalogueTableLimit) return MergeOutcome::kTableFull;
  table.emplace_back();
  table.back().record = record;
  if (index != nullptr) *index = table.size() - 1;
  return MergeOutcome::kAppended;
}

// The server's folder of a package, chosen by how its file name starts.
std::string ServerProductFolder(std::string_view fileName);
// base + "/" + product folder + "/" + file name.
std::string PackageUrl(std::string_view base, std::string_view fileName);
// The file name without its extension + " - Config.zlp".
std::string ConfigPackageName(std::string_view fileName);
// The file name with its extension replaced by ".dat".
std::string SummaryArchiveName(std::string_view fileName);

// Package dates and file times are file times in decimal. Cabinets keep file
// times to 2 seconds, so times that close count as equal. False for text that
// is no such number.
bool ParseFileTime(std::string_view text, uint64_t& ticks);
// True when `date` is older than `reference`: numerically, more than 2
// seconds below. An empty or unreadable date is older than any readable
// reference; two unreadable ones compare as text.
bool IsOlderDate(std::string_view date, std::string_view reference);
bool IsOlderFileTime(uint64_t written, std::string_view reference);

}  // namespace zelva::livery
