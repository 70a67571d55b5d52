#include "WinInetApi.h"

namespace zelva::archive {

bool WinInetApi::Load() {
  if (FtpGetFileSize != nullptr) return true;
  if (!library.Load("wininet.dll")) return false;
  bool all = true;
  all = library.Entry("InternetOpenW", InternetOpenW) && all;
  all = library.Entry("InternetConnectW", InternetConnectW) && all;
  all = library.Entry("InternetCloseHandle", InternetCloseHandle) && all;
  all = library.Entry("InternetReadFile", InternetReadFile) && all;
  all = library.Entry("InternetCrackUrlW", InternetCrackUrlW) && all;
  all = library.Entry("InternetGetLastResponseInfoW", InternetGetLastResponseInfoW) && all;
  all = library.Entry("InternetGetConnectedState", InternetGetConnectedState) && all;
  all = library.Entry("InternetSetOptionW", InternetSetOptionW) && all;
  all = library.Entry("HttpAddRequestHeadersW", HttpAddRequestHeadersW) && all;
  all = library.Entry("HttpOpenRequestW", HttpOpenRequestW) && all;
  all = library.Entry("HttpSendRequestW", HttpSendRequestW) && all;
  all = library.Entry("HttpQueryInfoW", HttpQueryInfoW) && all;
  all = library.Entry("FtpOpenFileW", FtpOpenFileW) && all;
  all = library.Entry("FtpCommandW", FtpCommandW) && all;
  // Last, so a partly loaded table never passes the check above.
  all = library.Entry("FtpGetFileSize", FtpGetFileSize) && all;
  if (!all) FtpGetFileSize = nullptr;
  return all;
}

}  // namespace zelva::archive
