#include "HostCommands.h"

#include <cstdio>
#include <string>

#include "ChangelogCheck.h"
#include "CommandQueueService.h"
#include "DocumentService.h"
#include "DownloadManager.h"
#include "FileDigest.h"
#include "FixedText.h"
#include "HostConfig.h"
#include "HostState.h"
#include "HoverButton.h"
#include "MainWindow.h"
#include "ModuleLoader.h"
#include "NamedImages.h"
#include "UiThreadCalls.h"
#include "WorkingDialog.h"

namespace zelva::host {
namespace {

constexpr size_t kDigestText = 33;

INT_PTR DigestOfFile(const char* path, void* output) {
  if (output == nullptr) return kResultDeclined;
  char* digest = static_cast<char*>(output);
  digest[0] = '\0';
  std::string hex;
  if (path == nullptr || !crypto::FileDigest(path, hex)) return kResultDeclined;
  text::CopyBounded(digest, kDigestText, hex.c_str());
  return kResultDone;
}

// Through the main window, as a second instance hands a package over: the
// caller may be a module's worker thread, and the queue lives on the UI thread.
INT_PTR OpenPackageCommand(const char* path) {
  if (path == nullptr) return kResultDeclined;
  std::string text = std::string(commands::kOpenPackagePrefix) + path;
  HWND main = Context().mainWindow;
  if (main == nullptr) {
    ReceiveHandOff(text.c_str());
    return kResultDone;
  }
  COPYDATASTRUCT data = {};
  data.cbData = DWORD(text.size() + 1);
  data.lpData = text.data();
  SendMessageA(main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
  return kResultDone;
}

INT_PTR ForwardToSettingsModule(int32_t code, const char* text, void* object) {
  ProductModule& settings = SettingsModule();
  if (settings.command == nullptr) return kResultUnknown;
  return settings.command(code, reinterpret_cast<INT_PTR>(text), reinterpret_cast<INT_PTR>(object));
}

INT_PTR SetNotificationCount(const char* count) {
  if (ui::MainWindow* main = ui::TheMainWindow()) main->SetNotificationCount(reinterpret_cast<INT_PTR>(count));
  return kResultDone;
}

INT_PTR CreateHoverButton(const char* description, void* record) {
  if (description == nullptr || record == nullptr) return kResultDeclined;
  skin::CreateHoverButton(*reinterpret_cast<const HoverButtonDescription*>(description),
                          *static_cast<HoverButtonRecord*>(record));
  return kResultDone;
}

INT_PTR SubmitDownload(const char* request) {
  if (request == nullptr) return 0;
  return reinterpret_cast<INT_PTR>(downloads::SubmitDownload(*reinterpret_cast<const DownloadRequest*>(request)));
}

INT_PTR MoveWindowTo(const char* placement, void* window) {
  if (placement == nullptr || window == nullptr) return kResultDeclined;
  const auto* to = reinterpret_cast<const WindowPlacement*>(placement);
  SetWindowPos(static_cast<HWND>(window), nullptr, to->x, to->y, to->width, to->height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  return kResultDone;
}

}  // namespace

extern "C" INT_PTR __cdecl HostCommand(int32_t code, const char* text, void* object) {
  try {
    if (TouchesWindows(code) && !OnUiThread()) {
      ForwardedCommand call = {code, text, object, kResultUnknown, false};
      if (ForwardToUiThread(call)) return call.result;
    }
    switch (code) {
      case kHostProcessPackage:
        return OpenPackageCommand(text);
      case kHostAddPanel:
      case kHostRemovePanel:
        return ForwardToSettingsModule(code, text, object);
      case kHostShowDocument:
        return document::ShowDocumentCommand(text, object);
      case kHostCloseDocument:
        document::CloseDocument();
        return kResultDone;
      case kHostShowChangelog:
        ShowHostChangelog(Context());
        return kResultDone;
      case kHostSetNotificationCount:
        return SetNotificationCount(text);
      case kHostSaveSettings:
        SaveSettings(Context());
        return kResultDone;
      case kHostQueueHold:
        if (reinterpret_cast<INT_PTR>(text) == 1)
          HoldQueue();
        else
          ReleaseQueue();
        return kResultDone;
      case kHostFindImage:
        return skin::FindNamedImage(text);
      case kHostSubmitDownload:
        return SubmitDownload(text);
      case kHostCreateHoverButton:
        return CreateHoverButton(text, object);
      case kHostMoveWindow:
        return MoveWindowTo(text, object);
      case kHostFileDigest:
        return DigestOfFile(text, object);
      case kHostIsWorkingDialogOpen:
        return ui::IsWorkingDialogOpen() ? 1 : 0;
      default:
        // Self-update answers once it exists.
        return kResultUnknown;
    }
  } catch (...) {
    return kResultFailed;
  }
}

}  // namespace zelva::host
