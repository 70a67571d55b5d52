// The dialog that asks for another texture folder when a new livery's
// folder is already taken.
#pragma once

#include "ZelvaContract.h"

namespace zelva::module {

// Shows the dialog filled with name. OK (only with a name that begins with
// "Texture.") leaves the entered name in name and returns true; Cancel false.
bool AskTextureFolderName(char (&name)[kNameChars]);

}  // namespace zelva::module
