#include "VersionList.h"


#include "FixedText.h"

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

bool IsAtLeast(const char* installed, const char* published) {
  // Not the locale's collation: "1.10" must stay below "1.9".
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
  for (;; ++installed, ++published) {
    unsigned char a = static_cast<unsigned char>(lower(*installed));
    unsigned char b = static_cast<unsigned char>(lower(*published));
    if (a != b) return a > b;
    if (a == '\0') return true;
  }
}

void ReadPublishedVersions(const char* versionsFile, const ProductInfo& product, VersionList& list) {
  if (versionsFile == nullptr) return;
  for (int i = 0; i < list.count; ++i) {
    VersionEntry& entry = list.entries[i];
    GetPrivateProfileStringA(entry.sectionName, "Version", "", entry.publishedVersion, sizeof(entry.publishedVersion),
                             versionsFile);
    GetPrivateProfileStringA(entry.sectionName, "URL", "", entry.updaterUrl, sizeof(entry.updaterUrl), versionsFile);
    char changelog[10];
    GetPrivateProfileStringA(entry.sectionName, "Changelog", "", changelog, sizeof(changelog), versionsFile);
    entry.hasChangelog = changelog[0] != '\0';

    entry.state = kVersionUnknown;
    if (entry.publishedVersion[0] != '\0' && product.installed)
      entry.state = IsAtLeast(entry.installedVersion, entry.publishedVersion) ? kUpToDate : kUpdateAvailable;
    if (!entry.notificationPosted) entry.notificationId = -1;
  }
}

VersionList& ModuleVersionList() {
  static VersionList list;
  return list;
}

}  // namespace zelva::module
