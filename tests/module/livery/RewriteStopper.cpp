// Runs one livery operation on a simulated FSX folder and ends the process
// the moment its rewrite of aircraft.cfg reaches the given step, as a crash
// there would. Arguments: sort, remove, insert or backup (the livery backup,
// kept in the FSX folder); the step (0 temporary file
// written, 1 flushed, 2 before the replace, 3 after it; "none" to finish);
// the FSX folder.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "ConfigRewrite.h"
#include "LiveryBackup.h"
#include "LiveryEntries.h"
#include "ModuleContext.h"
#include "ProductTemplate.h"

using namespace zelva;

namespace {

constexpr UINT kStopped = 77;
constexpr int kFreighterIndex = 1;
int g_stopAt = -1;

void __cdecl DiscardLog(const char*, ...) {}

void StopAt(zelva::module::RewriteStep step) {
  if (int(step) == g_stopAt) TerminateProcess(GetCurrentProcess(), kStopped);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  const std::string operation = argv[1];
  g_stopAt = std::strcmp(argv[2], "none") == 0 ? -1 : std::atoi(argv[2]);
  static HostContext host;
  std::memset(&host, 0, sizeof(host));
  std::string root = std::string(argv[3]) + "\\";
  if (root.size() >= sizeof(host.fsxRoot)) return 2;
  std::strcpy(host.fsxRoot, root.c_str());
  std::strcpy(host.dataFolder, root.c_str());
  host.currentSimulator = kSimulatorFsx;
  host.log = &DiscardLog;
  zelva::module::SetHost(&host);
  zelva::module::FillProductTemplate(zelva::module::Product());
  zelva::module::FillProductTables(zelva::module::Product());
  zelva::module::SetRewriteStepHook(&StopAt);

  const std::string config = root + "SimObjects\\Airplanes\\ZELVA K50F\\aircraft.cfg";
  if (operation == "sort") {
    zelva::module::SortLiveryEntries(kFreighterIndex);
  } else if (operation == "remove") {
    if (zelva::module::RemoveLiveryEntries({1, 3}, kFreighterIndex) != kResultDone) return 1;
  } else if (operation == "insert") {
    const std::string keys("title=K50F Sky Lease\0ui_variation=Sky Lease\0texture=SkyLease\0", 61);
    if (!zelva::module::InsertLiveryEntry(config.c_str(), 4, keys)) return 1;
  } else if (operation == "backup") {
    zelva::module::RefreshLiveryBackup();
  } else {
    return 2;
  }
  return 0;
}
