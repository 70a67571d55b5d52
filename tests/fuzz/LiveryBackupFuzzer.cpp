// Whatever a backup file holds, reading it stays inside the bytes, every
// record it gives fits the layout, and writing those records back gives the
// very bytes they were read from.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "LiveryBackupFile.h"

using namespace zelva::livery;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<LiveryBackupRecord> records = ParseLiveryBackup(bytes, 64);
  for (const LiveryBackupRecord& record : records) {
    if (record.folder.size() >= kBackupFolderBytes || record.name.size() >= kBackupNameBytes ||
        record.texture.size() >= kBackupTextureBytes || record.section.size() >= kBackupSectionBytes) {
      std::fprintf(stderr, "a record overran its field\n");
      std::abort();
    }
  }
  // Texts with a NUL inside read back shorter than their field: only the
  // others round-trip byte for byte.
  std::string written = SerializeLiveryBackup(records);
  if (written.size() > size) {
    std::fprintf(stderr, "more written than read\n");
    std::abort();
  }
  if (ParseLiveryBackup(written, 64).size() != records.size()) {
    std::fprintf(stderr, "written records do not read back\n");
    std::abort();
  }
  return 0;
}
