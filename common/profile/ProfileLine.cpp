#include "ProfileLine.h"

namespace zelva::profile {
namespace {

char Fold(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

}  // namespace

bool IsProfileSpace(char c) { return (c >= '\t' && c <= '\r') || c == '\x1a' || c == ' '; }

std::string_view TrimLeft(std::string_view text) {
  size_t start = 0;
  while (start < text.size() && IsProfileSpace(text[start])) ++start;
  return text.substr(start);
}

std::string_view TrimRight(std::string_view text) {
  size_t end = text.size();
  while (end > 0 && IsProfileSpace(text[end - 1])) --end;
  return text.substr(0, end);
}

std::string_view Trim(std::string_view text) { return TrimRight(TrimLeft(text)); }

std::string_view UpToNul(std::string_view text) {
  size_t end = text.find('\0');
  return end == std::string_view::npos ? text : text.substr(0, end);
}

bool SameName(std::string_view a, std::string_view b) {
  a = UpToNul(a);
  b = UpToNul(b);
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Fold(a[i]) != Fold(b[i])) return false;
  return true;
}

bool HeaderNameRange(std::string_view line, size_t& start, size_t& length) {
  std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() != '[') return false;
  size_t close = trimmed.rfind(']');
  if (close == std::string_view::npos || close == 0) return false;
  std::string_view inner = trimmed.substr(1, close - 1);
  std::string_view name = Trim(inner);
  start = size_t(name.data() - line.data());
  length = name.size();
  return true;
}

bool HeaderName(std::string_view line, std::string_view& name) {
  size_t start = 0, length = 0;
  if (!HeaderNameRange(line, start, length)) return false;
  name = UpToNul(line.substr(start, length));
  return true;
}

bool IsBlankOrComment(std::string_view line) {
  std::string_view trimmed = TrimLeft(line);
  return TrimRight(trimmed).empty() || trimmed.front() == ';';
}

bool ParseKeyLine(std::string_view line, KeyLine& key) {
  std::string_view trimmed = Trim(line);
  if (trimmed.empty()) return false;
  size_t equals = trimmed.find('=');
  key = KeyLine();
  if (equals == std::string_view::npos) {
    key.rawName = trimmed;
    return true;
  }
  key.rawName = TrimRight(trimmed.substr(0, equals));
  key.value = UpToNul(TrimLeft(trimmed.substr(equals + 1)));
  key.hasValue = true;
  return true;
}

}  // namespace zelva::profile
