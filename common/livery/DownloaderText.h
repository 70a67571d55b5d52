// The texts the livery downloader shows: a row's action button, its size,
// and the progress of a single file fetched out of a remote package.
#pragma once

#include <cstdint>
#include <string>

namespace zelva::livery {

struct RowState {
  bool installed = false;
  bool updateAvailable = false;
  bool downloading = false;
  bool hasDownload = false;   // the host's download object exists
  uint8_t downloadState = 0;  // its DownloadState
};

enum class RowAction { kDownload, kAbort, kUpdate, kNone };

// "Download", "Downloading", "Starting", "Queued", "Installing",
// "Installed!" or "Update".
const char* RowButtonText(const RowState& state);
// What a click on the row's button does.
RowAction RowButtonAction(const RowState& state);
// A progress bar shows while the download runs (2) or its fallback does (6).
bool RowShowsProgress(const RowState& state);

// "%02.01f MB" of bytes / 1,048,576.
std::string SizeText(uint32_t bytes);

// "Downloading file: %s (%0.0fKB)..." below 1,024 KB, else
// "Downloading file: %s (%0.02fMB)...".
std::string FileProgressText(const std::string& url, uint64_t bytes);

}  // namespace zelva::livery
