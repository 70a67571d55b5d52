#include "ModuleInstance.h"

// The linker's symbol at the start of this image: valid before and without DllMain.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace zelva::settings {

HINSTANCE ModuleInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

}  // namespace zelva::settings
