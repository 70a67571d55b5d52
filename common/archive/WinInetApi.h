// The platform internet library (WinInet), loaded by name with the 15 entry
// points the URL source uses.
#pragma once

#include <windows.h>
#include <wininet.h>

#include "Library.h"

namespace zelva::archive {

struct WinInetApi {
  zelva::win::Library library;
  decltype(&::InternetOpenW) InternetOpenW = nullptr;
  decltype(&::InternetConnectW) InternetConnectW = nullptr;
  decltype(&::InternetCloseHandle) InternetCloseHandle = nullptr;
  decltype(&::InternetReadFile) InternetReadFile = nullptr;
  decltype(&::InternetCrackUrlW) InternetCrackUrlW = nullptr;
  decltype(&::InternetGetLastResponseInfoW) InternetGetLastResponseInfoW = nullptr;
  decltype(&::InternetGetConnectedState) InternetGetConnectedState = nullptr;
  decltype(&::InternetSetOptionW) InternetSetOptionW = nullptr;
  decltype(&::HttpAddRequestHeadersW) HttpAddRequestHeadersW = nullptr;
  decltype(&::HttpOpenRequestW) HttpOpenRequestW = nullptr;
  decltype(&::HttpSendRequestW) HttpSendRequestW = nullptr;
  decltype(&::HttpQueryInfoW) HttpQueryInfoW = nullptr;
  decltype(&::FtpOpenFileW) FtpOpenFileW = nullptr;
  decltype(&::FtpCommandW) FtpCommandW = nullptr;
  decltype(&::FtpGetFileSize) FtpGetFileSize = nullptr;

  // Loads the library on first use; false when it or an entry point is missing.
  bool Load();
};

}  // namespace zelva::archive
