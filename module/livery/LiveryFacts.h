// What an installation of a single-livery package has learnt so far.
#pragma once

#include "ZelvaContract.h"

namespace zelva::module {

struct LiveryFacts {
  char title[200] = {};
  char name[200] = {};                  // ui_variation
  char texture[kNameChars] = {};        // the package's texture value
  char packageFolder[kNameChars] = {};  // "Texture." + texture, as named inside the package
  int variant = -1;
  char aircraftFolder[kPathChars] = {};
  char configPath[kPathChars] = {};     // the variant's aircraft.cfg
  int entry = 0;                        // the reinstalled entry, or where the new number's search starts
  bool reinstall = false;
};

// Where the texture files go.
struct TextureTarget {
  char folder[kPathChars] = {};
  // The files arrive in folder + "\" + package folder and are moved up into folder.
  bool moving = false;
};

}  // namespace zelva::module
