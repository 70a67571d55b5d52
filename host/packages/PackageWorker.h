// The worker thread that processes packages while the working dialog is up.
#pragma once

namespace zelva::host {

struct PackageJob {
  // One path; or, with multiple, a folder, a NUL, file names each ended by a
  // NUL and an empty name (the open-file dialog's answer).
  const char* paths;
  bool multiple;
  bool checkProduct;
};

// Starts the worker, runs the working dialog on the calling (UI) thread until
// the worker ends it, and returns once the worker has finished.
void RunPackageJob(const PackageJob& job, bool logWaiting);

}  // namespace zelva::host
