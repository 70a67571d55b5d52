#include "PackageProcessor.h"

#include "HostLog.h"

namespace zelva::host {

// Reading and installing packages comes with the package processor; until
// then a request is logged, so that the hand-off is visible, and declined.
void OpenPackageByPath(const char* path) { HostLog("\nOpening ZLP file: %s\n", path); }

extern "C" int32_t __cdecl ChooseAndOpenPackage(const OpenPackageRequest*) {
  HostLog("\nOpen ZLP file\n");
  return kResultUnknown;
}

}  // namespace zelva::host
