#include "FileAssociation.h"

#include "FixedText.h"
#include "Registry.h"

namespace zelva::host {
namespace {

bool DefaultValueEquals(const char* path, const char* expected) {
  win::RegistryKey key;
  if (key.Open(HKEY_CURRENT_USER, path, 0) != ERROR_SUCCESS) return false;
  char value[kPathChars + 64];
  if (win::ReadRegistryString(key.get(), nullptr, value) != ERROR_SUCCESS) return false;
  return lstrcmpiA(value, expected) == 0;
}

}  // namespace

int32_t FileAssociationState(const HostContext& context) {
  char command[kPathChars + 64];
  text::CopyBounded(command, context.programFolder);
  text::AppendBounded(command, "ZELVA Hangardesk.exe %1");
  return DefaultValueEquals("SOFTWARE\\Classes\\ZELVA_Hangardesk\\shell\\open\\command", command) &&
                 DefaultValueEquals("SOFTWARE\\Classes\\.zlp", "ZELVA_Hangardesk")
             ? 1
             : 0;
}

}  // namespace zelva::host
