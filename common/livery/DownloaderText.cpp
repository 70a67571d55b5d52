#include "DownloaderText.h"

#include <cstdio>

namespace zelva::livery {
namespace {

// DownloadState values of the host's download object.
constexpr uint8_t kNew = 0, kQueued = 1, kRunning = 2, kComplete = 3, kFallback = 6;

}  // namespace

const char* RowButtonText(const RowState& state) {
  if (state.downloading) {
    if (!state.hasDownload) return "Downloading";
    switch (state.downloadState) {
      case kNew:
        return "Starting";
      case kQueued:
        return "Queued";
      case kComplete:
        return "Installing";
      default:
        return "Downloading";
    }
  }
  if (!state.installed) return "Download";
  return state.updateAvailable ? "Update" : "Installed!";
}

RowAction RowButtonAction(const RowState& state) {
  if (state.downloading) return state.hasDownload ? RowAction::kAbort : RowAction::kNone;
  if (!state.installed) return RowAction::kDownload;
  return state.updateAvailable ? RowAction::kUpdate : RowAction::kNone;
}

bool RowShowsProgress(const RowState& state) {
  return state.downloading && state.hasDownload &&
         (state.downloadState == kRunning || state.downloadState == kFallback);
}

std::string SizeText(uint32_t bytes) {
  char text[32];
  std::snprintf(text, sizeof(text), "%02.01f MB", double(bytes) / 1048576.0);
  return text;
}

std::string FileProgressText(const std::string& url, uint64_t bytes) {
  char amount[48];
  const double kilobytes = double(bytes) / 1024.0;
  if (kilobytes < 1024.0)
    std::snprintf(amount, sizeof(amount), "%0.0fKB", kilobytes);
  else
    std::snprintf(amount, sizeof(amount), "%0.02fMB", kilobytes / 1024.0);
  return "Downloading file: " + url + " (" + amount + ")...";
}

}  // namespace zelva::livery
