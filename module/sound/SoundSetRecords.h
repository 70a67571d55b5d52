// The sound packages the Sound Settings page offers: the product's interior
// set and the exterior sets of the K50-200LR and, when it is installed, the
// K50-300ER. The table lives as long as the module; a record keeps its index,
// and a download that runs survives the page.
#pragma once

#include <atomic>
#include <cstdint>

#include "ZelvaContract.h"

namespace zelva::module {

enum class SoundKind : uint8_t { kInterior = 0, kExterior = 1 };

constexpr int kMaxSoundSets = 3;
constexpr size_t kSoundNameChars = 100;

struct SoundSetRecord {
  char name[kSoundNameChars];
  char package[kSoundNameChars];
  char basePath[kPathChars];  // with a trailing backslash; empty without a simulator folder
  SoundKind kind;
  int variant;  // of an exterior set; -1 for the interior one
  bool downloaded;
  int active;  // sound::Alternative
  // Set on the page's thread, cleared by the download's completion.
  std::atomic<bool> downloading;
  std::atomic<DownloadObjectView*> download;
};

struct SoundSetTable {
  SoundSetRecord records[kMaxSoundSets];
  int count;
};

SoundSetTable& SoundSets();

// Names, packages, base paths and kinds as the product and the simulator
// folder are now; downloaded and active are left for the examination, the
// downloads are left as they are.
void RebuildSoundSetRecords();

// Whether the variant has an exterior sound set (the K50F has none).
bool HasExteriorSoundSet(int variant);

// The record of a variant's exterior set, or -1.
int ExteriorRecordOfVariant(int variant);

// "Sound\ZELVA\K50X\" of the current simulator; empty without one.
bool InteriorSoundFolder(char (&folder)[kPathChars]);

}  // namespace zelva::module
