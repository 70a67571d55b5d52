// The settings module's own instance handle (not the host's).
#pragma once

#include <windows.h>

namespace zelva::settings {

HINSTANCE ModuleInstance();

}  // namespace zelva::settings
