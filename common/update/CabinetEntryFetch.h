// One file out of a plain cabinet on the maker's server: the host's update
// list and updater, the product versions and changelogs.
#pragma once

#include <cstdint>
#include <string>

#include "ExtractTypes.h"

namespace zelva::update {

// Reads the plain cabinet at url in blocks of blockSize bytes and extracts the
// entry whose file name is `name` (case ignored) into folder (with trailing
// backslash). True when folder + name was extracted whole; otherwise nothing
// of that name is left in folder, so no reader takes a partial file for the
// real one. error (optional) receives the reader's error triple.
bool FetchCabinetEntry(const std::wstring& url, uint32_t blockSize, const char* folder, const char* name,
                       Cabinet::ExtractError* error = nullptr);

}  // namespace zelva::update
