#include "VersionCompare.h"

#include <cstddef>
#include <cstring>
#include <string_view>

namespace zelva::update {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// Digit strings of any length, without converting them: no part can overflow.
int CompareNumbers(std::string_view a, std::string_view b) {
  while (!a.empty() && a.front() == '0') a.remove_prefix(1);
  while (!b.empty() && b.front() == '0') b.remove_prefix(1);
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  int order = a.compare(b);
  return order < 0 ? -1 : order > 0 ? 1 : 0;
}

int CompareText(std::string_view a, std::string_view b) {
  size_t common = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < common; ++i) {
    unsigned char x = static_cast<unsigned char>(Lower(a[i]));
    unsigned char y = static_cast<unsigned char>(Lower(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

size_t LeadingDigits(std::string_view part) {
  size_t n = 0;
  while (n < part.size() && IsDigit(part[n])) ++n;
  return n;
}

int CompareParts(std::string_view a, std::string_view b) {
  if (a.empty()) a = "0";
  if (b.empty()) b = "0";
  size_t digitsA = LeadingDigits(a), digitsB = LeadingDigits(b);
  if ((digitsA == 0) != (digitsB == 0)) return digitsA != 0 ? 1 : -1;
  int order = CompareNumbers(a.substr(0, digitsA), b.substr(0, digitsB));
  if (order != 0) return order;
  return CompareText(a.substr(digitsA), b.substr(digitsB));
}

// The next part of text at position; advances past its dot.
std::string_view NextPart(std::string_view text, size_t& position) {
  if (position >= text.size()) {
    position = text.size() + 1;
    return {};
  }
  size_t dot = text.find('.', position);
  if (dot == std::string_view::npos) dot = text.size();
  std::string_view part = text.substr(position, dot - position);
  position = dot + 1;
  return part;
}

}  // namespace

int CompareVersions(const char* a, const char* b) {
  std::string_view left = a != nullptr ? a : "", right = b != nullptr ? b : "";
  size_t atLeft = 0, atRight = 0;
  while (atLeft <= left.size() || atRight <= right.size()) {
    std::string_view partLeft = NextPart(left, atLeft), partRight = NextPart(right, atRight);
    int order = CompareParts(partLeft, partRight);
    if (order != 0) return order;
  }
  return 0;
}

}  // namespace zelva::update
