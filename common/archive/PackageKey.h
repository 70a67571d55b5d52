// The key both deliverables set before reading or writing a package (.zlp):
// its 17 ASCII characters, no terminator.
#pragma once

#include <cstdint>

namespace zelva::archive {

constexpr char kPackageKeyText[] = "KXRT_VaultSigil42";
constexpr uint32_t kPackageKeyLength = sizeof(kPackageKeyText) - 1;

inline const uint8_t* PackageKey() { return reinterpret_cast<const uint8_t*>(kPackageKeyText); }

}  // namespace zelva::archive
