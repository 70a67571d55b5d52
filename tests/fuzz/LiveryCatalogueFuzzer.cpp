// A catalogue and a package description as a hostile server would send them:
// whatever they hold, every name that is accepted stays a plain name, and
// every package file maps to exactly one file inside one texture folder.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "LiveryCatalogue.h"
#include "LiveryUpdate.h"
#include "ServerNames.h"

using namespace zelva::livery;

namespace {

void Fail(const char* what, const std::string& name) {
  std::fprintf(stderr, "%s: \"%s\"\n", what, name.c_str());
  std::abort();
}

// A component that is empty, only dots and blanks (the platform reads "..."
// as ".."), or carries a drive or stream.
bool LeadsElsewhere(std::string_view name) {
  if (name.empty() || name.find_first_of("/:") != std::string_view::npos) return true;
  size_t start = 0;
  while (true) {
    size_t end = name.find('\\', start);
    std::string_view component = name.substr(start, end == std::string_view::npos ? name.npos : end - start);
    if (component.find_first_not_of(". ") == std::string_view::npos) return true;
    if (end == std::string_view::npos) return false;
    start = end + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zelva::profile::Document document(std::string_view(reinterpret_cast<const char*>(data), size));
  CatalogueSection section = ReadCatalogueSection(document, "S");
  for (const CatalogueRecord& record : section.records) {
    if (LeadsElsewhere(record.fileName) || record.fileName.find('\\') != std::string::npos)
      Fail("accepted a file name that is no plain name", record.fileName);
    if (!IsPlainServerName(SummaryArchiveName(record.fileName)))
      Fail("a summary archive name leads elsewhere", record.fileName);
  }
  PackageDescription package = ReadPackageDescription(document);
  const std::string texture = document.Value("Settings", "Texture", 100);
  for (const PackageFile& file : package.files) {
    for (std::string_view local : {LocalTextureFile(file, texture), LocalTextureFile(file, "Local")}) {
      if (local.empty()) continue;
      size_t separator = local.find('\\');
      if (separator == std::string::npos || local.find('\\', separator + 1) != std::string::npos ||
          local.substr(0, 7) != "Texture" || LeadsElsewhere(local))
        Fail("a package file maps outside one texture folder", std::string(local));
    }
  }
  return 0;
}
