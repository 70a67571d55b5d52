#pragma once
#include <cstdint>

namespace zelva::crypto {
extern const uint32_t kBlowfishInitialSubkeys[18];
extern const uint32_t kBlowfishInitialSBoxes[4][256];
}  // namespace zelva::crypto
