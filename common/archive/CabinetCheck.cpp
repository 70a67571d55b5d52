#include "CabinetCheck.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

namespace Cabinet {
namespace {

constexpr uint32_t kFixedHeader = 36;
constexpr uint32_t kReserveSizes = 4;
constexpr uint16_t kHasPrevious = 0x0001;
constexpr uint16_t kHasNext = 0x0002;
constexpr uint16_t kHasReserve = 0x0004;
constexpr uint32_t kMaxHeaderReserve = 60000;
constexpr uint32_t kMaxName = 256;  // with its terminator
constexpr uint32_t kFolderEntry = 8;
constexpr uint32_t kFileEntry = 16;
constexpr uint32_t kDataHeader = 8;
constexpr uint64_t kMaxBlockData = 32768;  // uncompressed bytes of one data block
constexpr uint16_t kContinuedFromPrevious = 0xFFFD;
constexpr uint16_t kContinuedToNext = 0xFFFE;
constexpr uint16_t kContinuedBoth = 0xFFFF;

uint16_t U16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
uint32_t U32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

std::string Say(const char* format, ...) {
  char text[160];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(text, sizeof(text), format, arguments);
  va_end(arguments);
  return text;
}

// None and MSZIP carry no parameters; Quantum a level of 1-7 and a memory of
// 2^10-2^21 bytes; LZX a window of 2^15-2^21 bytes.
bool KnownCompression(uint16_t type) {
  const unsigned level = (type >> 4) & 0xF, window = (type >> 8) & 0x1F;
  if (type & 0xE000) return false;
  switch (type & 0xF) {
    case 0:
    case 1:
      return (type & 0xFFF0) == 0;
    case 2:
      return level >= 1 && level <= 7 && window >= 10 && window <= 21;
    case 3:
      return level == 0 && window >= 15 && window <= 21;
    default:
      return false;
  }
}

// Reads below the declared end, a few hundred bytes at a time.
class Window {
 public:
  Window(CabinetBytes& bytes, uint32_t end) : bytes_(bytes), end_(end) {}

  // count bytes from offset (count at most kCheckReadLimit), or null when
  // they lie past the end or cannot be read.
  const uint8_t* At(uint32_t offset, uint32_t count) {
    if (uint64_t(offset) + count > end_) return nullptr;
    if (offset < start_ || uint64_t(offset) + count > uint64_t(start_) + filled_) {
      const uint32_t want = end_ - offset < kCheckReadLimit ? end_ - offset : kCheckReadLimit;
      filled_ = 0;
      if (!bytes_.ReadAt(offset, buffer_, want)) {
        unreadable_ = true;
        return nullptr;
      }
      start_ = offset;
      filled_ = want;
    }
    return buffer_ + (offset - start_);
  }

  // The length of the NUL-terminated text at offset, or -1 when it has no
  // terminator within its maximum or before the end.
  int TextLength(uint32_t offset) {
    if (offset >= end_) return -1;
    const uint32_t room = end_ - offset < kMaxName ? end_ - offset : kMaxName;
    const uint8_t* text = At(offset, room);
    if (text == nullptr) return -1;
    const void* terminator = std::memchr(text, 0, room);
    return terminator != nullptr ? int(static_cast<const uint8_t*>(terminator) - text) : -1;
  }

  bool unreadable() const { return unreadable_; }

  // What a failed At met: an unreadable source, or the end.
  std::string Failure(const char* what) const {
    return unreadable_ ? Say("it cannot be read as far as %s", what) : Say("%s runs past its end", what);
  }

 private:
  CabinetBytes& bytes_;
  const uint32_t end_;
  uint8_t buffer_[kCheckReadLimit];
  uint32_t start_ = 0;
  uint32_t filled_ = 0;
  bool unreadable_ = false;
};

struct Header {
  uint32_t size;
  uint32_t filesOffset;
  uint16_t folders;
  uint16_t files;
  uint16_t flags;
  uint32_t folderReserve = 0;
  uint32_t dataReserve = 0;
  uint32_t foldersOffset = kFixedHeader;
};

// The reserve sizes and the names of the neighbouring cabinets; on success
// header.foldersOffset is where the folder table starts.
std::string CheckOptionalFields(Window& window, Header& header) {
  uint32_t at = kFixedHeader;
  if (header.flags & kHasReserve) {
    const uint8_t* sizes = window.At(at, kReserveSizes);
    if (sizes == nullptr) return window.Failure("its reserve sizes");
    const uint32_t headerReserve = U16(sizes);
    header.folderReserve = sizes[2];
    header.dataReserve = sizes[3];
    if (headerReserve > kMaxHeaderReserve) return Say("its header reserve of %u bytes exceeds 60000", headerReserve);
    at += kReserveSizes + headerReserve;
    if (at > header.size) return "its header reserve runs past its end";
  }
  static const char* const kNames[] = {"previous cabinet name", "previous disk name", "next cabinet name",
                                       "next disk name"};
  for (int i = 0; i < 4; ++i) {
    if (!(header.flags & (i < 2 ? kHasPrevious : kHasNext))) continue;
    const int length = window.TextLength(at);
    if (length < 0 && window.unreadable()) return window.Failure("its header");
    if (length < 0) return Say("its %s is not terminated within %u bytes and its end", kNames[i], kMaxName);
    at += uint32_t(length) + 1;
  }
  header.foldersOffset = at;
  return {};
}

// Each folder's compression and data blocks; capacity receives the bytes
// each folder's blocks can hold.
std::string CheckFolders(Window& window, const Header& header, std::vector<uint64_t>& capacity) {
  const uint32_t entrySize = kFolderEntry + header.folderReserve;
  const uint64_t foldersEnd = header.foldersOffset + uint64_t(header.folders) * entrySize;
  if (foldersEnd > header.size) return Say("its folder table (%u folders) runs past its end", header.folders);
  if (header.filesOffset < foldersEnd)
    return Say("its file table at %u overlaps its header or folders", header.filesOffset);
  capacity.assign(header.folders, 0);
  for (uint32_t i = 0; i < header.folders; ++i) {
    const uint8_t* folder = window.At(header.foldersOffset + i * entrySize, kFolderEntry);
    if (folder == nullptr) return window.Failure("its folder table");
    const uint32_t dataOffset = U32(folder);
    const uint16_t blocks = U16(folder + 4), compression = U16(folder + 6);
    if (!KnownCompression(compression)) return Say("folder %u has the unknown compression 0x%04X", i, compression);
    if (dataOffset < foldersEnd) return Say("the data of folder %u at %u overlaps the header", i, dataOffset);
    if (dataOffset + uint64_t(blocks) * (kDataHeader + header.dataReserve) > header.size)
      return Say("the %u data blocks of folder %u run past its end", blocks, i);
    capacity[i] = blocks * kMaxBlockData;
  }
  return {};
}

// Each file's folder, name and place in its folder's data.
std::string CheckFiles(Window& window, const Header& header, const std::vector<uint64_t>& capacity) {
  if (header.filesOffset + uint64_t(header.files) * kFileEntry > header.size)
    return Say("its file table (%u files) runs past its end", header.files);
  uint32_t at = header.filesOffset;
  for (uint32_t i = 0; i < header.files; ++i) {
    const uint8_t* entry = window.At(at, kFileEntry);
    if (entry == nullptr) return window.Failure("its file table");
    const uint32_t size = U32(entry), offset = U32(entry + 4);
    const uint16_t folder = U16(entry + 8);
    const int nameLength = window.TextLength(at + kFileEntry);
    if (nameLength < 0 && window.unreadable()) return window.Failure("its file table");
    if (nameLength < 0) return Say("the name of file %u is not terminated within %u bytes and its end", i, kMaxName);
    at += kFileEntry + uint32_t(nameLength) + 1;
    if (folder == kContinuedFromPrevious || folder == kContinuedToNext || folder == kContinuedBoth) {
      const bool fromPrevious = folder != kContinuedToNext, toNext = folder != kContinuedFromPrevious;
      if ((fromPrevious && !(header.flags & kHasPrevious)) || (toNext && !(header.flags & kHasNext)))
        return Say("file %u continues into a cabinet the header does not name", i);
      continue;
    }
    if (folder >= header.folders) return Say("file %u lies in folder %u of %u", i, folder, header.folders);
    if (uint64_t(offset) + size > capacity[folder])
      return Say("file %u claims more data than its folder's blocks hold", i);
  }
  return {};
}

}  // namespace

std::string CheckCabinet(CabinetBytes& bytes, uint64_t length) {
  if (length < kFixedHeader) return "it is shorter than a cabinet header";
  uint8_t fixed[kFixedHeader];
  if (!bytes.ReadAt(0, fixed, kFixedHeader)) return "its header cannot be read";
  if (std::memcmp(fixed, "MSCF", 4) != 0 && std::memcmp(fixed, "CRYP", 4) != 0) return "it has no cabinet signature";
  Header header = {U32(fixed + 8), U32(fixed + 16), U16(fixed + 26), U16(fixed + 28), U16(fixed + 30)};
  if (header.size < kFixedHeader) return Say("it declares %u bytes, fewer than its header", header.size);
  if (length != kUnknownCabinetLength && header.size > length)
    return Say("it declares %u bytes but holds %llu", header.size, static_cast<unsigned long long>(length));
  if (header.flags & ~(kHasPrevious | kHasNext | kHasReserve))
    return Say("its header flags 0x%04X are unknown", header.flags);
  if (header.folders == 0) return "it declares no folders";
  Window window(bytes, header.size);
  std::string problem = CheckOptionalFields(window, header);
  std::vector<uint64_t> capacity;
  if (problem.empty()) problem = CheckFolders(window, header, capacity);
  if (problem.empty()) problem = CheckFiles(window, header, capacity);
  return problem;
}

}  // namespace Cabinet
