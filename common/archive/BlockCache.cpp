#include "BlockCache.h"

#include <cstring>

namespace zelva::archive {

const char* CacheFaultText(CacheFault fault) {
  switch (fault) {
    case CacheFault::kNotInitialized:
      return "The CMemBlock cache is not intialized!";
    case CacheFault::kBlockTooSmall:
      return "Cache blocksize too small!";
    case CacheFault::kFetchFailed:
      return "Range request failed";
    case CacheFault::kNone:
      break;
  }
  return "";
}

void CMemBlock::Initialize(uint32_t blockSize, RangeFetcher* fetcher) {
  buffer_.assign(blockSize, 0);
  fetcher_ = fetcher;
  offset_ = 0;
  valid_ = 0;
  endsFile_ = false;
}

void CMemBlock::Release() {
  std::vector<uint8_t>().swap(buffer_);
  fetcher_ = nullptr;
  offset_ = 0;
  valid_ = 0;
  endsFile_ = false;
}

int64_t CMemBlock::Read(uint32_t position, uint8_t* out, uint32_t count, CacheFault& fault) {
  if (buffer_.empty() || fetcher_ == nullptr) {
    fault = CacheFault::kNotInitialized;
    return -1;
  }
  if (count > buffer_.size()) {
    fault = CacheFault::kBlockTooSmall;
    return -1;
  }
  if (!Holds(position)) {
    valid_ = 0;
    endsFile_ = false;
    int64_t got = fetcher_->Fetch(position, buffer_.data(), uint32_t(buffer_.size()));
    if (got < 0) {
      fault = CacheFault::kFetchFailed;
      return -1;
    }
    offset_ = position;
    valid_ = uint32_t(got);
    endsFile_ = valid_ < buffer_.size();
    if (valid_ == 0) return 0;
  }
  uint32_t available = offset_ + valid_ - position;
  uint32_t take = available < count ? available : count;
  std::memcpy(out, buffer_.data() + (position - offset_), take);
  return take;
}

void CMemBlockPair::Initialize(uint32_t blockSize, RangeFetcher* fetcher) {
  a_.Initialize(blockSize, fetcher);
  b_.Initialize(blockSize, fetcher);
}

void CMemBlockPair::Release() {
  a_.Release();
  b_.Release();
}

int64_t CMemBlockPair::Read(uint32_t position, uint8_t* out, uint32_t count, CacheFault& fault) {
  CMemBlock& first = b_.Holds(position) ? b_ : a_;
  CMemBlock& other = &first == &a_ ? b_ : a_;
  int64_t copied = first.Read(position, out, count, fault);
  if (copied < 0) return -1;
  // Past the end of the file there is nothing the other block could fetch.
  if (uint32_t(copied) == count || first.EndsFile()) return copied;
  int64_t rest = other.Read(position + uint32_t(copied), out + copied, count - uint32_t(copied), fault);
  if (rest < 0) return -1;
  return copied + rest;
}

StreamedCache::StreamedCache() : first_("Fi"), pairs_{{"1A", "1B"}, {"2A", "2B"}} {}

void StreamedCache::Setup(uint32_t blockSize, RangeFetcher* fetcher) {
  blockSize_ = blockSize <= kMinimumBlockSize ? kMinimumBlockSize : blockSize;
  first_.Initialize(blockSize_, fetcher);
  for (CMemBlockPair& pair : pairs_) pair.Initialize(blockSize_, fetcher);
}

void StreamedCache::Release() {
  blockSize_ = 0;
  first_.Release();
  for (CMemBlockPair& pair : pairs_) pair.Release();
}

int64_t StreamedCache::Read(uint32_t handleId, uint32_t position, uint8_t* out, uint32_t count, CacheFault& fault) {
  fault = CacheFault::kNone;
  if (uint64_t(position) + count < blockSize_) return first_.Read(position, out, count, fault);
  // The decoder opens a cabinet at most twice at a time; a further handle
  // shares a pair, which costs refills but stays correct.
  return pairs_[handleId % 2].Read(position, out, count, fault);
}

}  // namespace zelva::archive
