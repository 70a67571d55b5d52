#include "PackageProcessor.h"

#include <commdlg.h>

#include <memory>
#include <new>

#include "CommandLinePath.h"
#include "CommandQueueService.h"
#include "FixedText.h"
#include "HostLog.h"
#include "HostState.h"
#include "PackageWorker.h"

namespace zelva::host {
namespace {

// Room for a long multiple selection from the open-file dialog.
constexpr size_t kPathBufferBytes = 1000000;

std::unique_ptr<char[]> PathBuffer() { return std::unique_ptr<char[]>(new (std::nothrow) char[kPathBufferBytes]()); }

// The hold taken around the file dialog, released on every way out.
class QueueHold {
 public:
  QueueHold() { HoldQueue(); }
  ~QueueHold() { ReleaseQueue(); }
  QueueHold(const QueueHold&) = delete;
  QueueHold& operator=(const QueueHold&) = delete;
};

void ChooseAndProcess(bool checkProduct) {
  std::unique_ptr<char[]> buffer = PathBuffer();
  if (!buffer) {
    HostLog("\nFatal error: Out of memory!\n");
    return;
  }
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = Context().mainWindow;
  dialog.lpstrFilter = "ZELVA Texture Packs (*.zlp)\0*.zlp;\0";
  dialog.lpstrFile = buffer.get();
  dialog.nMaxFile = DWORD(kPathBufferBytes);
  dialog.Flags = OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  if (GetOpenFileNameA(&dialog)) {
    // One file chosen: the buffer holds its path; several: folder and names.
    PackageJob job = {buffer.get(), dialog.nFileExtension == 0, checkProduct};
    RunPackageJob(job, false);
    return;
  }
  DWORD error = CommDlgExtendedError();
  HostLog("\tError choosing file: %d", int(error));
  if (error != 0) {
    char text[64];
    wsprintfA(text, "An error occured: \n%d", int(error));
    MessageBoxA(Context().mainWindow, text, "Error", MB_OK | MB_ICONERROR);
  }
}

}  // namespace

void OpenPackageByPath(const char* path) {
  HostLog("\nOpening ZLP file: %s\n", path);
  std::unique_ptr<char[]> buffer = PathBuffer();
  if (!buffer) {
    HostLog("\nFatal error: Out of memory!\n");
    return;
  }
  // The text is a command line: a quoted path must still name its file.
  text::CopyBounded(buffer.get(), kPathBufferBytes, text::PathFromCommandLine(path).c_str());
  PackageJob job = {buffer.get(), false, false};
  RunPackageJob(job, true);
  HostLog("\nFinished processing ZLP file\n");
}

extern "C" int32_t __cdecl ChooseAndOpenPackage(const OpenPackageRequest* request) {
  try {
    HostLog("\nOpen ZLP file\n");
    QueueHold hold;
    ChooseAndProcess(request != nullptr && request->checkProduct != 0);
  } catch (...) {
    HostLog("\nFatal error: Out of memory!\n");
  }
  return kResultDone;
}

}  // namespace zelva::host
