#include "SimulatorPaths.h"

#include <cstring>

#include "FixedText.h"
#include "ModuleContext.h"

namespace zelva::module {

const char* SimulatorRoot(const HostContext& host, int simulator) {
  switch (simulator) {
    case kSimulatorFsx:
      return host.fsxRoot;
    case kSimulatorFsxSe:
      return host.fsxSeRoot;
    case kSimulatorP3d:
      return host.p3dRoot;
    case kSimulatorP3dV4:
      return host.p3dV4Root;
    default:
      return nullptr;
  }
}

bool VariantConfigPath(const char* root, const char* folderName, char (&path)[kPathChars]) {
  if (root == nullptr) root = "";
  bool fits = text::CopyBounded(path, root);
  size_t length = std::strlen(path);
  if (length > 0 && path[length - 1] != '\\') fits = text::AppendBounded(path, "\\") && fits;
  fits = text::AppendBounded(path, "SimObjects\\Airplanes\\") && fits;
  fits = text::AppendBounded(path, folderName != nullptr ? folderName : "") && fits;
  fits = text::AppendBounded(path, "\\aircraft.cfg") && fits;
  return fits && root[0] != '\0';
}

bool SimulatorFilePath(const char* root, const char* relative, char (&path)[kPathChars]) {
  if (root == nullptr) root = "";
  bool fits = text::CopyBounded(path, root);
  size_t length = std::strlen(path);
  if (length > 0 && path[length - 1] != '\\') fits = text::AppendBounded(path, "\\") && fits;
  fits = text::AppendBounded(path, relative != nullptr ? relative : "") && fits;
  return fits && root[0] != '\0';
}

bool CurrentSimulatorFile(const char* relative, char (&path)[kPathChars]) {
  path[0] = '\0';
  const HostContext* host = Host();
  const char* root = host != nullptr ? SimulatorRoot(*host, host->currentSimulator) : nullptr;
  return root != nullptr && SimulatorFilePath(root, relative, path);
}

}  // namespace zelva::module
