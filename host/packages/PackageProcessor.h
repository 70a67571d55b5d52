// Entry points of package processing.
#pragma once

#include "ZelvaContract.h"

namespace zelva::host {

// Opens a package file named on a command line or handed over by another instance.
void OpenPackageByPath(const char* path);

// The choose-and-open-package service of modules.
extern "C" int32_t __cdecl ChooseAndOpenPackage(const OpenPackageRequest* request);

}  // namespace zelva::host
