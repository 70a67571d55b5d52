// How the platform's private-profile functions read one line of a profile
// file: what they trim, what makes a header, a comment or a key.
#pragma once

#include <string_view>

namespace zelva::profile {

// Tab, line feed, vertical tab, form feed, carriage return, Ctrl-Z, blank.
bool IsProfileSpace(char c);
std::string_view Trim(std::string_view text);
std::string_view TrimLeft(std::string_view text);
std::string_view TrimRight(std::string_view text);

// A name or value ends at a NUL, as the platform's strings do.
std::string_view UpToNul(std::string_view text);

// Names compare without regard to case (A-Z only, as every name this program
// looks up is plain ASCII) and up to a NUL.
bool SameName(std::string_view a, std::string_view b);

// The name of a header line "[name]" (trimmed, up to its last "]"), or false
// when the line is none.
bool HeaderName(std::string_view line, std::string_view& name);

// Where a header line's name stands in it, so it can be replaced.
bool HeaderNameRange(std::string_view line, size_t& start, size_t& length);

// A blank line or a comment: nothing a lookup of a section's keys returns.
bool IsBlankOrComment(std::string_view line);

// One key line: its name before the first "=", its value after it.
struct KeyLine {
  std::string_view rawName;  // trimmed; may hold a NUL
  std::string_view value;    // trimmed; valid only when hasValue
  bool hasValue = false;
  std::string_view name() const { return UpToNul(rawName); }
};

// False for a blank line.
bool ParseKeyLine(std::string_view line, KeyLine& key);

}  // namespace zelva::profile
