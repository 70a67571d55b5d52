#include "DecoderApi.h"

namespace zelva::archive {

bool DecoderApi::Load() {
  if (create != nullptr && copy != nullptr && isCabinet != nullptr && destroy != nullptr) return true;
  if (!library.Load("cabinet.dll")) return false;
  bool all = library.Entry("FDICreate", create);
  all = library.Entry("FDICopy", copy) && all;
  all = library.Entry("FDIIsCabinet", isCabinet) && all;
  all = library.Entry("FDIDestroy", destroy) && all;
  return all;
}

void DecoderApi::Release() {
  create = nullptr;
  copy = nullptr;
  isCabinet = nullptr;
  destroy = nullptr;
  library.reset();
}

}  // namespace zelva::archive
