// The package path in a command line. A shell that quotes its "%1", and any
// user typing a path with blanks, hands over "C:\My Liveries\a.zlp" with its
// quotes; the quotes are no part of the file's name.
#pragma once

#include <string>

namespace zelva::text {

// The text without surrounding blanks and, when it is enclosed in double
// quotes, without them; anything else is returned as it stands.
std::string PathFromCommandLine(const char* line);

}  // namespace zelva::text
