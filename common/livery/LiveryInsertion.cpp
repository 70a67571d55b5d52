#include "LiveryInsertion.h"

#include <cstdio>

#include "LiveryText.h"

namespace zelva::livery {
namespace {

std::string_view TrimmedLeft(std::string_view line) {
  size_t start = line.find_first_not_of(" \t");
  return start == std::string_view::npos ? std::string_view() : line.substr(start);
}

bool IsSectionHeader(std::string_view line) {
  std::string_view trimmed = TrimmedLeft(line);
  return !trimmed.empty() && trimmed.front() == '[';
}

// The next line without its break; a CR before the LF belongs to the break.
std::string_view NextLine(std::string_view file, size_t& position) {
  size_t end = file.find('\n', position);
  size_t next = end == std::string_view::npos ? file.size() : end + 1;
  if (end == std::string_view::npos) end = file.size();
  std::string_view line = file.substr(position, end - position);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  position = next;
  return line;
}

void AppendLine(std::string& out, std::string_view line) {
  out.append(line);
  out.append("\r\n");
}

}  // namespace

bool IsEntryHeader(std::string_view line, int entry) {
  std::string_view trimmed = TrimmedLeft(line);
  size_t close = trimmed.find(']');
  if (trimmed.empty() || trimmed.front() != '[' || close == std::string_view::npos) return false;
  char expected[32];
  int length = std::snprintf(expected, sizeof(expected), "[fltsim.%01d]", entry);
  return EqualWithoutCase(trimmed.substr(0, close + 1), std::string_view(expected, size_t(length)));
}

std::string InsertEntrySection(std::string_view file, int entry, std::string_view keyStrings) {
  std::string out;
  out.reserve(file.size() + keyStrings.size() + 64);
  size_t position = 0;
  bool passedPrevious = false;
  bool held = false;
  std::string_view heldLine;
  while (position < file.size()) {
    std::string_view line = NextLine(file, position);
    if (IsSectionHeader(line)) {
      if (passedPrevious) {
        heldLine = line;
        held = true;
        break;
      }
      if (IsEntryHeader(line, entry - 1)) passedPrevious = true;
    }
    AppendLine(out, line);
  }

  char header[32];
  std::snprintf(header, sizeof(header), "[fltsim.%01d]", entry);
  AppendLine(out, header);
  ForEachKeyString(keyStrings, [&](std::string_view key) { AppendLine(out, key); });
  AppendLine(out, "");
  if (held) AppendLine(out, heldLine);
  while (position < file.size()) AppendLine(out, NextLine(file, position));
  return out;
}

}  // namespace zelva::livery
