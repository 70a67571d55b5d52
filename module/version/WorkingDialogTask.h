// Network work of the version room: done on a thread of its own while the
// host's working dialog shows one line of text.
#pragma once

#include <functional>

namespace zelva::module {

// Runs work on a new thread while the UI thread runs the host's working dialog
// (layout 1, line 1 = line); returns when both have ended. Without a host's
// working dialog the work runs on the caller's thread.
void RunWithWorkingDialog(const char* line, const std::function<void()>& work);

}  // namespace zelva::module
