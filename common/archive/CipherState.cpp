#include "CipherState.h"

namespace zelva::archive {

void CipherState::SetKey(size_t length, const uint8_t* key) {
  keySet = false;
  fill = -1;
  if (length == 0 || key == nullptr) return;
  keySet = cipher.SetKey(key, length);
  if (keySet) fill = 0;
}

}  // namespace zelva::archive
