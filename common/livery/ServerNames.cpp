#include "ServerNames.h"

#include "EntryNames.h"

namespace zelva::livery {
namespace {

// Bytes of the system code page widened one by one: every character the
// checks look at is ASCII, and no byte is lost.
std::u16string Widened(std::string_view text) {
  std::u16string wide;
  wide.reserve(text.size());
  for (char c : text) wide.push_back(char16_t(static_cast<unsigned char>(c)));
  return wide;
}

bool IsCaseless(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char a = text[i], b = prefix[i];
    if (a >= 'A' && a <= 'Z') a = char(a - 'A' + 'a');
    if (b >= 'A' && b <= 'Z') b = char(b - 'A' + 'a');
    if (a != b) return false;
  }
  return true;
}

}  // namespace

bool IsPlainServerName(std::string_view name) {
  if (name.empty() || name.back() == '.' || name.back() == ' ') return false;
  for (char c : name) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) return false;
    switch (c) {
      case '<': case '>': case '"': case '|': case '?': case '*':
        return false;
      default:
        break;
    }
  }
  return archive::IsPlainFileName(Widened(name));
}

bool IsPackageTextureFile(std::string_view path, std::string* textureFolder) {
  constexpr std::string_view kPrefix = "Texture.";
  size_t separator = path.find('\\');
  if (separator == std::string_view::npos || !IsCaseless(path, kPrefix)) return false;
  std::string_view folder = path.substr(0, separator);
  std::string_view file = path.substr(separator + 1);
  if (folder.size() == kPrefix.size()) return false;  // "Texture." names no texture
  if (!IsPlainServerName(folder) || !IsPlainServerName(file)) return false;
  if (textureFolder != nullptr) textureFolder->assign(folder);
  return true;
}

}  // namespace zelva::livery
