#include "CabinetWriter.h"

#include <cstdio>
#include <cstring>

#include "ArchiveCodes.h"
#include "CompressorBridge.h"
#include "FileSystem.h"
#include "WideNameEscape.h"
#include "WideText.h"

namespace Cabinet {

using namespace zelva::archive;
using zelva::win::AsUtf16;
using zelva::win::BytesFromWide;
using zelva::win::WideFromBytes;

namespace {

constexpr size_t kMinimumNameChars = 3;
constexpr size_t kMaximumNameChars = 255;  // the compressor's name fields hold 256 bytes
constexpr ULONG kOneCabinet = 0x7FFFFFFF;
constexpr ULONG kFolderThreshold = 900000000;

bool IsAscii(std::wstring_view text) {
  for (wchar_t c : text)
    if (c >= 0x80) return false;
  return true;
}

}  // namespace

bool CabinetWriter::Compressor::Load() {
  if (destroy != nullptr) return true;
  if (!library.Load("cabinet.dll")) return false;
  bool all = library.Entry("FCICreate", create);
  all = library.Entry("FCIAddFile", addFile) && all;
  all = library.Entry("FCIFlushFolder", flushFolder) && all;
  all = library.Entry("FCIFlushCabinet", flushCabinet) && all;
  all = library.Entry("FCIDestroy", destroy) && all;
  if (!all) destroy = nullptr;
  return all;
}

CabinetWriter::CabinetWriter(WriterStatusCallback callback, INT_PTR user) : callback_(callback), user_(user) {
  wchar_t folder[MAX_PATH + 1];
  DWORD length = GetTempPathW(MAX_PATH + 1, folder);
  if (length > 0 && length <= MAX_PATH) temporaryFolder_ = folder;
  if (!temporaryFolder_.empty() && temporaryFolder_.back() != L'\\') temporaryFolder_ += L'\\';
}

CabinetWriter::~CabinetWriter() { Destroy(); }

bool CabinetWriter::Fail(uint32_t code, uint32_t systemError) {
  error_.erfOper = int(code);
  error_.erfType = int(systemError);
  error_.fError = TRUE;
  return false;
}

// The compressor has filled the error record itself.
bool CabinetWriter::CompressorFailed() {
  error_.fError = TRUE;
  return false;
}

void CabinetWriter::SetCipherKey(uint32_t length, const uint8_t* key) { cipher_.SetKey(length, key); }

bool CabinetWriter::Create(const char* cabinetPath) {
  return Create(WideFromBytes(cabinetPath != nullptr ? cabinetPath : "", CP_ACP).c_str());
}

bool CabinetWriter::Create(const wchar_t* cabinetPath) {
  error_ = {};
  if (context_ != nullptr) return Fail(kWriterBadName);
  std::wstring path = cabinetPath != nullptr ? cabinetPath : L"";
  size_t slash = path.rfind(L'\\');
  std::wstring folder = slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
  std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  if (folder.size() < kMinimumNameChars || name.size() < kMinimumNameChars) return Fail(kWriterBadName);
  if (zelva::text::NeedsWideEscape(AsUtf16(name))) return Fail(kCabinetNameNeedsEscape);
  std::string folderText = zelva::text::EscapeWideName(AsUtf16(folder));
  std::string nameText = zelva::text::EscapeWideName(AsUtf16(name));
  if (folderText.size() >= kMaximumNameChars || nameText.size() >= kMaximumNameChars) return Fail(kNameTooLong);
  DWORD folderError = 0;
  if (!CreateFolderTree(folder, folderError)) return Fail(kFolderNotCreated, folderError);
  if (temporaryFolder_.empty()) return Fail(kFolderNotCreated, ERROR_PATH_NOT_FOUND);
  if (!CreateFolderTree(temporaryFolder_, folderError)) return Fail(kFolderNotCreated, folderError);
  if (!compressor_.Load()) return Fail(kCompressorMissing);

  parameters_ = {};
  parameters_.cb = kOneCabinet;
  parameters_.cbFolderThresh = kFolderThreshold;
  parameters_.iCab = 1;
  parameters_.iDisk = 1;
  parameters_.setID = 0;
  std::snprintf(parameters_.szDisk, sizeof(parameters_.szDisk), "Disk %d", 1);
  std::memcpy(parameters_.szCab, nameText.c_str(), nameText.size() + 1);
  std::memcpy(parameters_.szCabPath, folderText.c_str(), folderText.size() + 1);
  cabinetPath_ = folderText + nameText;
  cabinetFile_ = path;
  cabinetOpened_ = false;
  status_ = {};
  cancel_.store(false);

  context_ = compressor_.create(&error_, &CompressorBridge::FilePlaced, &CompressorBridge::Alloc,
                                &CompressorBridge::Free, &CompressorBridge::Open, &CompressorBridge::Read,
                                &CompressorBridge::Write, &CompressorBridge::Close, &CompressorBridge::Seek,
                                &CompressorBridge::Delete, &CompressorBridge::TemporaryFile, &parameters_, this);
  return context_ != nullptr ? true : CompressorFailed();
}

bool CabinetWriter::AddFile(const char* sourcePath, const char* nameInCabinet) {
  return AddFile(WideFromBytes(sourcePath != nullptr ? sourcePath : "", CP_ACP).c_str(),
                 WideFromBytes(nameInCabinet != nullptr ? nameInCabinet : "", CP_ACP).c_str());
}

bool CabinetWriter::AddFile(const wchar_t* sourcePath, const wchar_t* nameInCabinet) {
  error_ = {};
  if (context_ == nullptr) return Fail(kWriterBadName);
  std::wstring_view source = sourcePath != nullptr ? sourcePath : L"";
  std::wstring_view name = nameInCabinet != nullptr ? nameInCabinet : L"";
  if (source.empty() || name.empty()) return Fail(kWriterBadName);
  std::string sourceText = zelva::text::EscapeWideName(AsUtf16(source));
  // Names beyond ASCII are stored as UTF-8 with the name attribute bit set,
  // which every reader turns back into the same wide name.
  nextNameIsUtf8_ = !IsAscii(name);
  std::string nameText = nextNameIsUtf8_ ? BytesFromWide(name, CP_UTF8) : BytesFromWide(name, CP_ACP);
  if (sourceText.size() >= kMaximumNameChars || nameText.size() >= kMaximumNameChars) return Fail(kNameTooLong);
  if (!compressor_.addFile(context_, sourceText.data(), nameText.data(), FALSE, &CompressorBridge::NextCabinet,
                           &CompressorBridge::Status, &CompressorBridge::OpenInfo, tcompTYPE_MSZIP))
    return CompressorFailed();
  return true;
}

bool CabinetWriter::FlushFolder() {
  error_ = {};
  if (context_ == nullptr) return Fail(kWriterBadName);
  if (!compressor_.flushFolder(context_, &CompressorBridge::NextCabinet, &CompressorBridge::Status))
    return CompressorFailed();
  return true;
}

bool CabinetWriter::FlushCabinet() {
  error_ = {};
  if (context_ == nullptr) return Fail(kWriterBadName);
  if (compressor_.flushCabinet(context_, FALSE, &CompressorBridge::NextCabinet, &CompressorBridge::Status)) return true;
  // A cabinet the compressor gave up on (cancelled, disk full) is not left
  // behind half-written.
  if (cabinetHandle_ != -1) CompressorBridge::Close(cabinetHandle_, nullptr, this);
  if (cabinetOpened_) DeleteFileW(cabinetFile_.c_str());
  return CompressorFailed();
}

bool CabinetWriter::Destroy() {
  bool destroyed = true;
  if (context_ != nullptr) destroyed = compressor_.destroy(context_) != FALSE;
  context_ = nullptr;
  compressor_.library.reset();
  compressor_.destroy = nullptr;
  return destroyed;
}

}  // namespace Cabinet
