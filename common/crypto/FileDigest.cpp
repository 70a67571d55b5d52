#include "FileDigest.h"

#include <cstdio>
#include <memory>

namespace zelva::crypto {
namespace {
constexpr uint8_t kCarriageReturn = 0x0D;
constexpr uint8_t kLineFeed = 0x0A;
constexpr uint8_t kEndOfText = 0x1A;
// The runtime's end-of-file value, taken as a character by the original reader.
constexpr uint8_t kEndOfFileChar = 0xFF;
}  // namespace

void TextModeDigest::Deliver(uint8_t c) {
  if (c == 0) return;
  pending_[pendingCount_++] = c;
  if (pendingCount_ == sizeof(pending_)) {
    md5_.Update(pending_, pendingCount_);
    pendingCount_ = 0;
  }
}

void TextModeDigest::Feed(const uint8_t* data, size_t length) {
  for (size_t i = 0; i < length && !ended_; ++i) {
    uint8_t c = data[i];
    if (carriageReturnHeld_) {
      carriageReturnHeld_ = false;
      if (c == kLineFeed) {
        Deliver(kLineFeed);
        continue;
      }
      Deliver(kCarriageReturn);
    }
    if (c == kEndOfText) {
      ended_ = true;
    } else if (c == kCarriageReturn) {
      carriageReturnHeld_ = true;
    } else {
      Deliver(c);
    }
  }
}

std::string TextModeDigest::Finish() {
  if (carriageReturnHeld_) Deliver(kCarriageReturn);
  carriageReturnHeld_ = false;
  Deliver(kEndOfFileChar);
  md5_.Update(pending_, pendingCount_);
  pendingCount_ = 0;
  uint8_t digest[Md5::kDigestSize];
  md5_.Final(digest);
  return Md5::ToHex(digest);
}

std::string TextDigestOfBytes(const void* data, size_t length) {
  TextModeDigest digest;
  digest.Feed(static_cast<const uint8_t*>(data), length);
  return digest.Finish();
}

bool FileDigest(const char* path, std::string& hex) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path, "rb"), &std::fclose);
  if (!file) return false;
  TextModeDigest digest;
  uint8_t chunk[65536];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof(chunk), file.get())) > 0) digest.Feed(chunk, got);
  if (std::ferror(file.get())) return false;
  hex = digest.Finish();
  return true;
}

}  // namespace zelva::crypto
