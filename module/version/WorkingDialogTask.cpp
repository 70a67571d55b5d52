#include "WorkingDialogTask.h"

#include <thread>

#include "ModuleContext.h"

namespace zelva::module {

void RunWithWorkingDialog(const char* line, const std::function<void()>& work) {
  HostContext* host = Host();
  if (host == nullptr || host->runWorkingDialog == nullptr || host->closeWorkingDialog == nullptr ||
      host->setWorkingDialogLayout == nullptr || host->setWorkingDialogText == nullptr) {
    work();
    return;
  }
  std::thread worker([host, line, &work] {
    // The layout call waits until the dialog exists, so the close below
    // cannot come before it.
    host->setWorkingDialogLayout(1);
    host->setWorkingDialogText(1, line);
    try {
      work();
    } catch (...) {
      // Whatever failed, the dialog must close.
    }
    host->closeWorkingDialog();
  });
  host->runWorkingDialog();
  worker.join();
}

}  // namespace zelva::module
