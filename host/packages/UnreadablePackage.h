// The one message a user gets for a package file that cannot be read.
#pragma once

#include <cstdint>
#include <string>

#include "ExtractTypes.h"

namespace zelva::host {

// Why, in a few words, from the archive's error triple; all zero means the
// file was read but holds no package description.
std::string UnreadableReason(const Cabinet::ExtractError& error);

// Logs the error triple and shows the host's error box naming the file, then
// returns -2 with the host error text left empty: the user has been told.
int32_t ReportUnreadablePackage(const char* packagePath, const Cabinet::ExtractError& error);

}  // namespace zelva::host
