// The host's images that modules find by name.
#pragma once

namespace zelva::skin {

// Resource number of a named image (name compared without regard to case), or -1.
int FindNamedImage(const char* name);

}  // namespace zelva::skin
