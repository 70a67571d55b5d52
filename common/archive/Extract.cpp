#include "Extract.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <new>
#include <set>

#include "ArchiveCodes.h"
#include "ArchiveLog.h"
#include "DecoderBridge.h"
#include "EntryNames.h"
#include "ThreadSlot.h"
#include "WideText.h"

namespace Cabinet {

using namespace zelva::archive;
using zelva::win::AsUtf16;
using zelva::win::BytesFromWide;

namespace {

constexpr int kProcessor80386 = 1;

std::wstring Lowercase(std::wstring text) {
  if (!text.empty()) CharLowerBuffW(text.data(), DWORD(text.size()));
  return text;
}

}  // namespace

CExtract::CExtract() : ownerThread_(GetCurrentThreadId()) {}

CExtract::~CExtract() {
  if (context_ != nullptr && decoder_.destroy != nullptr) decoder_.destroy(context_);
  context_ = nullptr;
  UnbindExtractor(this);
  std::free(memory_.data);
  decoder_.Release();
}

void CExtract::Cancel() { RequestCancel(); }

UINT CExtract::FileRead(INT_PTR handle, void* buffer, UINT count) {
  return UINT(_read(int(handle), buffer, count));
}

UINT CExtract::FileWrite(INT_PTR handle, const void* buffer, UINT count) {
  return UINT(_write(int(handle), buffer, count));
}

int CExtract::FileClose(INT_PTR handle) { return _close(int(handle)); }

long CExtract::FileSeek(INT_PTR handle, long distance, int origin) { return _lseek(int(handle), distance, origin); }

INT_PTR CExtract::FileOpen(const wchar_t* path, int flags, int mode) {
  if (flags & _O_CREAT) SetFileAttributesW(path, FILE_ATTRIBUTE_NORMAL);
  return _wopen(path, flags, mode);
}

void CExtract::SetError(uint32_t code, uint32_t systemError, uint32_t httpStatus) {
  error_.code = code;
  error_.systemError = systemError;
  error_.httpStatus = httpStatus;
}

bool CExtract::OnOwnerThread() {
  if (GetCurrentThreadId() == ownerThread_) return true;
  SetError(kWrongThread);
  return false;
}

bool CExtract::OpenDecoder() {
  if (!OnOwnerThread()) return false;
  CExtract* bound = BoundExtractor();
  if (bound != nullptr && bound != this) {
    SetError(kThreadTaken);
    return false;
  }
  if (bound == nullptr && !BindExtractor(this)) {
    SetError(0, kOutOfMemory);
    return false;
  }
  error_ = {};
  decoderError_ = {};
  if (context_ != nullptr) return false;
  if (!decoder_.Load()) {
    SetError(kDecoderMissing);
    return false;
  }
  context_ = decoder_.create(&DecoderBridge::Alloc, &DecoderBridge::Free, &DecoderBridge::Open, &DecoderBridge::Read,
                             &DecoderBridge::Write, &DecoderBridge::Close, &DecoderBridge::Seek, kProcessor80386,
                             &decoderError_);
  return context_ != nullptr;
}

void CExtract::SetCipherKey(uint32_t length, const uint8_t* key) {
  cipher_.SetKey(length, key);
  if (decipherBuffer_.empty()) decipherBuffer_.resize(kDecipherBufferSize);
}

bool CExtract::CloseDecoder() {
  bool destroyed = false;
  if (context_ != nullptr && decoder_.destroy != nullptr) destroyed = decoder_.destroy(context_) != FALSE;
  if (destroyed) context_ = nullptr;
  std::free(memory_.data);
  memory_ = {};
  if (destroyed) UnbindExtractor(this);
  return destroyed;
}

void CExtract::ResetRun() {
  cancel_.store(false);
  halted_ = false;
  checkedHandles_.clear();
  output_ = OutputFile();
  nextCabinet_.clear();
  error_ = {};
  decoderError_ = {};
  handles_.Clear();
  memoryHandle_ = -1;
}

bool CExtract::Extract(const wchar_t* cabinetPath, const wchar_t* targetFolder, INT_PTR user) {
  if (!OnOwnerThread()) return false;
  if (context_ == nullptr) return false;
  try {
    user_ = user;
    ResetRun();
    targetFolder_ = targetFolder != nullptr ? targetFolder : L"";
    if (!targetFolder_.empty() && targetFolder_.back() == L'/') targetFolder_.back() = L'\\';
    if (targetFolder_.empty() || targetFolder_.back() != L'\\') targetFolder_ += L'\\';
    toMemory_ = Lowercase(targetFolder_) == L"memory\\";

    // Scripts and some shells write "/" in a path.
    std::wstring path = cabinetPath != nullptr ? cabinetPath : L"";
    size_t slash = path.find_last_of(L"\\/");
    std::wstring folder = slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    if (targetFolder_.size() <= 2 || folder.size() <= 1 || name.size() <= 1) {
      SetError(kPathTooShort);
      return false;
    }
    if (NamesADevice(AsUtf16(path))) {
      Log("\n\tA device is no cabinet: %s", BytesFromWide(path, CP_ACP).c_str());
      SetError(kUnsafeCabinetName);
      return false;
    }
    cabinetFolder_ = folder;
    bool copied = CopyCabinets(folder, name);
    AbandonOutput();
    // A decoder failure that none of the callbacks explained keeps the
    // decoder's own error number, so a failed run never reports code 0.
    if (!copied && error_.code == 0 && error_.systemError == 0) SetError(uint32_t(decoderError_.erfOper));
    return copied && !decoderError_.fError && error_.code == 0 && error_.systemError == 0;
  } catch (const std::bad_alloc&) {
    Log("\n%s", kOutOfMemoryText);
    AbandonOutput();
    SetError(error_.code, kOutOfMemory);
    return false;
  }
}

bool CExtract::CopyCabinets(const std::wstring& folder, const std::wstring& first) {
  std::string folderUtf8 = BytesFromWide(folder, CP_UTF8);
  std::wstring name = first;
  // A set whose "next" cabinet names one already read would loop for ever.
  std::set<std::wstring> visited;
  for (;;) {
    visited.insert(Lowercase(name));
    std::string nameUtf8 = BytesFromWide(name, CP_UTF8);
    if (!decoder_.copy(context_, nameUtf8.data(), folderUtf8.data(), 0, &DecoderBridge::Notify, nullptr,
                       reinterpret_cast<void*>(user_)))
      return false;
    if (nextCabinet_.empty()) return true;
    name.swap(nextCabinet_);
    nextCabinet_.clear();
    if (visited.count(Lowercase(name)) != 0) {
      SetError(FDIERROR_WRONG_CABINET);
      return false;
    }
    if (!MayFollow(folder, name)) return false;
  }
}

bool CExtract::MayOpenCabinet(const std::wstring& path) const {
  const int folderLength = int(cabinetFolder_.size());
  if (path.size() <= cabinetFolder_.size() ||
      CompareStringOrdinal(path.c_str(), folderLength, cabinetFolder_.c_str(), folderLength, TRUE) != CSTR_EQUAL)
    return false;
  return IsPlainFileName(AsUtf16(path).substr(cabinetFolder_.size()));
}

bool CExtract::MayFollow(const std::wstring& folder, const std::wstring& name) {
  if (!IsPlainFileName(AsUtf16(name))) {
    RefuseNextCabinet(name);
    return false;
  }
  DWORD attributes = GetFileAttributesW((folder + name).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    Log("\n\tNext cabinet not found: %s", BytesFromWide(name, CP_ACP).c_str());
    SetError(FDIERROR_CABINET_NOT_FOUND);
    return false;
  }
  return true;
}

INT_PTR CExtract::RefuseNextCabinet(const std::wstring& name) {
  Log("\n\tNext cabinet refused, not a plain name of a file beside the cabinet: %s",
      BytesFromWide(name, CP_ACP).c_str());
  SetError(kUnsafeCabinetName);
  halted_ = true;
  return -1;
}

// A file the run stopped writing (cancelled or failed) never reaches its
// name: its part file goes.
void CExtract::AbandonOutput() {
  if (output_.handle != -1 && !toMemory_) {
    FileClose(output_.handle);
    DeleteFileW(output_.partPath.c_str());
  }
  output_.handle = -1;
}

bool CExtract::QueryCabinet(const wchar_t* path, FDICABINETINFO* info) {
  if (!OnOwnerThread()) return false;
  if (context_ == nullptr) return false;
  error_ = {};
  decoderError_ = {};
  handles_.Clear();
  checkedHandles_.clear();
  halted_ = false;
  if (path == nullptr || NamesADevice(AsUtf16(path))) {
    SetError(kUnsafeCabinetName);
    return false;
  }
  INT_PTR handle = FileOpen(path, _O_BINARY | _O_SEQUENTIAL | _O_RDONLY, _S_IREAD);
  if (handle == -1) return false;
  handles_.Add(handle, 0);
  FDICABINETINFO local = {};
  BOOL isCabinet = decoder_.isCabinet(context_, handle, info != nullptr ? info : &local);
  FileClose(handle);
  handles_.Remove(handle);
  return isCabinet != FALSE;
}

}  // namespace Cabinet
