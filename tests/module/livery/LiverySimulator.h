// Simulated simulator folders for the module's livery operations, linked into
// the test: the host's record points at an FSX and a Prepar3D folder of its
// own, the product description is the K50's, and the log is discarded.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "TestFolder.h"
#include "ZelvaContract.h"

namespace zelva::testing {

constexpr const char* k200Lr = "ZELVA K50-200LR";
constexpr const char* kFreighter = "ZELVA K50F";
constexpr const char* k300Er = "ZELVA K50-300ER";

// A real-looking aircraft.cfg: comments, odd spacing, sections after the liveries.
std::string FreighterConfig();

// "[fltsim.N]" with a title, ui_variation, texture and atc_id, plus extra lines.
std::string Entry(int entry, const std::string& name, const std::string& texture, const std::string& atcId = "",
                  const std::string& extra = "");

// Counts the replacements of aircraft.cfg while it lives.
class ReplaceCounter {
 public:
  ReplaceCounter();
  ~ReplaceCounter();
  ReplaceCounter(const ReplaceCounter&) = delete;
  ReplaceCounter& operator=(const ReplaceCounter&) = delete;
  int count() const;
};

class LiverySimulator {
 public:
  LiverySimulator();
  ~LiverySimulator();

  HostContext& host() { return *host_; }
  void UsePrepar3d() { host_->currentSimulator = kSimulatorP3d; }

  // Folders of the current simulator, without trailing backslash.
  std::string AircraftFolder(const char* variant) const;
  std::string ConfigPath(const char* variant) const { return AircraftFolder(variant) + "\\aircraft.cfg"; }
  // With trailing backslash; created.
  std::string SettingsFolder(bool backups = false) const;
  std::string WriteConfig(const char* variant, const std::string& content);
  std::string ReadConfig(const char* variant) const { return ReadWholeFile(ConfigPath(variant)); }
  std::string Value(const char* variant, int entry, const char* key) const;

 private:
  TestFolder fsx_, p3d_;
  std::unique_ptr<HostContext> host_;
};

}  // namespace zelva::testing
