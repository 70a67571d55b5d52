#include "EntryNames.h"

namespace zelva::archive {
namespace {

char16_t Upper(char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - u'a' + u'A') : c; }

bool EqualsUpper(std::u16string_view text, std::u16string_view upper) {
  if (text.size() != upper.size()) return false;
  for (size_t i = 0; i < text.size(); ++i)
    if (Upper(text[i]) != upper[i]) return false;
  return true;
}

// The platform drops trailing dots and spaces of a component, so ".. " and
// "..." are as good as "..".
bool ClimbsUp(std::u16string_view component) {
  size_t dots = 0;
  for (char16_t c : component) {
    if (c == u'.')
      ++dots;
    else if (c != u' ')
      return false;
  }
  return dots >= 2;
}

}  // namespace

bool IsDeviceName(std::u16string_view component) {
  size_t dot = component.find(u'.');
  std::u16string_view base = component.substr(0, dot);
  while (!base.empty() && base.back() == u' ') base.remove_suffix(1);
  static const std::u16string_view kPlain[] = {u"CON", u"PRN", u"AUX", u"NUL", u"CONIN$", u"CONOUT$"};
  for (std::u16string_view device : kPlain)
    if (EqualsUpper(base, device)) return true;
  if (base.size() == 4 && (EqualsUpper(base.substr(0, 3), u"COM") || EqualsUpper(base.substr(0, 3), u"LPT"))) {
    char16_t digit = base[3];
    return (digit >= u'1' && digit <= u'9') || digit == u'\u00B9' || digit == u'\u00B2' || digit == u'\u00B3';
  }
  return false;
}

bool IsSafeEntryName(std::u16string_view name) {
  if (name.empty() || name.front() == u'\\' || name.back() == u'\\') return false;
  if (name.find(u':') != std::u16string_view::npos) return false;
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = name.find(u'\\', start);
    if (end == std::u16string_view::npos) end = name.size();
    std::u16string_view component = name.substr(start, end - start);
    if (ClimbsUp(component) || IsDeviceName(component)) return false;
    start = end + 1;
  }
  return true;
}

bool IsPlainFileName(std::u16string_view name) {
  if (name.find_first_of(u"\\/") != std::u16string_view::npos) return false;
  if (name.find_first_not_of(u". ") == std::u16string_view::npos) return false;  // the folder itself
  return IsSafeEntryName(name);
}

bool NamesADevice(std::u16string_view path) {
  auto separator = [](char16_t c) { return c == u'\\' || c == u'/'; };
  if (path.size() >= 4 && separator(path[0]) && separator(path[1]) && path[2] == u'.' && separator(path[3]))
    return true;
  std::u16string_view name = SplitEntryName(path).file;
  return IsDeviceName(name.substr(0, name.find(u':')));
}

EntryNameParts SplitEntryName(std::u16string_view name) {
  size_t slash = name.find_last_of(u"\\/");
  if (slash == std::u16string_view::npos) return {std::u16string_view(), name};
  return {name.substr(0, slash + 1), name.substr(slash + 1)};
}

}  // namespace zelva::archive
