#include "PackageSource.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwctype>
#include <memory>

#include "ArchiveCodes.h"
#include "EntryNames.h"
#include "ExtractUrl.h"
#include "PackageKey.h"
#include "WideText.h"

namespace zlptool {
namespace {

bool IsUrl(const std::wstring& package) {
  std::wstring lower = package;
  for (wchar_t& c : lower) c = wchar_t(std::towlower(c));
  return lower.rfind(L"http://", 0) == 0 || lower.rfind(L"https://", 0) == 0 || lower.rfind(L"ftp://", 0) == 0;
}

bool StartsEnciphered(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  char signature[4] = {};
  DWORD read = 0;
  bool enciphered = ReadFile(file, signature, 4, &read, nullptr) && read == 4 && std::memcmp(signature, "CRYP", 4) == 0;
  CloseHandle(file);
  return enciphered;
}

std::wstring FullPath(const std::wstring& path) {
  wchar_t full[MAX_PATH * 2];
  DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH * 2, full, nullptr);
  return length > 0 && length < MAX_PATH * 2 ? std::wstring(full) : path;
}

RunResult FromFile(const std::wstring& package, const std::wstring& target, const Cabinet::ExtractCallbacks& callbacks,
                   INT_PTR user) {
  RunResult result;
  std::wstring path = FullPath(package);
  // Even a look at its first bytes would block on a device.
  if (zelva::archive::NamesADevice(zelva::win::AsUtf16(package)) || zelva::archive::NamesADevice(zelva::win::AsUtf16(path))) {
    std::fprintf(stderr, "zlptool: a device is no package: %s\n", Utf8(package).c_str());
    result.error = {Cabinet::kUnsafeCabinetName, 0, 0};
    return result;
  }
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    DWORD error = attributes == INVALID_FILE_ATTRIBUTES ? GetLastError() : DWORD(ERROR_DIRECTORY);
    std::fprintf(stderr, "zlptool: no such package file: %s\n", Utf8(package).c_str());
    result.error = {FDIERROR_CABINET_NOT_FOUND, error, 0};
    return result;
  }
  Cabinet::CExtract reader;
  if (!reader.OpenDecoder()) {
    result.error = reader.GetError();
    return result;
  }
  result.enciphered = StartsEnciphered(path);
  if (result.enciphered) reader.SetCipherKey(zelva::archive::kPackageKeyLength, zelva::archive::PackageKey());
  reader.SetCallbacks(callbacks);
  result.ok = reader.Extract(path.c_str(), target.c_str(), user);
  result.error = reader.GetError();
  reader.CloseDecoder();
  return result;
}

RunResult FromUrl(const Options& options, const std::wstring& url, const std::wstring& target,
                  const Cabinet::ExtractCallbacks& callbacks, INT_PTR user) {
  RunResult result;
  Cabinet::CExtractUrl reader;
  if (!reader.OpenDecoder()) {
    result.error = reader.GetError();
    return result;
  }
  reader.SetCallbacks(callbacks);
  // Whether it is enciphered shows only in its first bytes: try the key first.
  for (bool keyed : {true, false}) {
    reader.SetCipherKey(keyed ? zelva::archive::kPackageKeyLength : 0, zelva::archive::PackageKey());
    result.enciphered = keyed;
    result.ok = reader.OpenUrl(url.c_str(), L"", options.blockSize) &&
                reader.Extract(Cabinet::kUrlCabinetPath, target.c_str(), user);
    result.error = reader.GetError();
    if (result.ok || result.error.code != Cabinet::kKeyButPlain) break;
  }
  if (options.stats) {
    std::printf("requests: %u\nbytes received: %llu\n", reader.connection().requestCount(),
                static_cast<unsigned long long>(reader.connection().bytesReceived()));
  }
  reader.CloseDecoder();
  return result;
}

}  // namespace

RunResult RunExtraction(const Options& options, const std::wstring& package, const std::wstring& target,
                        const Cabinet::ExtractCallbacks& callbacks, INT_PTR user) {
  if (IsUrl(package)) return FromUrl(options, package, target, callbacks, user);
  return FromFile(package, target, callbacks, user);
}

std::string ErrorText(const Cabinet::ExtractError& error) {
  char text[96];
  std::snprintf(text, sizeof(text), "error: code %u, system error %u, HTTP status %u", error.code, error.systemError,
                error.httpStatus);
  return text;
}

int ReportFailure(const char* what, const Cabinet::ExtractError& error, const std::wstring& entry) {
  if (entry.empty())
    std::fprintf(stderr, "zlptool: %s failed\n", what);
  else
    std::fprintf(stderr, "zlptool: %s failed at %s\n", what, Utf8(entry).c_str());
  std::fprintf(stderr, "%s\n", ErrorText(error).c_str());
  return kFailed;
}

}  // namespace zlptool
