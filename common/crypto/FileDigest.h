// The text digest that update lists and sound sets carry: MD5 over the
// characters a text-mode C runtime read of the file delivers (CR LF read as LF,
// end at the first 0x1A, 0x00 bytes dropped), followed by one 0xFF byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "Md5.h"

namespace zelva::crypto {

class TextModeDigest {
 public:
  // Feeds raw file bytes in any chunking.
  void Feed(const uint8_t* data, size_t length);
  // Ends the stream and returns 32 lower-case hex digits.
  std::string Finish();

 private:
  void Deliver(uint8_t c);

  Md5 md5_;
  uint8_t pending_[4096];
  size_t pendingCount_ = 0;
  bool carriageReturnHeld_ = false;
  bool ended_ = false;  // 0x1A seen
};

std::string TextDigestOfBytes(const void* data, size_t length);

// Digest of a file; false when it cannot be opened or read.
bool FileDigest(const char* path, std::string& hex);

}  // namespace zelva::crypto
