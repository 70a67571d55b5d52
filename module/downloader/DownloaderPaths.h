// Where the livery downloader keeps its files below the host data folder:
// downloaded packages in "Liveries\", summary archives in "Cache\Liveries\".
// Every name in them comes from the server and is checked before use.
#pragma once

#include <string>

namespace zelva::module {

// With a trailing backslash; created when missing. Empty without a host or
// when the folder cannot be made.
std::string DownloadsFolder();
std::string CacheFolder();

// The downloaded package and the summary archive of a catalogue file name;
// empty for a name that is not a plain file name (logged).
std::string DownloadedPackagePath(const std::string& fileName);
std::string SummaryArchivePath(const std::string& fileName);

// The liveries server's URL of a package ("%s/%s" twice).
std::string LiveryPackageUrl(const std::string& fileName);

// The aircraft folder of a variant, without trailing backslash; empty when unknown.
std::string VariantFolder(int variant);

}  // namespace zelva::module
