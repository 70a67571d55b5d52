// Text files as the document window shows them when no browser renders them.
#pragma once

#include <windows.h>

#include <string>

namespace zelva::document {

// Files shown as text: ".txt", in any case.
bool IsTextDocument(const wchar_t* path);

// The text for an edit control: a byte-order mark chooses UTF-16 or UTF-8,
// text that is valid UTF-8 is read as such, anything else in the system code
// page. Every line end becomes "\r\n"; NUL characters become blanks.
std::wstring DecodeDocumentText(const std::string& bytes);

// At most `limit` bytes of the file; false when it cannot be opened.
bool ReadDocumentFile(const wchar_t* path, size_t limit, std::string& bytes);

}  // namespace zelva::document
