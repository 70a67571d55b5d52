// Sound packages ("Sound Pack" in the package's Settings.dat), however they
// arrive: downloaded from the Sound Settings page, opened from the shell or
// chosen in the host's file dialog. The host's package processor hands them
// over with module command 1, on its worker under its working dialog.
//
// The interior package (Variant empty) carries "22KHz\<group>\..." and is
// installed as the active interior set, after the back-up of the stock files
// it replaces; an exterior package (Variant names the K50-200LR or the
// K50-300ER) carries "sound.stereo\" and "sound.surround\" and leaves the
// variant's active "sound\" as it is.
#pragma once

#include <string>

#include "ZelvaContract.h"

namespace zelva::module {

constexpr char kSoundPackageType[] = "Sound Pack";

// Module command 1 for a sound package: kResultDone, or kResultFailed with
// the host's error text set.
int32_t InstallSoundPackage(const char* packagePath, const PackageSummary& summary);

// A package the page downloaded into a working folder of its own: the folder
// goes once the package has been installed (or has failed to), whether the
// host processed it at once or after the packages queued before it.
void AwaitDownloadedPackage(const std::string& packagePath, const std::string& folder);
// Deletes the folder of an awaited package; false when the package was not
// awaited (any more).
bool ReleaseDownloadedPackage(const std::string& packagePath);

}  // namespace zelva::module
