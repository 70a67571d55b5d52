// The version list: who gets an entry, what "Versions.ini" gives it.
#include "VersionList.h"

#include <gtest/gtest.h>

#include "ProductTemplate.h"
#include "TestFolder.h"

using namespace zelva;
using namespace zelva::module;
using zelva::testing::TestFolder;
using zelva::testing::WriteWholeFile;

namespace {

ProductInfo InstalledProduct(bool expansionInstalled) {
  ProductInfo product;
  FillProductTemplate(product);
  FillProductTables(product);
  strcpy(product.version, "1.10");
  product.installed = 1;
  strcpy(product.expansions[0].version, "1.1.0");
  product.expansions[0].installed = expansionInstalled;
  return product;
}

TEST(VersionList, OnlyInstalledExpansionsGetAnEntry) {
  VersionList list;
  BuildVersionList(InstalledProduct(true), list);
  ASSERT_EQ(list.count, 2);
  EXPECT_STREQ(list.entries[1].sectionName, "ZELVA K50-300ER FSX");
  BuildVersionList(InstalledProduct(false), list);
  EXPECT_EQ(list.count, 1);
}

TEST(VersionList, PublishedVersionsDecideEachEntry) {
  TestFolder folder;
  std::string ini = folder / "Versions.ini";
  WriteWholeFile(ini,
                 "[ZELVA K50X]\r\nVersion=1.9\r\nURL=http://example.test/K50X_Updater.exe\r\nChangelog=yes\r\n"
                 "[zelva k50-300er fsx]\r\nVersion=1.1.1\r\nChangelog=\r\n");
  ProductInfo product = InstalledProduct(true);
  VersionList list;
  BuildVersionList(product, list);
  list.entries[1].notificationPosted = 1;
  list.entries[1].notificationId = 77;
  ReadPublishedVersions(ini.c_str(), product, list);

  EXPECT_STREQ(list.entries[0].updaterUrl, "http://example.test/K50X_Updater.exe");
  EXPECT_EQ(list.entries[0].hasChangelog, 1);
  EXPECT_EQ(list.entries[0].state, kUpToDate);  // installed 1.10 is newer than 1.9: no downgrade
  EXPECT_EQ(list.entries[1].state, kUpdateAvailable);  // section names match without regard to case
  EXPECT_EQ(list.entries[1].hasChangelog, 0);
  EXPECT_EQ(list.entries[1].notificationId, 77);  // a posted notice keeps its id

  WriteWholeFile(ini, "[ZELVA K50X]\r\nVersion=1.11\r\n");
  ReadPublishedVersions(ini.c_str(), product, list);
  EXPECT_EQ(list.entries[0].state, kUpdateAvailable);
  EXPECT_EQ(list.entries[1].state, kVersionUnknown);  // no section for the expansion

  // Nothing published, nothing installed, or no file at all: unknown.
  ReadPublishedVersions((folder / "Missing.ini").c_str(), product, list);
  EXPECT_EQ(list.entries[0].state, kVersionUnknown);
  WriteWholeFile(ini, "[ZELVA K50X]\r\nVersion=1.9\r\n");
  product.installed = 0;
  ReadPublishedVersions(ini.c_str(), product, list);
  EXPECT_EQ(list.entries[0].state, kVersionUnknown);
  WriteWholeFile(ini, "[Other]\r\nVersion=9\r\n");
  product.installed = 1;
  ReadPublishedVersions(ini.c_str(), product, list);
  EXPECT_EQ(list.entries[0].state, kVersionUnknown);
  EXPECT_STREQ(list.entries[0].publishedVersion, "");
}

}  // namespace
