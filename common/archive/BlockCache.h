// Block caches of the streamed URL source. The decoder reads the cabinet's
// start, then each folder's data blocks in order; a cache for the start and a
// pair of alternating blocks per open handle turn those reads into whole-block
// range requests without fetching anything twice.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zelva::archive {

class RangeFetcher {
 public:
  virtual ~RangeFetcher() = default;
  // Fills buffer with up to size bytes from offset on: the bytes received
  // (fewer at the end of the file), or -1.
  virtual int64_t Fetch(uint32_t offset, uint8_t* buffer, uint32_t size) = 0;
};

enum class CacheFault { kNone, kNotInitialized, kBlockTooSmall, kFetchFailed };

// Texts of the two guards, as logged.
const char* CacheFaultText(CacheFault fault);

class CMemBlock {
 public:
  explicit CMemBlock(const char* name) : name_(name) {}
  CMemBlock(const CMemBlock&) = delete;
  CMemBlock& operator=(const CMemBlock&) = delete;

  void Initialize(uint32_t blockSize, RangeFetcher* fetcher);
  void Release();

  bool Holds(uint32_t position) const { return position >= offset_ && position - offset_ < valid_; }
  // True when the last refill stopped short of a full block: the file ends
  // at offset + valid.
  bool EndsFile() const { return endsFile_; }
  // Copies what the block holds from position on (at most count bytes),
  // refilling it from position first when it does not hold position.
  // Returns the bytes copied, or -1 with fault set.
  int64_t Read(uint32_t position, uint8_t* out, uint32_t count, CacheFault& fault);

  const std::string& name() const { return name_; }
  uint32_t offset() const { return offset_; }
  uint32_t valid() const { return valid_; }

 private:
  std::string name_;
  std::vector<uint8_t> buffer_;
  uint32_t offset_ = 0;
  uint32_t valid_ = 0;
  bool endsFile_ = false;
  RangeFetcher* fetcher_ = nullptr;
};

class CMemBlockPair {
 public:
  CMemBlockPair(const char* nameA, const char* nameB) : a_(nameA), b_(nameB) {}
  void Initialize(uint32_t blockSize, RangeFetcher* fetcher);
  void Release();
  int64_t Read(uint32_t position, uint8_t* out, uint32_t count, CacheFault& fault);

  const CMemBlock& a() const { return a_; }
  const CMemBlock& b() const { return b_; }

 private:
  CMemBlock a_;
  CMemBlock b_;
};

class StreamedCache {
 public:
  static constexpr uint32_t kMinimumBlockSize = 500;

  StreamedCache();
  // Block sizes of 500 and less become 500.
  void Setup(uint32_t blockSize, RangeFetcher* fetcher);
  void Release();
  uint32_t blockSize() const { return blockSize_; }

  // A read for the source handle with the given identifier; -1 with fault
  // set on failure.
  int64_t Read(uint32_t handleId, uint32_t position, uint8_t* out, uint32_t count, CacheFault& fault);

 private:
  uint32_t blockSize_ = 0;
  CMemBlock first_;
  CMemBlockPair pairs_[2];
};

}  // namespace zelva::archive
