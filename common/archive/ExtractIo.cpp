// The decoder's file callbacks: every byte of the cabinet passes through here,
// which is where deciphering, the signature check and the header check happen.
#include <algorithm>
#include <cstring>

#include "ArchiveCodes.h"
#include "ArchiveLog.h"
#include "CabinetCheck.h"
#include "CipherRead.h"
#include "Extract.h"
#include "WideText.h"

namespace Cabinet {

using namespace zelva::archive;
using zelva::win::BytesFromWide;
using zelva::win::WideFromBytes;

namespace {

constexpr int kReadPermission = 0x100;

// The extractor's own (virtual) file operations on one handle, as the
// deciphering read sees them.
class HandleSource : public CipherSource {
 public:
  HandleSource(CExtract& extractor, INT_PTR handle) : extractor_(extractor), handle_(handle) {}
  bool SeekTo(uint32_t offset) override { return extractor_.FileSeek(handle_, long(offset), SEEK_SET) == long(offset); }
  int64_t Read(uint8_t* buffer, uint32_t count) override {
    UINT got = extractor_.FileRead(handle_, buffer, count);
    return got == UINT(-1) ? -1 : int64_t(got);
  }

 private:
  CExtract& extractor_;
  INT_PTR handle_;
};

template <class Read>
class BytesOf : public CabinetBytes {
 public:
  explicit BytesOf(Read read) : read_(read) {}
  bool ReadAt(uint32_t offset, uint8_t* out, uint32_t count) override { return read_(offset, out, count); }

 private:
  Read read_;
};

}  // namespace

INT_PTR CExtract::DecoderOpen(const char* name, int flags) {
  std::wstring path = WideFromBytes(name != nullptr ? name : "", CP_UTF8);
  // Whatever a cabinet's header says, the decoder reads nothing from elsewhere.
  if (!MayOpenCabinet(path)) {
    Log("\n\tCabinet outside the package's folder refused: %s", BytesFromWide(path, CP_ACP).c_str());
    SetError(kUnsafeCabinetName);
    halted_ = true;
    return -1;
  }
  INT_PTR handle = FileOpen(path.c_str(), flags, kReadPermission);
  if (handle != -1) handles_.Add(handle, 0);
  return handle;
}

bool CExtract::ReadCabinetAt(INT_PTR handle, uint32_t offset, uint8_t* out, uint32_t count) {
  if (offset > 0x7FFFFFFFu || FileSeek(handle, long(offset), SEEK_SET) != long(offset)) return false;
  if (cipher_.keySet) {
    HandleSource source(*this, handle);
    return DecipherRead(cipher_, decipherBuffer_.data(), source, offset, out, count) == int64_t(count);
  }
  for (uint32_t done = 0; done < count;) {
    UINT got = FileRead(handle, out + done, count - done);
    if (got == UINT(-1) || got == 0) return false;
    done += got;
  }
  return true;
}

bool CExtract::CabinetIsConsistent(INT_PTR handle, uint32_t resumeAt) {
  checkedHandles_.push_back(handle);
  const long end = FileSeek(handle, 0, SEEK_END);
  BytesOf bytes(
      [&](uint32_t offset, uint8_t* out, uint32_t count) { return ReadCabinetAt(handle, offset, out, count); });
  const std::string problem = CheckCabinet(bytes, end >= 0 ? uint64_t(end) : kUnknownCabinetLength);
  const bool resumed = FileSeek(handle, long(resumeAt), SEEK_SET) == long(resumeAt);
  if (problem.empty()) return resumed;
  Log("\n\tDamaged cabinet: %s", problem.c_str());
  // A source that failed to deliver has said why already.
  if (error_.code == 0 && error_.systemError == 0) SetError(kCorruptCabinet);
  halted_ = true;
  return false;
}

UINT CExtract::DecoderRead(INT_PTR handle, void* buffer, UINT count) {
  if (halted()) return UINT(-1);
  uint32_t position = 0;
  handles_.Position(handle, position);
  uint8_t* out = static_cast<uint8_t*>(buffer);
  int64_t got;
  if (!cipher_.keySet) {
    UINT read = FileRead(handle, out, count);
    if (read == UINT(-1)) return UINT(-1);
    got = read;
  } else {
    HandleSource source(*this, handle);
    got = DecipherRead(cipher_, decipherBuffer_.data(), source, position, out, count);
    if (got < 0) return UINT(-1);
  }
  if (position == 0 && got >= 4) {
    switch (CheckSignature(out, cipher_.keySet)) {
      case Signature::kPlain:
        break;
      case Signature::kEnciphered:
        std::memcpy(out, "MSCF", 4);
        break;
      case Signature::kKeyButPlain:
        SetError(kKeyButPlain);
        return UINT(-1);
      case Signature::kEncipheredWithoutKey:
        SetError(kEncipheredWithoutKey);
        return UINT(-1);
      case Signature::kNotACabinet:
        SetError(kNotACabinet);
        return UINT(-1);
    }
    if (std::find(checkedHandles_.begin(), checkedHandles_.end(), handle) == checkedHandles_.end() &&
        !CabinetIsConsistent(handle, uint32_t(got)))
      return UINT(-1);
  }
  handles_.SetPosition(handle, position + uint32_t(got));
  return UINT(got);
}

UINT CExtract::DecoderWrite(INT_PTR handle, const void* buffer, UINT count) {
  if (halted()) return UINT(-1);
  if (toMemory_) {
    if (uint64_t(memory_.used) + count > memory_.capacity) {
      SetError(kMemoryFileOverflow);
      return UINT(-1);
    }
    std::memcpy(memory_.data + memory_.used, buffer, count);
    memory_.used += count;
    return count;
  }
  UINT written = FileWrite(handle, buffer, count);
  if (written == UINT(-1) || handle != output_.handle) return written;
  output_.written += written;
  if (callbacks_.progress != nullptr) ReportProgress();
  return written;
}

int CExtract::DecoderClose(INT_PTR handle) {
  handles_.Remove(handle);
  checkedHandles_.erase(std::remove(checkedHandles_.begin(), checkedHandles_.end(), handle), checkedHandles_.end());
  if (toMemory_ && handle == memoryHandle_) {
    memoryHandle_ = -1;
    return 0;
  }
  // The decoder closes an output file itself only when it gives up on it.
  if (handle == output_.handle) {
    AbandonOutput();
    return 0;
  }
  return FileClose(handle);
}

long CExtract::DecoderSeek(INT_PTR handle, long distance, int origin) {
  long position = FileSeek(handle, distance, origin);
  if (position != -1) handles_.SetPosition(handle, uint32_t(position));
  return position;
}

}  // namespace Cabinet
