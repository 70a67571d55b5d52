// The instance of the image (program or library) this code is linked into,
// whose resources hold its dialogs and images.
#pragma once

#include <windows.h>

// The linker's symbol at the start of each image: valid before and without DllMain.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace zelva::win {

inline HINSTANCE ThisModule() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

}  // namespace zelva::win
