// Base64 with the standard alphabet and '=' padding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelva::crypto {

extern const char kBase64Alphabet[65];

std::string Base64Encode(const void* data, size_t length);
// False on a character outside the alphabet or a malformed length/padding.
bool Base64Decode(std::string_view text, std::vector<uint8_t>& out);
// Value of one alphabet character, or -1.
int Base64Value(char c);

}  // namespace zelva::crypto
