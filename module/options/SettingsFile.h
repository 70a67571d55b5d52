// An airframe's settings file read into and written from the model, through
// the platform's profile functions.
#pragma once

#include <string>

#include "AirframeSettings.h"

namespace zelva::module {

// fileName is the airframe's registration followed by ".ini", in the
// product's settings folder. A file that does not exist, or a name that is no
// plain file name, gives an empty model.
void LoadAirframeSettings(options::AirframeSettings& model, const std::string& fileName);

// Reads the current file again, dropping unsaved changes.
void RevertAirframeSettings(options::AirframeSettings& model);

// Writes the entries the user changed, and nothing else. A read-only file is
// written only when the user lets its attribute be cleared; a write that
// fails is reported with the file's path. True when every change is in the
// file; what could not be written stays changed in the model.
bool SaveAirframeSettings(options::AirframeSettings& model);

}  // namespace zelva::module
