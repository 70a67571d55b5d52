// The product's and the installed expansions' versions beside the versions
// the maker publishes in "Versions.ini".
#pragma once

#include <cstdint>

#include "ZelvaContract.h"

namespace zelva::module {

constexpr uint8_t kVersionSourceProduct = 255;
constexpr uint8_t kUpToDate = 1;
constexpr uint8_t kUpdateAvailable = 0;
constexpr uint8_t kVersionUnknown = 255;
constexpr int kMaxVersionEntries = 1 + kMaxExpansions;

struct VersionEntry {
  uint8_t source;                       // kVersionSourceProduct or the expansion's index
  char displayName[kNameChars];
  char sectionName[kNameChars];         // section of "Versions.ini" and changelog name
  uint8_t simulator;
  char installedVersion[kVersionChars];
  char publishedVersion[kVersionChars];
  int32_t hasChangelog;
  char updaterUrl[kUrlChars];
  uint8_t state;                        // kUpToDate, kUpdateAvailable or kVersionUnknown
  int32_t notificationPosted;
  INT_PTR notificationId;               // -1 when none
  volatile LONG downloadRunning;        // set on the UI thread, cleared by the download's worker
};

struct VersionList {
  int count = 0;
  VersionEntry entries[kMaxVersionEntries] = {};
};

// Entry 0 is the product, then each installed expansion in table order.
void BuildVersionList(const ProductInfo& product, VersionList& list);

// Reads each entry's published version, updater address and changelog flag
// from a "Versions.ini" and decides whether it is up to date. A file that is
// not there leaves every entry unknown.
void ReadPublishedVersions(const char* versionsFile, const ProductInfo& product, VersionList& list);

// The module's one list, built at load.
VersionList& ModuleVersionList();

}  // namespace zelva::module
