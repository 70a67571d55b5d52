// The page's long work on sound folders: done on a thread of its own while
// the host's working dialog, in its two-line layout, keeps the user waiting.
#pragma once

#include <functional>

#include "SoundSetRecords.h"

namespace zelva::module {

// Runs work on a new thread while this (the UI) thread runs the host's
// working dialog, which the worker closes when done; returns when both have
// ended. Without the host's dialog the work runs here.
void RunUnderWorkingDialog(const std::function<void()>& work);

// What the examination found for one record.
struct SoundSetState {
  bool downloaded = false;
  int active = 0;
};

// Downloaded state and active alternative of a record as its folders are now.
// On the worker thread.
SoundSetState ExamineSoundSet(const SoundSetRecord& record);

// Installs alternative 1 or 2 of the record, then examines it again. On the
// worker thread.
SoundSetState InstallSoundSet(const SoundSetRecord& record, int alternative);

}  // namespace zelva::module
