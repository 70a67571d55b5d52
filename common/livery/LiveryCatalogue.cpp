#include "LiveryCatalogue.h"

#include <cstdio>
#include <cstdlib>

#include "ServerNames.h"

namespace zelva::livery {
namespace {

constexpr uint64_t kTwoSeconds = 20000000;  // in 100 ns ticks

std::string Key(int entry, const char* suffix) {
  char key[32];
  std::snprintf(key, sizeof(key), "%03d_%s", entry, suffix);
  return key;
}

// As GetPrivateProfileIntA reads a value: optional sign, decimal digits up
// to the first other character, 0 when none.
long long ProfileInteger(const std::string& text) {
  size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
  bool negative = at < text.size() && text[at] == '-';
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
  long long value = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    value = value * 10 + (text[at] - '0');
    if (value > 0xFFFFFFFFLL) value = 0xFFFFFFFFLL;
  }
  return negative ? -value : value;
}

int IntegerOr(const profile::Document& document, std::string_view section, const std::string& key, int fallback) {
  std::string text = document.Value(section, key, 64);
  if (text.empty()) return fallback;
  return int(uint32_t(ProfileInteger(text)));
}

}  // namespace

std::string CatalogueSectionName(std::string_view aircraft, std::string_view variant) {
  std::string name(aircraft);
  name += " - ";
  name += variant;
  return name;
}

CatalogueSection ReadCatalogueSection(const profile::Document& catalogue, std::string_view section) {
  CatalogueSection result;
  const int count = IntegerOr(catalogue, section, "Count", 0) & 0xFFFF;
  for (int entry = 0; entry < count; ++entry) {
    CatalogueRecord record;
    record.fileName = catalogue.Value(section, Key(entry, "Filename"), 100);
    record.name = catalogue.Value(section, Key(entry, "Name"), 100);
    record.date = catalogue.Value(section, Key(entry, "Date"), 40);
    record.size = uint32_t(IntegerOr(catalogue, section, Key(entry, "Size"), 0));
    record.config = catalogue.Value(section, Key(entry, "Config"), 100);
    record.configRevision = IntegerOr(catalogue, section, Key(entry, "ConfigRevision"), -1);
    record.configAccurate = IntegerOr(catalogue, section, Key(entry, "ConfigAccurate"), 0);
    if (!IsPlainServerName(record.fileName)) {
      result.refused.push_back(record.fileName);
      continue;
    }
    result.records.push_back(std::move(record));
  }
  return result;
}

std::string CatalogueText(const std::vector<CatalogueVariant>& variants) {
  std::string text;
  auto line = [&text](const std::string& key, const std::string& value) { text += key + "=" + value + "\r\n"; };
  for (const CatalogueVariant& variant : variants) {
    text += "[" + variant.section + "]\r\n";
    line("Count", std::to_string(variant.records.size()));
    for (size_t i = 0; i < variant.records.size(); ++i) {
      const CatalogueRecord& record = variant.records[i];
      const int entry = int(i);
      line(Key(entry, "Filename"), record.fileName);
      line(Key(entry, "Name"), record.name);
      line(Key(entry, "Size"), std::to_string(record.size));
      line(Key(entry, "Date"), record.date);
      line(Key(entry, "Config"), record.config);
      line(Key(entry, "ConfigRevision"), std::to_string(record.configRevision));
      line(Key(entry, "ConfigAccurate"), std::to_string(record.configAccurate));
    }
    text += "\r\n";
  }
  return text;
}

std::string ServerProductFolder(std::string_view fileName) {
  static const struct {
    std::string_view start, folder;
  } kFolders[] = {{"ZELVA K40", "K40"}, {"ZELVA K50", "K50"}, {"ZELVA K30", "K30"},
                  {"ZELVA T80", "K30"}, {"ZELVA R41", "R41"}};
  for (const auto& row : kFolders)
    if (fileName.substr(0, row.start.size()) == row.start) return std::string(row.folder);
  return "V60";
}

std::string PackageUrl(std::string_view base, std::string_view fileName) {
  std::string url(base);
  url += '/';
  url += ServerProductFolder(fileName);
  url += '/';
  url += fileName;
  return url;
}

namespace {
std::string_view WithoutExtension(std::string_view fileName) {
  size_t dot = fileName.rfind('.');
  return dot == std::string_view::npos ? fileName : fileName.substr(0, dot);
}
}  // namespace

std::string ConfigPackageName(std::string_view fileName) {
  return std::string(WithoutExtension(fileName)) + " - Config.zlp";
}

std::string SummaryArchiveName(std::string_view fileName) {
  return std::string(WithoutExtension(fileName)) + ".dat";
}

bool ParseFileTime(std::string_view text, uint64_t& ticks) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty() || text.size() > 20) return false;
  uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    uint64_t digit = uint64_t(c - '0');
    if (value > (UINT64_MAX - digit) / 10) return false;
    value = value * 10 + digit;
  }
  ticks = value;
  return true;
}

bool IsOlderFileTime(uint64_t written, std::string_view reference) {
  uint64_t limit = 0;
  if (!ParseFileTime(reference, limit)) return false;
  return written < limit && limit - written > kTwoSeconds;
}

bool IsOlderDate(std::string_view date, std::string_view reference) {
  uint64_t left = 0, right = 0;
  const bool leftOk = ParseFileTime(date, left);
  const bool rightOk = ParseFileTime(reference, right);
  if (leftOk && rightOk) return left < right && right - left > kTwoSeconds;
  if (rightOk) return true;
  if (leftOk) return false;
  return date < reference;
}

}  // namespace zelva::livery
