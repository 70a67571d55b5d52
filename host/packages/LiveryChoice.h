// One livery of a "Multi Livery" package, as the chooser offers it.
#pragma once

namespace zelva::host {

constexpr unsigned kChoiceChars = 100;

struct LiveryChoice {
  char name[kChoiceChars];
  char aircraft[kChoiceChars];
  char variant[kChoiceChars];
  char fileName[kChoiceChars];
  bool install;
  bool productPresent;
  bool variantInstalled;
};

}  // namespace zelva::host
