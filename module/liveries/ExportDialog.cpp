// The page's export: the save dialog on the page's thread, the packages on a
// thread of their own while the host's working dialog runs, the result shown
// by the page once the working dialog is gone.
#include <windows.h>
#include <commdlg.h>

#include <memory>
#include <new>

#include "Handles.h"
#include "LiveryExport.h"
#include "ModuleContext.h"

namespace zelva::module {
namespace {

constexpr size_t kSaveBufferChars = 1000000;
// The export keeps its large buffers on the heap; a modest stack is its whole need.
constexpr SIZE_T kExportStack = 512 * 1024;

// The folder of the last chosen package, where the next save dialog opens.
std::string& LastFolder() {
  static std::string folder;
  return folder;
}

struct ExportJob {
  std::string output;
  std::vector<int> entries;
  int variant;
  ExportOutcome outcome;
};

DWORD WINAPI ExportThread(void* parameter) {
  ExportJob& job = *static_cast<ExportJob*>(parameter);
  HostContext* host = Host();
  // Waits until the working dialog exists, so that closing it below cannot come first.
  if (host != nullptr && host->setWorkingDialogLayout != nullptr) host->setWorkingDialogLayout(1);
  job.outcome = job.entries.size() == 1 ? ExportLivery(job.output.c_str(), job.entries[0], job.variant)
                                        : ExportLiveries(job.output.c_str(), job.entries, job.variant);
  if (host != nullptr && host->closeWorkingDialog != nullptr) host->closeWorkingDialog();
  return 0;
}

bool ChooseOutput(HWND page, std::string& output) {
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[kSaveBufferChars]());
  if (!buffer) return false;
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = page;
  dialog.lpstrFilter = "ZELVA Texture Packs (*.zlp)\0*.zlp\0";
  dialog.lpstrFile = buffer.get();
  dialog.nMaxFile = DWORD(kSaveBufferChars);
  dialog.lpstrDefExt = "zlp";
  dialog.lpstrInitialDir = LastFolder().empty() ? nullptr : LastFolder().c_str();
  // Replacing a package the user already has is a question, never a surprise.
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR;
  if (!GetSaveFileNameA(&dialog)) return false;
  output = buffer.get();
  size_t slash = output.find_last_of('\\');
  if (slash != std::string::npos) LastFolder() = output.substr(0, slash);
  return true;
}

}  // namespace

void ExportSelectedLiveries(int variant, HWND page, const std::vector<int>& entries) {
  if (variant < 0 || entries.empty()) return;
  auto job = std::make_unique<ExportJob>();
  job->entries = entries;
  job->variant = variant;
  if (!ChooseOutput(page, job->output)) return;
  Log("\n%s - Exporting %d liveries to %s\n", Product().shortName, int(entries.size()), job->output.c_str());

  win::KernelHandle thread(
      CreateThread(nullptr, kExportStack, &ExportThread, job.get(), STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr));
  if (!thread.valid()) {
    MessageBoxA(page, "The export could not be started.", "Error", MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  HostContext* host = Host();
  if (host != nullptr && host->runWorkingDialog != nullptr) host->runWorkingDialog();
  WaitForSingleObject(thread.get(), INFINITE);

  const ExportOutcome& outcome = job->outcome;
  if (outcome.done) {
    MessageBoxA(page, "The livery has been successfully exported!", "Finished", MB_OK | MB_ICONINFORMATION);
  } else {
    Log("\tExport failed: %s\n", outcome.failure.c_str());
    std::string text = "The livery could not be exported.\n\n" + outcome.failure;
    MessageBoxA(page, text.c_str(), "Error", MB_OK | MB_ICONEXCLAMATION);
  }
}

}  // namespace zelva::module
