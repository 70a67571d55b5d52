// The consistency check a cabinet passes before the platform decoder sees
// it. The decoder trusts the header's counts and offsets; a crafted header
// (no folders, a file in a folder that does not exist, a table past the end)
// makes it read through null or stale pointers. Only the header, the folder
// table and the file table are read, so a cabinet at a URL is not fetched
// whole for it.
#pragma once

#include <cstdint>
#include <string>

namespace Cabinet {

// The cabinet's plain bytes (deciphered where it is enciphered).
class CabinetBytes {
 public:
  virtual ~CabinetBytes() = default;
  // Exactly count bytes from offset, or false.
  virtual bool ReadAt(uint32_t offset, uint8_t* out, uint32_t count) = 0;
};

// No single read asks for more: the smallest block of a URL source holds 500
// bytes, and a deciphering read rounds out to whole 8-byte blocks.
constexpr uint32_t kCheckReadLimit = 480;
constexpr uint64_t kUnknownCabinetLength = ~uint64_t(0);

// Empty when the header, folders and files agree with each other and with
// length (the source's size, kUnknownCabinetLength where it cannot tell);
// otherwise what is wrong, as a short phrase for the log.
std::string CheckCabinet(CabinetBytes& bytes, uint64_t length);

}  // namespace Cabinet
