// Which folder a livery's textures go to: the package's own texture folder,
// the one a reinstalled entry already uses, or one the user names.
#pragma once

#include "LiveryFacts.h"

namespace zelva::module {

// 0 with target set; -1 declined, -2 failed (livery error text set). Writes
// a changed texture value into the working copy of the package's Config.cfg.
int ChooseTextureTarget(const LiveryFacts& livery, const char* workConfig, TextureTarget& target);

}  // namespace zelva::module
