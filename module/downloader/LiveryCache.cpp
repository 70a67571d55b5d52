#include "LiveryCache.h"

#include <windows.h>

#include "DownloaderPaths.h"
#include "DownloaderStatus.h"
#include "ExportPackage.h"
#include "ExtractUrl.h"
#include "LiveryThumbnail.h"
#include "ModuleContext.h"
#include "PackageKey.h"
#include "ProfileDocument.h"
#include "ProfileSection.h"
#include "ServerNames.h"
#include "WideText.h"
#include "WorkFolders.h"

namespace zelva::module {
namespace {

constexpr uint32_t kRemoteBlock = 50000;
constexpr uint32_t kLargestSummaryFile = 16u << 20;

bool IsNamed(const Cabinet::CabFileEntry* entry, const wchar_t* name) {
  return CompareStringOrdinal(entry->fileName, -1, name, -1, TRUE) == CSTR_EQUAL;
}

INT_PTR SelectSummaryFile(const Cabinet::CabFileEntry* entry, INT_PTR) {
  if (entry->size > kLargestSummaryFile) return 0;
  return IsNamed(entry, L"Settings.dat") || IsNamed(entry, L"thumbnail.jpg");
}

void KeepSummaryFile(const wchar_t* fullPath, Cabinet::CabMemoryFile* memory, INT_PTR user) {
  if (memory == nullptr) return;
  SummaryContent& content = *reinterpret_cast<SummaryContent*>(user);
  std::string bytes(reinterpret_cast<const char*>(memory->data), memory->used);
  if (CompareStringOrdinal(fullPath, -1, L"MEMORY\\thumbnail.jpg", -1, TRUE) == CSTR_EQUAL)
    content.thumbnail = std::move(bytes);
  else if (CompareStringOrdinal(fullPath, -1, L"MEMORY\\Settings.dat", -1, TRUE) == CSTR_EQUAL)
    content.settings = std::move(bytes);
}

INT_PTR SelectServerFile(const Cabinet::CabFileEntry* entry, INT_PTR) {
  return IsNamed(entry, L"Settings.dat") || IsNamed(entry, L"config.cfg") || IsNamed(entry, L"thumbnail.jpg");
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

SummaryContent ReadSummary(const std::string& fileName) {
  SummaryContent content;
  const std::string path = SummaryArchivePath(fileName);
  if (path.empty() || !Exists(path)) return content;
  Cabinet::CExtract reader;
  if (!reader.OpenDecoder()) return content;
  reader.SetCipherKey(archive::kPackageKeyLength, archive::PackageKey());
  Cabinet::ExtractCallbacks callbacks = {};
  callbacks.beforeCopy = &SelectSummaryFile;
  callbacks.afterCopy = &KeepSummaryFile;
  reader.SetCallbacks(callbacks);
  if (!reader.Extract(win::WideFromAnsi(path.c_str()).c_str(), L"MEMORY\\", INT_PTR(&content)))
    content = SummaryContent();
  reader.CloseDecoder();
  return content;
}

std::string CachedDate(const std::string& fileName) {
  SummaryContent content = ReadSummary(fileName);
  if (content.settings.empty()) return std::string();
  return profile::Document(content.settings).Value("Settings", "Date", 40);
}

bool FetchEntryData(const livery::CatalogueRecord& record, FetchCancel* cancel) {
  SetDownloaderStatus("Downloading livery data for %s...", record.name.c_str());
  const std::string summary = SummaryArchivePath(record.fileName);
  if (summary.empty()) return false;
  files::WorkFolder work;
  if (!work.ok()) return false;
  const std::wstring url = win::WideFromAnsi(LiveryPackageUrl(record.fileName).c_str());
  const std::wstring target = win::WideFromAnsi(work.path());

  bool fetched = false;
  {
    Cabinet::CExtractUrl reader;
    if (!reader.OpenDecoder()) return false;
    FetchCancel::Attachment attached(cancel, reader);
    reader.SetCipherKey(archive::kPackageKeyLength, archive::PackageKey());
    Cabinet::ExtractCallbacks callbacks = {};
    callbacks.beforeCopy = &SelectServerFile;
    reader.SetCallbacks(callbacks);
    fetched = reader.OpenUrl(url.c_str(), L"", kRemoteBlock) && reader.Extract(Cabinet::kUrlCabinetPath, target.c_str(), 0);
    if (!fetched) {
      const Cabinet::ExtractError& error = reader.GetError();
      Log("\n%s - Livery data of %s not read (%u, %u, %u)\n", Product().shortName, record.fileName.c_str(),
          error.code, error.systemError, error.httpStatus);
    }
    reader.CloseDecoder();
  }
  const std::string settings = work.File("Settings.dat");
  if (!fetched || !Exists(settings)) return false;

  // The picture lies in the package's texture folder, which Config.cfg names.
  const std::string texture = ReadProfileValue(work.File("Config.cfg").c_str(), "fltsim.x", "texture", 100);
  std::string thumbnail;
  if (livery::IsPlainServerName(texture)) {
    thumbnail = work.File(("Texture." + texture + "\\thumbnail.jpg").c_str());
    if (!Exists(thumbnail)) thumbnail.clear();
  }
  ExportPackage archive(summary, nullptr);
  if (!archive.Open()) return false;
  if (!thumbnail.empty()) archive.Add(thumbnail, "thumbnail.jpg", true);
  archive.Add(settings, "Settings.dat", true);
  if (!archive.Finish()) {
    Log("\n%s - Writing %s failed: %s\n", Product().shortName, summary.c_str(), archive.failure().c_str());
    return false;
  }
  return true;
}

std::unique_ptr<Gdiplus::Bitmap> ThumbnailFromBytes(const std::string& bytes) { return DecodeThumbnail(bytes); }

}  // namespace zelva::module
