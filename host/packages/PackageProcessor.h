// Entry points of package processing.
#pragma once

#include "ZelvaContract.h"

namespace zelva::host {

// A package named on a command line, handed over by another instance or by
// host command 1: processed at once, without the wrong-product check. The
// caller holds the command queue.
void OpenPackageByPath(const char* path);

// The choose-and-open-package service of modules: the open-file dialog, then
// the chosen packages; a non-zero check flag turns the wrong-product check on.
extern "C" int32_t __cdecl ChooseAndOpenPackage(const OpenPackageRequest* request);

}  // namespace zelva::host
