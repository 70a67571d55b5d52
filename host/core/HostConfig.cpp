#include "HostConfig.h"

#include "FileAssociation.h"
#include "HostLog.h"
#include "SimulatorDiscovery.h"

namespace zelva::host {
namespace {

void ReadUrl(const HostContext& context, const char* key, const char* fallback, char (&url)[kUrlChars]) {
  GetPrivateProfileStringA("Online", key, fallback, url, kUrlChars, context.configPath);
}

const char* Flag(int32_t value) { return value != 0 ? "1" : "0"; }

}  // namespace

void ReadConfiguration(HostContext& context) {
  context.openPdfExternally = int32_t(GetPrivateProfileIntA("Main", "Open_PDF_Externally", 1, context.configPath));
  ReadUrl(context, "ProdUpdateServer", kDefaultProductUpdateServer, context.productUpdateServer);
  ReadUrl(context, "UpdateServer", kDefaultHostUpdateServer, context.hostUpdateServer);
  ReadUrl(context, "LiveriesServer", kDefaultLiveriesServer, context.liveriesServer);
  ReadUrl(context, "S3Archive", kDefaultLiveryArchive, context.liveryArchive);
  context.checkForUpdates = int32_t(GetPrivateProfileIntA("Online", "CheckForUpdates", 1, context.configPath));
}

bool LoadSettings(HostContext& context, const ElevationSeam& elevation) {
  HostLog("\nLoading Settings\n");
  FindFsx(context);
  FindFsxSe(context);
  FindP3d(context);
  FindP3dV4(context);
  if (CheckElevation(context, elevation) == ElevationOutcome::kRelaunched) return false;
  ApplyCoExistenceRule(context);
  context.fileAssociation = FileAssociationState(context);
  ReadConfiguration(context);
  return true;
}

void SaveSettings(const HostContext& context) {
  WritePrivateProfileStringA("Main", "Open_PDF_Externally", Flag(context.openPdfExternally), context.configPath);
  WritePrivateProfileStringA("Online", "CheckForUpdates", Flag(context.checkForUpdates), context.configPath);
}

}  // namespace zelva::host
