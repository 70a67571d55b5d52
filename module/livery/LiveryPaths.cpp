#include "LiveryPaths.h"

#include <cstring>

#include "FixedText.h"
#include "ModuleContext.h"
#include "SimulatorPaths.h"

namespace zelva::module {
namespace {

const char* RootOf(const HostContext& host, int simulator) {
  const char* root = SimulatorRoot(host, simulator);
  return root != nullptr ? root : host.fsxRoot;
}

bool AppendSeparator(char (&path)[kPathChars]) {
  size_t length = std::strlen(path);
  return length == 0 || path[length - 1] == '\\' || text::AppendBounded(path, "\\");
}

}  // namespace

const char* ActiveSimulatorRoot(const HostContext& host) { return RootOf(host, host.currentSimulator); }

bool VariantAircraftFolder(int variant, char (&folder)[kPathChars]) {
  folder[0] = '\0';
  const HostContext* host = Host();
  const ProductInfo& product = Product();
  if (host == nullptr || variant < 0 || variant >= product.variantCount || variant >= kMaxVariants) return false;
  const char* root = ActiveSimulatorRoot(*host);
  const char* name = product.variants[variant].folderName;
  if (root[0] == '\0' || name == nullptr || name[0] == '\0') return false;
  bool fits = text::CopyBounded(folder, root);
  fits = fits && AppendSeparator(folder);
  fits = fits && text::AppendBounded(folder, "SimObjects\\Airplanes\\");
  fits = fits && text::AppendBounded(folder, name);
  return fits;
}

bool VariantConfigFile(int variant, char (&path)[kPathChars]) {
  return VariantAircraftFolder(variant, path) && text::AppendBounded(path, "\\aircraft.cfg");
}

std::string AirframeSettingsFolder(bool backups) {
  const HostContext* host = Host();
  if (host == nullptr) return std::string();
  int simulator = host->currentSimulator != kSimulatorNone ? host->currentSimulator : Product().simulator;
  std::string folder = RootOf(*host, simulator);
  if (folder.empty()) return folder;
  if (folder.back() != '\\') folder += '\\';
  folder += "ZELVA\\";
  folder += Product().folderName;
  folder += "\\Aircraft\\";
  if (backups) folder += "Backups\\";
  return folder;
}

}  // namespace zelva::module
