// catalogue: the maker's "Liveries.ini" for a folder of livery packages, read
// from each package's own description so that catalogue and packages agree.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwctype>
#include <map>
#include <string>
#include <vector>

#include "LiveryCatalogue.h"
#include "PackageSource.h"
#include "ProfileDocument.h"
#include "ServerNames.h"
#include "WideText.h"
#include "ZlpTool.h"

namespace zlptool {
namespace {

using zelva::livery::CatalogueRecord;
using zelva::livery::CatalogueVariant;
using zelva::profile::Document;

// The entries a catalogue needs from one package, kept in memory.
struct PackageFiles {
  std::string settings;  // "Settings.dat"
  std::string airframe;  // "Aircraft.ini", when the package carries one
};

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) c = wchar_t(std::towlower(c));
  return text;
}

INT_PTR WantEntry(const Cabinet::CabFileEntry* entry, INT_PTR) {
  std::wstring name = Lower(entry->relativePath);
  return name == L"settings.dat" || name == L"aircraft.ini";
}

void KeepEntry(const wchar_t* fullPath, Cabinet::CabMemoryFile* memory, INT_PTR user) {
  if (memory == nullptr) return;
  PackageFiles& files = *reinterpret_cast<PackageFiles*>(user);
  std::string bytes(reinterpret_cast<const char*>(memory->data), memory->used);
  if (Lower(fullPath).find(L"aircraft.ini") != std::wstring::npos)
    files.airframe = std::move(bytes);
  else
    files.settings = std::move(bytes);
}

bool ReadPackage(const Options& options, const std::wstring& path, PackageFiles& files) {
  Cabinet::ExtractCallbacks callbacks = {};
  callbacks.beforeCopy = &WantEntry;
  callbacks.afterCopy = &KeepEntry;
  RunResult run = RunExtraction(options, path, L"MEMORY\\", callbacks, INT_PTR(&files));
  if (!run.ok) {
    std::fprintf(stderr, "zlptool: skipped %s: it cannot be read (%s)\n", Utf8(path).c_str(),
                 ErrorText(run.error).c_str());
    return false;
  }
  return true;
}

int Revision(const std::string& airframe) {
  if (airframe.empty()) return -1;
  std::string text = Document(airframe).Value("Version", "Version", 32);
  return text.empty() ? -1 : std::atoi(text.c_str());
}

uint32_t FileSize(const WIN32_FIND_DATAW& found) {
  return found.nFileSizeHigh != 0 ? 0xFFFFFFFFu : found.nFileSizeLow;
}

// What the maker set by hand in an earlier catalogue survives a new run.
void KeepAccurateFlags(const std::wstring& output, std::vector<CatalogueVariant>& variants) {
  HANDLE file = CreateFileW(output.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  Document earlier(bytes);
  for (CatalogueVariant& variant : variants) {
    for (const CatalogueRecord& old : zelva::livery::ReadCatalogueSection(earlier, variant.section).records)
      for (CatalogueRecord& record : variant.records)
        if (record.fileName == old.fileName && record.name == old.name) record.configAccurate = old.configAccurate;
  }
}

bool WriteWhole(const std::wstring& output, const std::string& text) {
  const std::wstring temporary = output + L".new";
  HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(file, text.data(), DWORD(text.size()), &written, nullptr) && written == text.size() &&
            FlushFileBuffers(file);
  CloseHandle(file);
  if (ok) ok = MoveFileExW(temporary.c_str(), output.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) DeleteFileW(temporary.c_str());
  return ok;
}

}  // namespace

int Catalogue(const Options& options) {
  std::wstring folder = options.arguments[0];
  while (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  std::map<std::wstring, uint32_t> sizes;
  HANDLE search = FindFirstFileW((folder + L"\\*.zlp").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    std::fprintf(stderr, "zlptool: no packages in %s\n", Utf8(folder).c_str());
    return kFailed;
  }
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    names.push_back(found.cFileName);
    sizes[found.cFileName] = FileSize(found);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) { return Lower(a) < Lower(b); });

  std::vector<CatalogueVariant> variants;
  std::map<std::wstring, std::string> configRevisions;  // configuration packages by lower-case name
  unsigned listed = 0;
  for (const std::wstring& name : names) {
    const std::string fileName = zelva::win::BytesFromWide(name);
    // The catalogue names files on a server that readers check strictly.
    if (fileName.empty() || !zelva::livery::IsPlainServerName(fileName) ||
        zelva::win::WideFromBytes(fileName) != name) {
      std::fprintf(stderr, "zlptool: skipped %s: not a plain name in the system code page\n", Utf8(name).c_str());
      continue;
    }
    const std::wstring lower = Lower(name);
    if (lower.size() > 13 && lower.compare(lower.size() - 13, 13, L" - config.zlp") == 0) continue;
    PackageFiles files;
    if (!ReadPackage(options, folder + L"\\" + name, files)) continue;
    Document settings(files.settings);
    if (settings.Value("Settings", "Type", 100) != "Single Livery") {
      std::fprintf(stderr, "zlptool: skipped %s: not a single livery\n", Utf8(name).c_str());
      continue;
    }
    CatalogueRecord record;
    record.fileName = fileName;
    record.name = settings.Value("Settings", "Name", 100);
    record.date = settings.Value("Settings", "Date", 40);
    record.size = sizes[name];
    record.configRevision = Revision(files.airframe);
    // A configuration package beside the livery carries its current settings.
    const std::wstring configName = zelva::win::WideFromBytes(zelva::livery::ConfigPackageName(fileName));
    if (GetFileAttributesW((folder + L"\\" + configName).c_str()) != INVALID_FILE_ATTRIBUTES) {
      PackageFiles config;
      if (ReadPackage(options, folder + L"\\" + configName, config) && !config.airframe.empty()) {
        record.config = zelva::livery::ConfigPackageName(fileName);
        record.configRevision = Revision(config.airframe);
      }
    }
    const std::string section = zelva::livery::CatalogueSectionName(settings.Value("Settings", "Aircraft", 100),
                                                                     settings.Value("Settings", "Variant", 100));
    auto variant = std::find_if(variants.begin(), variants.end(),
                                [&](const CatalogueVariant& v) { return v.section == section; });
    if (variant == variants.end()) variant = variants.insert(variants.end(), CatalogueVariant{section, {}});
    if (variant->records.size() >= zelva::livery::kCatalogueTableLimit) {
      std::fprintf(stderr, "zlptool: skipped %s: [%s] holds %zu liveries already\n", Utf8(name).c_str(),
                   section.c_str(), variant->records.size());
      continue;
    }
    variant->records.push_back(record);
    ++listed;
  }
  const std::wstring output = folder + L"\\Liveries.ini";
  KeepAccurateFlags(output, variants);
  if (!WriteWhole(output, zelva::livery::CatalogueText(variants))) {
    std::fprintf(stderr, "zlptool: writing %s failed (system error %lu)\n", Utf8(output).c_str(), GetLastError());
    return kFailed;
  }
  std::printf("%u liveries in %zu variants: %s\n", listed, variants.size(), Utf8(output).c_str());
  return kSucceeded;
}

}  // namespace zlptool
