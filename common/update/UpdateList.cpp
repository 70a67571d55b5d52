#include "UpdateList.h"

#include <cstdio>

#include "EntryNames.h"

namespace zelva::update {
namespace {

bool IsDecimal(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

int Sign(int value) { return value < 0 ? -1 : value > 0 ? 1 : 0; }

}  // namespace

int CompareStamps(std::string_view local, std::string_view listed) {
  if (IsDecimal(local) && IsDecimal(listed)) {
    while (local.size() > 1 && local.front() == '0') local.remove_prefix(1);
    while (listed.size() > 1 && listed.front() == '0') listed.remove_prefix(1);
    if (local.size() != listed.size()) return local.size() < listed.size() ? -1 : 1;
  }
  return Sign(local.compare(listed));
}

bool IsSafeListedName(std::u16string_view name) {
  if (name.empty() || name.size() > kListedNameChars) return false;
  std::u16string backslashed(name);
  for (char16_t& c : backslashed) {
    if (c < 0x20) return false;
    if (c == u'/') c = u'\\';
  }
  // Empty and "." components name nothing a list should carry.
  for (size_t start = 0; start <= backslashed.size();) {
    size_t end = backslashed.find(u'\\', start);
    if (end == std::u16string::npos) end = backslashed.size();
    std::u16string_view component = std::u16string_view(backslashed).substr(start, end - start);
    if (component.empty() || component == u".") return false;
    start = end + 1;
  }
  return archive::IsSafeEntryName(backslashed);
}

std::string FormatUpdateList(const std::vector<ListedFile>& files) {
  std::string text;
  char number[32];
  for (size_t i = 0; i < files.size(); ++i) {
    std::snprintf(number, sizeof(number), "%d", int(i));
    text += "[File ";
    text += number;
    text += "]\r\n";
    std::snprintf(number, sizeof(number), "%llu", static_cast<unsigned long long>(files[i].fileTime));
    text += "File_Date=";
    text += number;
    text += "\r\nFile_Name=" + files[i].name + "\r\nChecksum=" + files[i].checksum + "\r\n";
  }
  return text;
}

}  // namespace zelva::update
