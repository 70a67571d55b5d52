// Times one download (not a test): through the host's download manager, as
// host command 21 runs it, through the host's own reader alone, or through
// the platform's URL service alone.
//   download_bench manager|reader|platform URL DESTINATION
// Prints "seconds state" (state 3 is a complete download).
#include <windows.h>
#include <urlmon.h>
#include <wininet.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "DownloadManager.h"
#include "ExtractUrl.h"
#include "HostState.h"
#include "MainWindow.h"
#include "ResumingTransfer.h"
#include "WideText.h"

using namespace zelva;

namespace {

LARGE_INTEGER g_started, g_ended;
int32_t g_state = -1;

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

void __cdecl OnDone(DownloadRequest*, int32_t state) {
  QueryPerformanceCounter(&g_ended);
  g_state = state;
}

// The manager posts its finish to the main window; a message-only window
// stands in for it, and this loop hands the finish over.
int ThroughManager(const char* url, const char* destination) {
  HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  host::Context().mainWindow = window;
  DownloadRequest request;
  std::memset(&request, 0, sizeof(request));
  std::snprintf(request.title, sizeof(request.title), "Benchmark");
  std::snprintf(request.url, sizeof(request.url), "%s", url);
  std::snprintf(request.destination, sizeof(request.destination), "%s", destination);
  request.start = 1;
  request.completion = &OnDone;
  QueryPerformanceCounter(&g_started);
  if (downloads::SubmitDownload(request) == nullptr) return 1;
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (message.message == ui::kDownloadFinishedMessage) {
      downloads::FinishDownload(message.lParam);
      break;
    }
    DispatchMessageA(&message);
  }
  std::printf("%.3f %d\n", Seconds(g_started, g_ended), int(g_state));
  return 0;
}

int ThroughReader(const char* url, const char* destination) {
  Cabinet::CExtractUrl reader;
  downloads::TransferProgress progress;
  downloads::ResumingTransfer transfer(reader.connection(), progress, [] { return false; });
  Cabinet::ExtractError error = {};
  QueryPerformanceCounter(&g_started);
  bool ok = transfer.Run(win::WideFromAnsi(url), win::WideFromAnsi(destination), error);
  QueryPerformanceCounter(&g_ended);
  std::printf("%.3f %d\n", Seconds(g_started, g_ended), ok ? int(kDownloadComplete) : int(kDownloadFailed));
  return 0;
}

int ThroughPlatform(const char* url, const char* destination) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  QueryPerformanceCounter(&g_started);
  HRESULT result = URLDownloadToFileA(nullptr, url, destination, 0, nullptr);
  DeleteUrlCacheEntryA(url);
  QueryPerformanceCounter(&g_ended);
  std::printf("%.3f %d\n", Seconds(g_started, g_ended), SUCCEEDED(result) ? int(kDownloadComplete) : int(kDownloadFailed));
  CoUninitialize();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: download_bench manager|reader|platform URL DESTINATION\n");
    return 2;
  }
  host::ResetContext(GetModuleHandleA(nullptr));
  if (std::strcmp(argv[1], "manager") == 0) return ThroughManager(argv[2], argv[3]);
  if (std::strcmp(argv[1], "platform") == 0) return ThroughPlatform(argv[2], argv[3]);
  return ThroughReader(argv[2], argv[3]);
}
