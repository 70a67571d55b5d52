// Whole sections of a profile file, never cut.
#pragma once

#include <cstddef>
#include <string>

namespace zelva::module {

// The whole section as GetPrivateProfileSectionA gives it ("key=value" strings,
// each followed by a NUL), read with a buffer that grows until nothing is cut.
// Empty when the section is absent.
std::string ReadProfileSection(const char* path, const char* section);

// One value, at most chars - 1 characters of it (the profile functions' own
// limit for that key); empty when absent.
std::string ReadProfileValue(const char* path, const char* section, const char* key, size_t chars);

}  // namespace zelva::module
