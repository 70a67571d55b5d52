#include "TextDocument.h"

#include <shlwapi.h>

#include <algorithm>
#include <cstdint>
#include <cwchar>

#include "Handles.h"
#include "WideText.h"

namespace zelva::document {
namespace {

std::wstring WithCrLf(const std::wstring& text) {
  std::wstring out;
  out.reserve(text.size() + text.size() / 32);
  for (size_t i = 0; i < text.size(); ++i) {
    wchar_t c = text[i];
    if (c == L'\r') {
      out += L"\r\n";
      if (i + 1 < text.size() && text[i + 1] == L'\n') ++i;
    } else if (c == L'\n') {
      out += L"\r\n";
    } else {
      out += c == L'\0' ? L' ' : c;
    }
  }
  return out;
}

}  // namespace

bool IsTextDocument(const wchar_t* path) {
  if (path == nullptr) return false;
  const wchar_t* extension = PathFindExtensionW(path);
  return _wcsicmp(extension, L".txt") == 0;
}

std::wstring DecodeDocumentText(const std::string& bytes) {
  const char* data = bytes.data();
  size_t size = bytes.size();
  std::wstring text;
  if (size >= 2 && uint8_t(data[0]) == 0xFF && uint8_t(data[1]) == 0xFE) {
    text.assign(reinterpret_cast<const wchar_t*>(data + 2), (size - 2) / sizeof(wchar_t));
  } else if (size >= 3 && uint8_t(data[0]) == 0xEF && uint8_t(data[1]) == 0xBB && uint8_t(data[2]) == 0xBF) {
    text = win::WideFromBytes(std::string_view(data + 3, size - 3), CP_UTF8);
  } else {
    text = win::WideFromBytes(bytes, CP_UTF8, MB_ERR_INVALID_CHARS);
    if (text.empty()) text = win::WideFromBytes(bytes, CP_ACP);
  }
  return WithCrLf(text);
}

bool ReadDocumentFile(const wchar_t* path, size_t limit, std::string& bytes) {
  bytes.clear();
  win::FileHandle file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  char chunk[16384];
  DWORD read = 0;
  while (bytes.size() < limit && ReadFile(file.get(), chunk, DWORD(sizeof(chunk)), &read, nullptr) && read > 0)
    bytes.append(chunk, std::min(size_t(read), limit - bytes.size()));
  return true;
}

}  // namespace zelva::document
