// Keeps the host's crash filter in place: redirects the process's
// SetUnhandledExceptionFilter to a function that changes nothing and returns null.
#pragma once

namespace zelva::crash {

// False when the function could not be found or redirected.
bool GuardExceptionFilter();

}  // namespace zelva::crash
