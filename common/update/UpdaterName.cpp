#include "UpdaterName.h"

#include "EntryNames.h"

namespace zelva::update {
namespace {

bool IsPlainCharacter(char c) {
  if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
  switch (c) {
    case '\\': case ':': case '?': case '#': case '*': case '"': case '<': case '>': case '|':
      return false;
  }
  return true;
}

}  // namespace

UpdaterName UpdaterNameFromUrl(std::string_view url, std::string& name) {
  name.clear();
  size_t slash = url.rfind('/');
  if (slash == std::string_view::npos) return UpdaterName::kNoSlash;
  std::string_view candidate = url.substr(slash + 1);
  if (candidate.empty() || candidate.back() == '.' || candidate.back() == ' ') return UpdaterName::kRefused;
  std::u16string wide;
  for (char c : candidate) {
    if (!IsPlainCharacter(c)) return UpdaterName::kRefused;
    wide.push_back(char16_t(static_cast<unsigned char>(c)));
  }
  if (!archive::IsSafeEntryName(wide)) return UpdaterName::kRefused;
  name.assign(candidate);
  return UpdaterName::kAccepted;
}

}  // namespace zelva::update
