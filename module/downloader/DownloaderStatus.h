// The page's status line, written by the processing thread and read by the
// page, guarded by the named mutex "ZELVA Hangardesk Livery Downloader".
#pragma once

#include <string>

namespace zelva::module {

// printf-style; cut to 499 characters.
void SetDownloaderStatus(const char* format, ...);
void ClearDownloaderStatus();
std::string DownloaderStatus();

}  // namespace zelva::module
