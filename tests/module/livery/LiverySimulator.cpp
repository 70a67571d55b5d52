#include "LiverySimulator.h"

#include <shlobj.h>

#include <cstring>

#include "ConfigRewrite.h"
#include "ModuleContext.h"
#include "ProductTemplate.h"

namespace zelva::testing {
namespace {

void __cdecl DiscardLog(const char*, ...) {}

int g_replaced = 0;

}  // namespace

std::string FreighterConfig() {
  return "[Version]\r\nMajor=1\r\nMinor=0\r\n\r\n"
         "; ZELVA K50F - liveries below. Keep the numbering without gaps!\r\n" +
         Entry(0, "ZELVA House Colours", "House", "ZK-HSE",
               "description=The maker's own colours.\\nDelivered 2019.\r\n") +
         Entry(1, "Polar Air Cargo", "Polar", "N450PA") + Entry(2, "Nordic Freight", "Nordic", "SE-RNA") +
         "\r\n   [FLTSIM.3]    ; leased, returns 2027\r\n"
         "title=K50F Atlas\r\nsim = K50F\r\nmodel=\r\ntexture=Atlas\r\n"
         "ui_variation = Atlas\r\natc_id=N496MC\r\n\r\n"
         "[General]\r\natc_type=ZELVA\r\natc_model=K50F\r\nperformance=Cruise 0.84 Mach\\nRange 9,000 km\r\n\r\n"
         "[fuel]\r\nCenter1 = -4.5, 0, 0, 9000, 0\r\nfuel_type=2\r\n";
}

std::string Entry(int entry, const std::string& name, const std::string& texture, const std::string& atcId,
                  const std::string& extra) {
  return "[fltsim." + std::to_string(entry) + "]\r\ntitle=K50F " + name + "\r\nsim=K50F\r\nmodel=\r\ntexture=" +
         texture + "\r\nui_variation=" + name + "\r\natc_id=" + atcId + "\r\n" + extra + "\r\n";
}

ReplaceCounter::ReplaceCounter() {
  g_replaced = 0;
  module::SetRewriteStepHook([](module::RewriteStep step) { g_replaced += step == module::RewriteStep::Replaced; });
}

ReplaceCounter::~ReplaceCounter() { module::SetRewriteStepHook(nullptr); }

int ReplaceCounter::count() const { return g_replaced; }

LiverySimulator::LiverySimulator() : host_(std::make_unique<HostContext>()) {
  std::memset(host_.get(), 0, sizeof(HostContext));
  std::strcpy(host_->fsxRoot, fsx_.path().c_str());
  std::strcpy(host_->p3dRoot, p3d_.path().c_str());
  host_->currentSimulator = kSimulatorFsx;
  host_->log = &DiscardLog;
  module::SetHost(host_.get());
  module::FillProductTemplate(module::Product());
  module::FillProductTables(module::Product());
}

LiverySimulator::~LiverySimulator() { module::SetHost(nullptr); }

std::string LiverySimulator::AircraftFolder(const char* variant) const {
  const TestFolder& root = host_->currentSimulator == kSimulatorP3d ? p3d_ : fsx_;
  return root / ("SimObjects\\Airplanes\\" + std::string(variant));
}

std::string LiverySimulator::SettingsFolder(bool backups) const {
  const TestFolder& root = host_->currentSimulator == kSimulatorP3d ? p3d_ : fsx_;
  std::string folder = root / (backups ? "ZELVA\\ZELVA K50X\\Aircraft\\Backups\\" : "ZELVA\\ZELVA K50X\\Aircraft\\");
  SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
  return folder;
}

std::string LiverySimulator::WriteConfig(const char* variant, const std::string& content) {
  SHCreateDirectoryExA(nullptr, AircraftFolder(variant).c_str(), nullptr);
  WriteWholeFile(ConfigPath(variant), content);
  return ConfigPath(variant);
}

std::string LiverySimulator::Value(const char* variant, int entry, const char* key) const {
  char value[32768];
  std::string section = "fltsim." + std::to_string(entry);
  GetPrivateProfileStringA(section.c_str(), key, "", value, sizeof(value), ConfigPath(variant).c_str());
  return value;
}

}  // namespace zelva::testing
