#include "PackageRefusal.h"

#include <cstdio>

#include "HostLog.h"
#include "HostState.h"

namespace zelva::host {
namespace {

int32_t Refuse(const char* format, const char* value) {
  char* text = Context().errorText;
  std::snprintf(text, kErrorChars, format, value != nullptr ? value : "");
  HostLog("\t%s\n", text);
  return kResultFailed;
}

}  // namespace

int32_t RefuseUnsafePath(const char* value) { return Refuse("The package names an unsafe path: %s", value); }

int32_t RefuseLongPath(const char* value) { return Refuse("The package names a path that is too long: %s", value); }

}  // namespace zelva::host
