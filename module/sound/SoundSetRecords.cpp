#include "SoundSetRecords.h"

#include "FixedText.h"
#include "LiveryPaths.h"
#include "ModuleContext.h"

namespace zelva::module {
namespace {

struct ExteriorSet {
  int variant;
  const char* package;
  bool whenInstalledOnly;
};

constexpr int kInteriorRecord = 0;
constexpr char kInteriorPackage[] = "ZELVAK50-22KHz-SoundPack.zlp";
// The K50F has no exterior set of its own.
constexpr ExteriorSet kExteriorSets[] = {
    {0, "ZELVAK50-200LR-SoundPack.zlp", false},
    {2, "ZELVAK50-300ER-SoundPack.zlp", true},
};

bool VariantInstalled(int variant) {
  const ProductInfo& product = Product();
  return variant < product.variantCount && variant < kMaxVariants && product.variants[variant].installed != 0;
}

void Describe(SoundSetRecord& record, SoundKind kind, int variant, const char* name, const char* package,
              const char* basePath) {
  record.kind = kind;
  record.variant = variant;
  text::CopyBounded(record.name, name != nullptr ? name : "");
  text::CopyBounded(record.package, package);
  if (!text::CopyBounded(record.basePath, basePath)) record.basePath[0] = '\0';
}

}  // namespace

SoundSetTable& SoundSets() {
  static SoundSetTable table = {};
  return table;
}

bool InteriorSoundFolder(char (&folder)[kPathChars]) {
  folder[0] = '\0';
  const HostContext* host = Host();
  if (host == nullptr) return false;
  const char* root = ActiveSimulatorRoot(*host);
  if (root[0] == '\0') return false;
  bool fits = text::CopyBounded(folder, root);
  size_t length = strnlen(folder, kPathChars);
  if (length > 0 && folder[length - 1] != '\\') fits = fits && text::AppendBounded(folder, "\\");
  fits = fits && text::AppendBounded(folder, "Sound\\ZELVA\\K50X\\");
  if (!fits) folder[0] = '\0';
  return fits;
}

void RebuildSoundSetRecords() {
  SoundSetTable& table = SoundSets();
  char folder[kPathChars];
  InteriorSoundFolder(folder);
  Describe(table.records[kInteriorRecord], SoundKind::kInterior, -1, Product().displayName, kInteriorPackage, folder);
  table.count = 1;
  for (const ExteriorSet& set : kExteriorSets) {
    if (set.whenInstalledOnly && !VariantInstalled(set.variant)) continue;
    if (!VariantAircraftFolder(set.variant, folder) || !text::AppendBounded(folder, "\\")) folder[0] = '\0';
    Describe(table.records[table.count], SoundKind::kExterior, set.variant, Product().variants[set.variant].name, set.package,
             folder);
    ++table.count;
  }
}

bool HasExteriorSoundSet(int variant) {
  for (const ExteriorSet& set : kExteriorSets)
    if (set.variant == variant) return true;
  return false;
}

int ExteriorRecordOfVariant(int variant) {
  const SoundSetTable& table = SoundSets();
  for (int record = 0; record < table.count; ++record)
    if (table.records[record].kind == SoundKind::kExterior && table.records[record].variant == variant) return record;
  return -1;
}

}  // namespace zelva::module
