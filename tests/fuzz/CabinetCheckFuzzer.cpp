// The check reads whatever a hostile header points at: every read it makes
// must stay inside the image and no larger than a URL block can serve, and a
// source that gives out early must be reported, never read past.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "CabinetCheck.h"

namespace {

class ImageBytes : public Cabinet::CabinetBytes {
 public:
  ImageBytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool ReadAt(uint32_t offset, uint8_t* out, uint32_t count) override {
    if (count > Cabinet::kCheckReadLimit) std::abort();
    if (uint64_t(offset) + count > size_) return false;
    std::memcpy(out, data_ + offset, count);
    return true;
  }

 private:
  const uint8_t* data_;
  size_t size_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ImageBytes bytes(data, size);
  const bool known = Cabinet::CheckCabinet(bytes, size).empty();
  // Without the length the same image may fail only where a read falls short.
  const bool unknown = Cabinet::CheckCabinet(bytes, Cabinet::kUnknownCabinetLength).empty();
  if (known && !unknown) std::abort();
  return 0;
}
