// The decoder's notifications: which files to extract, where, and what to do
// when one is complete.
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "ArchiveCodes.h"
#include "ArchiveLog.h"
#include "EntryNames.h"
#include "Extract.h"
#include "FileSystem.h"
#include "WideText.h"

namespace Cabinet {

using namespace zelva::archive;
using zelva::win::AsUtf16;
using zelva::win::AsWide;
using zelva::win::BytesFromWide;
using zelva::win::WideFromBytes;

namespace {

constexpr uint16_t kNameIsUtf8 = 0x80;
constexpr INT_PTR kFirstMemoryHandle = INT_PTR(0xFF000000u);
constexpr uint32_t kSpareBytes = 2;
constexpr int kPartNameAttempts = 64;

std::wstring WideOrEmpty(const char* text) { return text != nullptr ? WideFromBytes(text, CP_UTF8) : std::wstring(); }

}  // namespace

std::wstring CExtract::EntryName(const FDINOTIFICATION& note) const {
  std::wstring name = WideFromBytes(note.psz1 != nullptr ? note.psz1 : "",
                                    (note.attribs & kNameIsUtf8) ? CP_UTF8 : codePage_);
  for (wchar_t& c : name)
    if (c == L'/') c = L'\\';
  return name;
}

INT_PTR CExtract::OnCabinetInfo(const FDINOTIFICATION& note) {
  // A package must not pull in a cabinet from elsewhere, nor a device.
  const std::wstring next = WideOrEmpty(note.psz1);
  if (!next.empty() && !IsPlainFileName(AsUtf16(next))) return RefuseNextCabinet(next);
  if (nextCabinet_.empty()) nextCabinet_ = next;
  if (callbacks_.cabinetInfo != nullptr) {
    callbacks_.cabinetInfo(WideOrEmpty(note.psz1).c_str(), WideOrEmpty(note.psz2).c_str(),
                           WideOrEmpty(note.psz3).c_str(), note.setID, note.iCabinet, user_);
  }
  return 0;
}

INT_PTR CExtract::OnNextCabinet(const FDINOTIFICATION& note) {
  nextCabinet_ = WideOrEmpty(note.psz1);
  if (!IsPlainFileName(AsUtf16(nextCabinet_))) return RefuseNextCabinet(nextCabinet_);
  if (note.fdie != FDIERROR_NONE) {
    SetError(uint32_t(note.fdie));
    return -1;
  }
  if (callbacks_.nextCabinet != nullptr) {
    callbacks_.nextCabinet(nextCabinet_.c_str(), WideOrEmpty(note.psz2).c_str(), WideOrEmpty(note.psz3).c_str(),
                           note.setID, note.iCabinet, int(note.fdie), user_);
  }
  return 0;
}

INT_PTR CExtract::OnCopyFile(const FDINOTIFICATION& note) {
  const std::wstring relative = EntryName(note);
  // Packages are made by third parties: a name must not lead out of the
  // target folder. Such an entry is skipped and the run reports failure.
  if (!IsSafeEntryName(AsUtf16(relative))) {
    Log("\n\tUnsafe file name in cabinet skipped: %s", BytesFromWide(relative, CP_ACP).c_str());
    SetError(kUnsafeEntryName);
    return 0;
  }
  EntryNameParts parts = SplitEntryName(AsUtf16(relative));
  const std::wstring fileName(AsWide(parts.file));
  const std::wstring folderPart(AsWide(parts.folder));
  const std::wstring directory = targetFolder_ + folderPart;
  const std::wstring fullPath = targetFolder_ + relative;
  const uint32_t size = uint32_t(note.cb);

  if (callbacks_.beforeCopy != nullptr) {
    CabFileEntry entry = {fileName.c_str(), folderPart.c_str(), relative.c_str(), directory.c_str(), fullPath.c_str(),
                          size, FileTimeFromDos(note.date, note.time), note.attribs};
    if (callbacks_.beforeCopy(&entry, user_) == 0) return 0;
  }
  AbandonOutput();  // one the decoder left open without a word
  output_ = OutputFile();
  output_.relativePath = relative;
  output_.fullPath = fullPath;
  output_.size = size;
  if (toMemory_) return OpenMemoryOutput(size);
  return OpenOutput(directory);
}

INT_PTR CExtract::OpenMemoryOutput(uint32_t size) {
  if (memory_.data == nullptr || memory_.capacity < size) {
    std::free(memory_.data);
    memory_ = {};
    memory_.data = static_cast<uint8_t*>(std::malloc(size_t(size) + kSpareBytes));
    if (memory_.data == nullptr) {
      Log("\n%s", kOutOfMemoryText);
      SetError(kMemoryFileOverflow, kOutOfMemory);
      return -1;
    }
    memory_.capacity = size;
  }
  memory_.used = 0;
  memoryHandle_ = handles_.FirstFreeFrom(kFirstMemoryHandle);
  return memoryHandle_;
}

INT_PTR CExtract::OpenOutput(const std::wstring& directory) {
  DWORD folderError = 0;
  if (!CreateFolderTree(directory, folderError)) {
    Log("\n\tCannot create the folder of %s: error %d", BytesFromWide(output_.relativePath, CP_ACP).c_str(),
        int(folderError));
    SetError(kTargetNotCreated, folderError);
    return -1;
  }
  INT_PTR handle = OpenPartFile(directory);
  if (handle == -1) {
    Log("\n\tCannot create %s", BytesFromWide(output_.fullPath, CP_ACP).c_str());
    SetError(kTargetNotCreated);
    return -1;
  }
  output_.handle = handle;
  output_.lastReport = GetTickCount();
  if (callbacks_.progress != nullptr) {
    CabProgress progress = {output_.relativePath.c_str(), output_.fullPath.c_str(), output_.size, 0, 0.0f};
    callbacks_.progress(&progress, user_);
  }
  return handle;
}

void CExtract::ReportProgress() {
  DWORD now = GetTickCount();
  bool due = callbacks_.progressInterval == 0 || now - output_.lastReport > callbacks_.progressInterval ||
             output_.written == output_.size;
  if (!due) return;
  output_.lastReport = now;
  float percent = output_.size != 0 ? float(output_.written) * 100.0f / float(output_.size) : 100.0f;
  CabProgress progress = {output_.relativePath.c_str(), output_.fullPath.c_str(), output_.size, output_.written,
                          percent};
  callbacks_.progress(&progress, user_);
}

// A name beside the target that no other file has: created anew, so nothing
// already there is truncated, and renamed only once it is complete.
INT_PTR CExtract::OpenPartFile(const std::wstring& directory) {
  static std::atomic<uint32_t> counter{0};
  for (int attempt = 0; attempt < kPartNameAttempts; ++attempt) {
    wchar_t name[32];
    std::swprintf(name, 32, L"~zlp%08lX.tmp", static_cast<unsigned long>(GetTickCount() * 31u + ++counter));
    output_.partPath = directory + name;
    INT_PTR handle = FileOpen(output_.partPath.c_str(),
                              _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_SEQUENTIAL, _S_IREAD | _S_IWRITE);
    if (handle != -1 || errno != EEXIST) return handle;
  }
  return -1;
}

bool CExtract::CommitOutput() {
  SetFileAttributesW(output_.fullPath.c_str(), FILE_ATTRIBUTE_NORMAL);  // read-only targets are overwritten
  if (MoveFileExW(output_.partPath.c_str(), output_.fullPath.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
  DWORD error = GetLastError();
  DeleteFileW(output_.partPath.c_str());
  Log("\n\tCannot create %s: error %d", BytesFromWide(output_.fullPath, CP_ACP).c_str(), int(error));
  SetError(kTargetNotCreated, error);
  return false;
}

// The decoder closed a file that has fewer or more bytes than the cabinet
// declared: the cabinet is damaged and the file is not extracted.
INT_PTR CExtract::FileCutShort(uint32_t got) {
  Log("\n\tDamaged cabinet: %s has %u of its %u bytes", BytesFromWide(output_.relativePath, CP_ACP).c_str(), got,
      output_.size);
  SetError(kCorruptCabinet);
  halted_ = true;
  return FALSE;
}

INT_PTR CExtract::OnCloseFile(const FDINOTIFICATION& note) {
  if (toMemory_) {
    memoryHandle_ = -1;
    if (memory_.used != output_.size) return FileCutShort(memory_.used);
  } else {
    if (output_.handle == note.hf) output_.handle = -1;
    FileClose(note.hf);
    if (output_.written != output_.size) {
      DeleteFileW(output_.partPath.c_str());
      return FileCutShort(output_.written);
    }
    if (!CommitOutput()) {
      halted_ = true;
      return FALSE;
    }
    ApplyStoredTimeAndAttributes(output_.fullPath, note.date, note.time, note.attribs);
  }
  if (callbacks_.afterCopy != nullptr) callbacks_.afterCopy(output_.fullPath.c_str(), toMemory_ ? &memory_ : nullptr, user_);
  return 1;
}

}  // namespace Cabinet
