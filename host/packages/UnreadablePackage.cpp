#include "UnreadablePackage.h"

#include <windows.h>
#include <fdi.h>

#include <cstdio>

#include "ArchiveCodes.h"
#include "HostLog.h"
#include "HostState.h"

namespace zelva::host {

std::string UnreadableReason(const Cabinet::ExtractError& error) {
  if (error.systemError == Cabinet::kOutOfMemory) return "there is not enough memory";
  switch (error.code) {
    case Cabinet::kExtractOk:
      return "it holds no package description (Settings.dat)";
    case FDIERROR_CABINET_NOT_FOUND:
      return "the file is missing or cannot be read";
    case Cabinet::kNotACabinet:
      return "it is not a package file";
    case Cabinet::kKeyButPlain:
      return "it is a plain cabinet, not a package";
    case Cabinet::kTargetNotCreated:
      return "its files could not be written to the temporary folder";
    case Cabinet::kPathTooShort:
      return "its path is incomplete";
    case Cabinet::kUnsafeEntryName:
      return "it holds file names that lead outside its folder";
    case Cabinet::kUnsafeCabinetName:
      return "it names a device or a file outside its folder";
    default:
      return "it is damaged";
  }
}

int32_t ReportUnreadablePackage(const char* packagePath, const Cabinet::ExtractError& error) {
  HostLog("\tThe package could not be read: error %u, system error %u, HTTP status %u\n", error.code, error.systemError,
          error.httpStatus);
  char text[kErrorChars + 128];
  std::snprintf(text, sizeof(text),
                "The following error occured:\n\nThe package file \"%s\" could not be opened: %s.\n", packagePath,
                UnreadableReason(error).c_str());
  MessageBoxA(Context().mainWindow, text, "An error occured", MB_OK | MB_ICONWARNING);
  Context().errorText[0] = '\0';
  return kResultFailed;
}

}  // namespace zelva::host
