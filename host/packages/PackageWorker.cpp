#include "PackageWorker.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <exception>
#include <string>
#include <thread>

#include "HostLog.h"
#include "HostState.h"
#include "ProcessPackage.h"
#include "WorkingDialog.h"

namespace zelva::host {
namespace {

constexpr char kErrorCaption[] = "An error occured";

void ShowSingleResult(int32_t result) {
  if (result == kResultUnknown) {
    MessageBoxA(Context().mainWindow,
                "Unknown ZLP file type.\n\nThe file may be corrupt, or perhaps you need to update ZELVA Hangardesk?",
                kErrorCaption, MB_OK | MB_ICONWARNING);
  } else if (result == kResultFailed && Context().errorText[0] != '\0') {
    // An empty text: the module has told the user already.
    char text[kErrorChars + 64];
    std::snprintf(text, sizeof(text), "The following error occured:\n\n%s\n", Context().errorText);
    MessageBoxA(Context().mainWindow, text, kErrorCaption, MB_OK | MB_ICONWARNING);
  }
}

void ProcessEach(const PackageJob& job, const PackageOptions& options) {
  HostLog("\tProcessing mutiple ZLPs\n");
  std::string folder = job.paths;
  if (folder.empty() || (folder.back() != '\\' && folder.back() != '/')) folder += '\\';
  for (const char* name = job.paths + std::strlen(job.paths) + 1; *name != '\0'; name += std::strlen(name) + 1) {
    std::string path = folder + name;
    if (ProcessPackage(path.c_str(), options) == kResultCancelled) break;
  }
}

void Work(const PackageJob& job) {
  try {
    HostLog("\nStarting ZLP Processor\n");
    ui::SetWorkingDialogLayout(1);
    ui::SetWorkingDialogText(1, "Loading ZLP File...");
    PackageOptions options = {job.checkProduct};
    if (job.multiple) {
      ProcessEach(job, options);
    } else {
      HostLog("\tProcessing single ZLP\n");
      ShowSingleResult(ProcessPackage(job.paths, options));
    }
  } catch (const std::bad_alloc&) {
    HostLog("\nFatal error: Out of memory!\n");
  } catch (...) {
    HostLog("\nZLP processing stopped by an unexpected error\n");
  }
  ui::CloseWorkingDialog();
}

}  // namespace

void RunPackageJob(const PackageJob& job, bool logWaiting) {
  std::thread worker;
  try {
    worker = std::thread(&Work, job);
  } catch (const std::exception&) {
    // Callers run inside window procedures: nothing may escape.
    HostLog("\nZLP processing could not start a thread\n");
    return;
  }
  ui::RunWorkingDialog();
  if (logWaiting) HostLog("\nWaiting for ZLP thread to finish\n");
  worker.join();
}

}  // namespace zelva::host
