// The module's own copy of a producer's record, with every text terminated
// inside its field, so a producer that filled a field to the brim cannot make
// the page read past it.
#pragma once

#include "ZelvaContract.h"

namespace zelva::settings {

inline PanelRecord CopyRecord(const PanelRecord& source) {
  PanelRecord copy = source;
  copy.title[sizeof(copy.title) - 1] = '\0';
  copy.shortText[sizeof(copy.shortText) - 1] = '\0';
  copy.longText[sizeof(copy.longText) - 1] = '\0';
  for (auto& text : copy.buttonText) text[sizeof(text) - 1] = '\0';
  return copy;
}

}  // namespace zelva::settings
