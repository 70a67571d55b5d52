#include "VersionList.h"

#include "FixedText.h"
#include "VersionCompare.h"

namespace zelva::module {

void BuildVersionList(const ProductInfo& product, VersionList& list) {
  list = VersionList();
  auto add = [&list, &product](uint8_t source, const char* display, const char* section, const char* version) {
    VersionEntry& entry = list.entries[list.count++];
    entry.source = source;
    text::CopyBounded(entry.displayName, display);
    text::CopyBounded(entry.sectionName, section);
    entry.simulator = product.simulator;
    text::CopyBounded(entry.installedVersion, version);
    entry.state = kVersionUnknown;
    entry.notificationId = -1;
  };
  add(kVersionSourceProduct, product.displayName, product.shortName, product.version);
  int expansions = product.expansionCount < kMaxExpansions ? product.expansionCount : kMaxExpansions;
  for (int i = 0; i < expansions; ++i) {
    const ExpansionEntry& expansion = product.expansions[i];
    if (expansion.installed) add(uint8_t(i), expansion.shortName, expansion.fullName, expansion.version);
  }
}

void ReadPublishedVersions(const char* versionsFile, const ProductInfo& product, VersionList& list) {
  const char* file = versionsFile != nullptr ? versionsFile : "";
  // Without a file the profile functions would look in the Windows folder.
  bool present = file[0] != '\0' && GetFileAttributesA(file) != INVALID_FILE_ATTRIBUTES;
  for (int i = 0; i < list.count; ++i) {
    VersionEntry& entry = list.entries[i];
    entry.publishedVersion[0] = entry.updaterUrl[0] = '\0';
    char changelog[10] = {};
    if (present) {
      GetPrivateProfileStringA(entry.sectionName, "Version", "", entry.publishedVersion,
                               sizeof(entry.publishedVersion), file);
      GetPrivateProfileStringA(entry.sectionName, "URL", "", entry.updaterUrl, sizeof(entry.updaterUrl), file);
      GetPrivateProfileStringA(entry.sectionName, "Changelog", "", changelog, sizeof(changelog), file);
    }
    entry.hasChangelog = changelog[0] != '\0';

    entry.state = kVersionUnknown;
    if (entry.publishedVersion[0] != '\0' && product.installed)
      entry.state = update::IsUpToDate(entry.installedVersion, entry.publishedVersion) ? kUpToDate : kUpdateAvailable;
    if (!entry.notificationPosted) entry.notificationId = -1;
  }
}

VersionList& ModuleVersionList() {
  static VersionList list;
  return list;
}

}  // namespace zelva::module
