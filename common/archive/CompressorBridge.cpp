#include "CompressorBridge.h"

#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ArchiveCodes.h"
#include "ArchiveLog.h"
#include "CabinetWriter.h"
#include "FileSystem.h"
#include "WideNameEscape.h"
#include "WideText.h"

namespace Cabinet {

using namespace zelva::archive;
using zelva::win::AsUtf16;
using zelva::win::AsWide;

namespace {

constexpr uint16_t kNameIsUtf8 = 0x80;
constexpr uint32_t kPercentScaleLimit = 10000000;
constexpr uint32_t kTemporaryTries = 100000;

CabinetWriter& Of(void* writer) { return *static_cast<CabinetWriter*>(writer); }

void SetError(int* error, int value) {
  if (error != nullptr) *error = value;
}

// The compressor only ever sees names this writer escaped; anything else is
// not one of ours.
bool WidePath(const char* name, std::wstring& path) {
  std::u16string wide;
  if (name == nullptr || !zelva::text::UnescapeWideName(name, wide)) return false;
  path.assign(AsWide(wide));
  return true;
}

template <typename Result, typename Call>
Result Guarded(Result failure, int* error, Call call) {
  try {
    return call();
  } catch (const std::bad_alloc&) {
    Log("\n%s", kOutOfMemoryText);
    SetError(error, ENOMEM);
  } catch (...) {
    SetError(error, EIO);
  }
  return failure;
}

// Positioned writes into the cabinet file for the enciphering stream.
class HandleSink : public CipherSink {
 public:
  HandleSink(INT_PTR handle, int* error) : handle_(int(handle)), error_(error) {}
  bool WriteAt(uint32_t offset, const uint8_t* data, uint32_t count) override {
    if (_lseek(handle_, long(offset), SEEK_SET) != long(offset) || _write(handle_, data, count) != int(count)) {
      SetError(error_, errno);
      return false;
    }
    return true;
  }

 private:
  int handle_;
  int* error_;
};

}  // namespace

int DIAMONDAPI CompressorBridge::FilePlaced(PCCAB, char*, long, BOOL, void*) { return 0; }

void* DIAMONDAPI CompressorBridge::Alloc(ULONG size) { return std::malloc(size); }

void DIAMONDAPI CompressorBridge::Free(void* block) { std::free(block); }

INT_PTR DIAMONDAPI CompressorBridge::Open(char* name, int flags, int mode, int* error, void* context) {
  return Guarded<INT_PTR>(-1, error, [&]() -> INT_PTR {
    CabinetWriter& writer = Of(context);
    std::wstring path;
    if (!WidePath(name, path)) {
      SetError(error, EINVAL);
      return -1;
    }
    INT_PTR handle = _wopen(path.c_str(), flags, mode);
    if (handle == -1) {
      SetError(error, errno);
      return -1;
    }
    if (writer.cabinetPath_ == name) {
      writer.cabinetOpened_ = true;
      writer.cabinetHandle_ = handle;
      writer.cabinetPosition_ = 0;
      writer.cabinetLength_ = 0;
      writer.cipherStream_.reset(writer.cipher_.keySet ? new CipherStreamWriter(writer.cipher_) : nullptr);
    }
    return handle;
  });
}

UINT DIAMONDAPI CompressorBridge::Read(INT_PTR handle, void* buffer, UINT count, int* error, void*) {
  int got = _read(int(handle), buffer, count);
  if (got < 0) SetError(error, errno);
  return UINT(got);
}

UINT DIAMONDAPI CompressorBridge::Write(INT_PTR handle, void* buffer, UINT count, int* error, void* context) {
  CabinetWriter& writer = Of(context);
  if (handle != writer.cabinetHandle_) {
    int written = _write(int(handle), buffer, count);
    if (written < 0) SetError(error, errno);
    return UINT(written);
  }
  if (writer.cipherStream_ != nullptr) {
    HandleSink sink(handle, error);
    if (!writer.cipherStream_->Write(writer.cabinetPosition_, static_cast<const uint8_t*>(buffer), count, sink)) {
      SetError(error, EIO);
      return UINT(-1);
    }
  } else {
    if (_lseek(int(handle), long(writer.cabinetPosition_), SEEK_SET) == -1 ||
        _write(int(handle), buffer, count) != int(count)) {
      SetError(error, errno);
      return UINT(-1);
    }
  }
  writer.cabinetPosition_ += count;
  if (writer.cabinetPosition_ > writer.cabinetLength_) writer.cabinetLength_ = writer.cabinetPosition_;
  return count;
}

int DIAMONDAPI CompressorBridge::Close(INT_PTR handle, int* error, void* context) {
  CabinetWriter& writer = Of(context);
  bool finished = true;
  if (handle == writer.cabinetHandle_) {
    if (writer.cipherStream_ != nullptr) {
      HandleSink sink(handle, error);
      finished = writer.cipherStream_->Finish(sink);
      writer.cipherStream_.reset();
    }
    writer.cabinetHandle_ = -1;
  }
  int closed = _close(int(handle));
  if (closed != 0) SetError(error, errno);
  return finished ? closed : -1;
}

// The cabinet is written through a logical position: enciphered bytes may
// still wait in the partial block, so the file's own position can lag.
long DIAMONDAPI CompressorBridge::Seek(INT_PTR handle, long distance, int origin, int* error, void* context) {
  CabinetWriter& writer = Of(context);
  if (handle != writer.cabinetHandle_) {
    long position = _lseek(int(handle), distance, origin);
    if (position == -1) SetError(error, errno);
    return position;
  }
  int64_t base = origin == SEEK_SET ? 0 : origin == SEEK_CUR ? writer.cabinetPosition_ : writer.cabinetLength_;
  int64_t target = base + distance;
  if (target < 0 || target > 0x7FFFFFFF) {
    SetError(error, EINVAL);
    return -1;
  }
  writer.cabinetPosition_ = uint32_t(target);
  return long(target);
}

int DIAMONDAPI CompressorBridge::Delete(char* name, int* error, void*) {
  return Guarded<int>(-1, error, [&]() -> int {
    std::wstring path;
    if (!WidePath(name, path) || !DeleteFileW(path.c_str())) {
      SetError(error, ENOENT);
      return -1;
    }
    return 0;
  });
}

BOOL DIAMONDAPI CompressorBridge::TemporaryFile(char* name, int capacity, void* context) {
  return Guarded<BOOL>(FALSE, nullptr, [&]() -> BOOL {
    CabinetWriter& writer = Of(context);
    std::string folder = zelva::text::EscapeWideName(AsUtf16(writer.temporaryFolder_));
    for (uint32_t tries = 0; tries < kTemporaryTries; ++tries) {
      char candidate[32];
      std::snprintf(candidate, sizeof(candidate), "CabTemp%04u", writer.temporaryCounter_++);
      std::string text = folder + candidate;
      std::wstring path;
      if (!WidePath(text.c_str(), path)) return FALSE;
      if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) continue;
      if (text.size() + 1 > size_t(capacity)) return FALSE;
      std::memcpy(name, text.c_str(), text.size() + 1);
      return TRUE;
    }
    return FALSE;
  });
}

// One cabinet holds everything (its size limit is the format's).
BOOL DIAMONDAPI CompressorBridge::NextCabinet(PCCAB, ULONG, void*) { return FALSE; }

long DIAMONDAPI CompressorBridge::Status(UINT type, ULONG count1, ULONG count2, void* context) {
  CabinetWriter& writer = Of(context);
  if (writer.cancel_.load()) return -1;
  WriterStatus& status = writer.status_;
  status.lastCount1 = count1;
  status.lastCount2 = count2;
  long result = 0;
  if (type == statusFile) {
    status.totalCompressed += count1;
    status.totalUncompressed += count2;
  } else if (type == statusFolder) {
    // Scaled down first so that done * 100 stays within 32 bits.
    uint32_t done = count1, total = count2;
    while (done > kPercentScaleLimit) {
      done /= 8;
      total /= 8;
    }
    // An empty folder is written whole the moment it starts.
    status.percent = total != 0 ? done * 100 / total : 100;
  } else if (type == statusCabinet) {
    result = long(count2);  // the size the cabinet is to have: as written
  }
  if (writer.callback_ != nullptr) writer.callback_(type, &status, writer.user_);
  return writer.cancel_.load() ? -1 : result;
}

INT_PTR DIAMONDAPI CompressorBridge::OpenInfo(char* name, USHORT* date, USHORT* time, USHORT* attributes, int* error,
                                              void* context) {
  return Guarded<INT_PTR>(-1, error, [&]() -> INT_PTR {
    CabinetWriter& writer = Of(context);
    std::wstring path;
    if (!WidePath(name, path)) {
      SetError(error, EINVAL);
      return -1;
    }
    int handle = _wopen(path.c_str(), _O_RDONLY | _O_BINARY | _O_SEQUENTIAL);
    if (handle == -1) {
      SetError(error, errno);
      return -1;
    }
    BY_HANDLE_FILE_INFORMATION info = {};
    if (!GetFileInformationByHandle(reinterpret_cast<HANDLE>(_get_osfhandle(handle)), &info)) {
      SetError(error, EIO);
      _close(handle);
      return -1;
    }
    // Stored as UTC and marked so, which a reader then keeps as it is.
    FileTimeToDosDateTime(&info.ftLastWriteTime, date, time);
    *attributes = USHORT((info.dwFileAttributes & kKeptAttributes) | kTimeIsUtc |
                         (writer.nextNameIsUtf8_ ? kNameIsUtf8 : 0));
    return handle;
  });
}

}  // namespace Cabinet
