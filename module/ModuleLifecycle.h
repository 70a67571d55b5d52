// What the module's exports do: load, show, page changes, hide, unload.
#pragma once

#include "ZelvaContract.h"

namespace zelva::module {

class ProductWindow;

int32_t LoadModule(HostContext* host);
void UnloadModule();

int32_t ShowProductWindow(HWND parent);
void HideProductWindow();
void ChangePage(int page);

// The product window while it is shown, else null.
ProductWindow* CurrentProductWindow();

}  // namespace zelva::module
