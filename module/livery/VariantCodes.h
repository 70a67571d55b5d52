// The short variant codes that packages of format version 0 carry instead
// of a variant name.
#pragma once

namespace zelva::module {

// The variant name a version 0 package means by variant; variant itself for
// every other version or text.
const char* VariantNameOfPackage(const char* variant, int fileVersion);

}  // namespace zelva::module
