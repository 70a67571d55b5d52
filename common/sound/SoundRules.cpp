#include "SoundRules.h"

#include <cctype>

namespace zelva::sound {
namespace {

bool EqualsWithoutCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

}  // namespace

bool IsGroupName(std::string_view name) { return name.size() >= 3; }

bool IsActiveGroupName(std::string_view name) {
  return IsGroupName(name) && !EqualsWithoutCase(name, kAlternativeFolder) && !EqualsWithoutCase(name, kBackupFolder);
}

int FileValue(const FileDigests& digests) {
  if (digests.active.empty() || digests.alternative.empty() || digests.backup.empty()) return kNoValue;
  if (digests.alternative == digests.backup) return kNoValue;
  if (digests.active == digests.alternative) return kSecondAlternative;
  if (digests.active == digests.backup) return kFirstAlternative;
  return kNoAlternative;
}

void ActiveSetTally::Add(int value) {
  if (value == kNoValue) return;
  if (!seen_) {
    seen_ = true;
    result_ = value;
  } else if (value != result_) {
    result_ = kNoAlternative;
  }
}

}  // namespace zelva::sound
