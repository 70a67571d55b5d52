// The last-write time of a file as decimal 100-ns intervals (the changelog stamp).
#pragma once

#include <cstddef>

namespace zelva::host {

constexpr size_t kFileStampChars = 21;

// Returns true with the stamp, or false with an empty text when the file is
// absent or cannot be opened in 10 attempts (each failure is logged).
bool FileStamp(const char* path, char* stamp, size_t capacity);

}  // namespace zelva::host
