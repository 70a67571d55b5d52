#include "HostCommands.h"

#include <string>

#include "FileDigest.h"
#include "FixedText.h"
#include "HostConfig.h"
#include "HostState.h"

namespace zelva::host {
namespace {

constexpr size_t kDigestText = 33;

INT_PTR DigestOfFile(const char* path, void* output) {
  if (output == nullptr) return kResultDeclined;
  char* digest = static_cast<char*>(output);
  digest[0] = '\0';
  std::string hex;
  if (path == nullptr || !crypto::FileDigest(path, hex)) return kResultDeclined;
  text::CopyBounded(digest, kDigestText, hex.c_str());
  return kResultDone;
}

}  // namespace

extern "C" INT_PTR __cdecl HostCommand(int32_t code, const char* text, void* object) {
  try {
    switch (code) {
      case kHostSaveSettings:
        SaveSettings(Context());
        return 0;
      case kHostFileDigest:
        return DigestOfFile(text, object);
      default:
        return kResultUnknown;
    }
  } catch (...) {
    return kResultFailed;
  }
}

}  // namespace zelva::host
