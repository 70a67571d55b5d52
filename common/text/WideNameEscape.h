// Single-byte form of wide file names for the cabinet compressor: characters
// below 256 stay as they are, each run of characters from 256 up becomes "<",
// the run's 16-bit units as a base64 bit stream, ">"; a literal "<" becomes "<>".
#pragma once

#include <string>
#include <string_view>

namespace zelva::text {

bool NeedsWideEscape(std::u16string_view name);
std::string EscapeWideName(std::u16string_view name);
// False when the text is not a well-formed escape (an open "<" run, a
// character outside the alphabet, or a bit stream of no whole unit).
bool UnescapeWideName(std::string_view text, std::u16string& name);

}  // namespace zelva::text
