// "HangardeskComboBox": a skinned drop-down list for module pages. Callers
// see only their own items; a "Header" and a "Footer" item frame the list.
#pragma once

#include <windows.h>

namespace zelva::skin {

// Registers the class and loads both skins; false when registration failed.
bool RegisterSkinComboBox(HINSTANCE instance);
void UnregisterSkinComboBox(HINSTANCE instance);

}  // namespace zelva::skin
