// Image buttons that know when the mouse is over them (host command 22).
#pragma once

#include "ZelvaContract.h"

namespace zelva::skin {

constexpr UINT kForwardToParentMessage = WM_APP + 2;

// Creates the owner-drawn static and subclasses it; the record is the
// caller's and must live as long as the button.
bool CreateHoverButton(const HoverButtonDescription& description, HoverButtonRecord& record);

}  // namespace zelva::skin
