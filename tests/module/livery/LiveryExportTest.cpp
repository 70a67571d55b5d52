// Liveries exported to packages: what a package holds, read back with the
// archive reader; the checksums against MD5 of the platform's own crypto
// provider; a package installed on a clean simulator; failures.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <wincrypt.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "CabinetWriter.h"
#include "CompressorBridge.h"
#include "Extract.h"
#include "HostRecorder.h"
#include "LiveryExport.h"
#include "LiveryPackage.h"
#include "LiverySimulator.h"
#include "PackageKey.h"
#include "ProfileSection.h"
#include "WorkFolders.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

constexpr int kFreighterIndex = 1;

// Text-mode digest as the update lists carry it: what the C runtime's text
// mode reads (NULs left out), then the runtime's end-of-file value as a byte,
// hashed by the platform's MD5.
std::string PlatformTextDigest(const std::string& path) {
  std::string text;
  FILE* file = std::fopen(path.c_str(), "rt");
  if (file == nullptr) return "unreadable";
  for (int c; (c = std::fgetc(file)) != EOF;)
    if (c != 0) text += char(c);
  std::fclose(file);
  text += char(0xFF);
  HCRYPTPROV provider = 0;
  HCRYPTHASH hash = 0;
  BYTE digest[16];
  DWORD size = sizeof(digest);
  bool ok = CryptAcquireContextA(&provider, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT) &&
            CryptCreateHash(provider, CALG_MD5, 0, 0, &hash) &&
            CryptHashData(hash, reinterpret_cast<const BYTE*>(text.data()), DWORD(text.size()), 0) &&
            CryptGetHashParam(hash, HP_HASHVAL, digest, &size, 0);
  if (hash != 0) CryptDestroyHash(hash);
  if (provider != 0) CryptReleaseContext(provider, 0);
  if (!ok) return "no provider";
  char hex[33];
  for (int i = 0; i < 16; ++i) std::snprintf(hex + 2 * i, 3, "%02x", digest[i]);
  return hex;
}

INT_PTR __cdecl Listing(const Cabinet::CabFileEntry* entry, INT_PTR user) {
  std::string name;
  for (const wchar_t* c = entry->relativePath; *c != 0; ++c) name += char(*c);
  reinterpret_cast<std::vector<std::string>*>(user)->push_back(name);
  return 1;
}

// Every entry of a package, extracted into folder; their names in package order.
std::vector<std::string> Unpack(const std::string& package, const std::string& folder) {
  std::vector<std::string> names;
  Cabinet::CExtract extract;
  extract.OpenDecoder();
  extract.SetCipherKey(archive::kPackageKeyLength, archive::PackageKey());
  Cabinet::ExtractCallbacks callbacks = {};
  callbacks.beforeCopy = &Listing;
  extract.SetCallbacks(callbacks);
  std::wstring wide(package.begin(), package.end()), target(folder.begin(), folder.end());
  EXPECT_TRUE(extract.Extract(wide.c_str(), target.c_str(), reinterpret_cast<INT_PTR>(&names))) << package;
  extract.CloseDecoder();
  return names;
}

std::string Setting(const std::string& file, const std::string& section, const std::string& key) {
  char value[300];
  GetPrivateProfileStringA(section.c_str(), key.c_str(), "(none)", value, sizeof(value), file.c_str());
  return value;
}

class LiveryExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim_.WriteConfig(kFreighter, Entry(0, "ZELVA House Colours", "House", "ZK-HSE") +
                                     Entry(1, "Polar Air Cargo", "Polar", "N450PA",
                                           "description=Polar\\nsince 1999\r\nZELVA_Version=7\r\n") +
                                     Entry(2, "Polar Air Cargo Retro", "polar", "N451PA") +
                                     Entry(3, "Nordic Freight", "Nordic", "SE-RNA") + "[fuel]\r\nfuel_type=2\r\n");
    polar_ = Textures("Polar", {{"k50f_fuse.dds", std::string("DDS\r\n\0\x1a tail\r", 13)},
                                {"thumbnail.jpg", "JFIF"},
                                {"empty.bmp", ""}});
    Textures("House", {{"k50f_fuse.dds", "house"}});
    Textures("Nordic", {{"k50f_fuse.dds", "nordic"}});
    SHCreateDirectoryExA(nullptr, (polar_ + "\\sub").c_str(), nullptr);
    WriteWholeFile(polar_ + "\\sub\\hidden.dds", "in a subfolder");
    WriteWholeFile(sim_.SettingsFolder() + "N450PA.ini", "[Options]\r\nTugType=2\r\n");
  }
  std::string Textures(const std::string& texture, const std::vector<std::pair<std::string, std::string>>& files) {
    std::string folder = sim_.AircraftFolder(kFreighter) + "\\Texture." + texture;
    SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
    for (const auto& [name, content] : files) WriteWholeFile(folder + "\\" + name, content);
    return folder;
  }
  std::string Section(int entry) {
    return module::ReadProfileSection(sim_.ConfigPath(kFreighter).c_str(), ("fltsim." + std::to_string(entry)).c_str());
  }

  // Cabinet writers of tests running side by side must not take each other's temporary names.
  TestFolder temp_;
  TemporaryFolderOverride temporary_{temp_.path()};
  LiverySimulator sim_;
  HostRecorder host_{sim_.host()};
  TestFolder out_, unpacked_;
  std::string polar_;
};

TEST_F(LiveryExportTest, OneLiveryBecomesAnEncipheredPackageOfItsEntrySettingsAndTextures) {
  const std::string package = out_ / "Polar.zlp";
  module::ExportOutcome outcome = module::ExportLivery(package.c_str(), 1, kFreighterIndex);
  ASSERT_TRUE(outcome.done) << outcome.failure;
  EXPECT_EQ(ReadWholeFile(package).substr(0, 4), "CRYP");
  EXPECT_FALSE(Exists(package + ".part"));

  std::vector<std::string> names = Unpack(package, unpacked_.path());
  ASSERT_GE(names.size(), 4u);
  EXPECT_EQ(names[0], "Config.cfg");
  EXPECT_EQ(names[1], "Aircraft.ini");
  EXPECT_EQ(names.back(), "Settings.dat");
  const std::vector<std::string> textures(names.begin() + 2, names.end() - 1);
  EXPECT_EQ(textures.size(), 3u);  // nothing of the subfolder

  const std::string settings = unpacked_ / "Settings.dat";
  EXPECT_EQ(Setting(settings, "Settings", "FileVersion") + "|" + Setting(settings, "Settings", "Type") + "|" +
                Setting(settings, "Settings", "Aircraft") + "|" + Setting(settings, "Settings", "Variant") + "|" +
                Setting(settings, "Settings", "Name") + "|" + Setting(settings, "Settings", "ConfigVersion"),
            "1|Single Livery|ZELVA K50X|ZELVA K50F|Polar Air Cargo|7");
  EXPECT_GT(std::stoll(Setting(settings, "Settings", "Date")), 130000000000000000LL);
  EXPECT_EQ(Setting(settings, "Files", "Count"), "3");
  for (int i = 0; i < 3; ++i) {
    char key[32];
    std::snprintf(key, sizeof(key), "File%02d_", i + 1);
    const std::string listed = Setting(settings, "Files", std::string(key) + "Name");
    EXPECT_EQ(listed, textures[size_t(i)]);
    const std::string source = sim_.AircraftFolder(kFreighter) + "\\" + listed;
    EXPECT_EQ(Setting(settings, "Files", std::string(key) + "Checksum"), PlatformTextDigest(source)) << listed;
    EXPECT_EQ(ReadWholeFile(unpacked_ / listed), ReadWholeFile(source)) << listed;
    EXPECT_NE(Setting(settings, "Files", std::string(key) + "Date"), "(none)");
  }
  EXPECT_EQ(module::ReadProfileSection((unpacked_ / "Config.cfg").c_str(), "fltsim.x"), Section(1));
  EXPECT_EQ(ReadWholeFile(unpacked_ / "Aircraft.ini"), "[Options]\r\nTugType=2\r\n");

  // The working dialog told what was written.
  EXPECT_EQ(host_.lines(1).front(), "Exporting Polar Air Cargo...");
  const std::vector<std::string>& progress = host_.lines(2);
  EXPECT_TRUE(std::any_of(progress.begin(), progress.end(),
                          [](const std::string& line) { return line.find("% Written") != std::string::npos; }));
}

TEST_F(LiveryExportTest, AnExportedLiveryInstallsOnACleanSimulatorAsItWas) {
  const std::string package = out_ / "Polar.zlp";
  ASSERT_TRUE(module::ExportLivery(package.c_str(), 1, kFreighterIndex).done);
  const std::string entry = Section(1);
  const std::string settings = ReadWholeFile(sim_.SettingsFolder() + "N450PA.ini");
  std::vector<std::pair<std::string, std::string>> files;
  for (const char* name : {"k50f_fuse.dds", "thumbnail.jpg", "empty.bmp"})
    files.push_back({name, ReadWholeFile(polar_ + "\\" + name)});

  // The same simulator wiped clean of the livery.
  sim_.WriteConfig(kFreighter, "[fuel]\r\nfuel_type=2\r\n");
  files::DeleteFolderTree(polar_.c_str());
  DeleteFileA((sim_.SettingsFolder() + "N450PA.ini").c_str());
  ASSERT_FALSE(Exists(polar_));

  EXPECT_EQ(module::InstallLiveryPackage(package.c_str()), kResultDone);
  EXPECT_EQ(Section(0), entry);
  for (const auto& [name, content] : files) EXPECT_EQ(ReadWholeFile(polar_ + "\\" + name), content) << name;
  EXPECT_FALSE(Exists(polar_ + "\\sub"));
  EXPECT_EQ(ReadWholeFile(sim_.SettingsFolder() + "N450PA.ini"), settings);
}

// Two of three liveries share a texture folder: each keeps an inner package of its own.
TEST_F(LiveryExportTest, SeveralLiveriesBecomeAMultiLiveryPackageOfSingleOnes) {
  const std::string package = out_ / "Fleet.zlp";
  module::ExportOutcome outcome = module::ExportLiveries(package.c_str(), {1, 2, 3}, kFreighterIndex);
  ASSERT_TRUE(outcome.done) << outcome.failure;
  std::vector<std::string> names = Unpack(package, unpacked_.path());
  ASSERT_EQ(names.size(), 4u);
  EXPECT_EQ(names.back(), "Settings.dat");

  const std::string settings = unpacked_ / "Settings.dat";
  EXPECT_EQ(Setting(settings, "Settings", "Type") + "|" + Setting(settings, "Settings", "Count") + "|" +
                Setting(settings, "Settings", "Aircraft") + "|" + Setting(settings, "Settings", "Variant"),
            "Multi Livery|3|ZELVA K50X|ZELVA K50F");
  const char* expectedNames[] = {"Polar Air Cargo", "Polar Air Cargo Retro", "Nordic Freight"};
  for (int i = 0; i < 3; ++i) {
    const std::string section = "Livery " + std::to_string(i + 1);
    const std::string inner = Setting(settings, section, "Filename");
    EXPECT_EQ(inner, names[size_t(i)]);
    EXPECT_EQ(Setting(settings, section, "Name"), expectedNames[i]);
    EXPECT_EQ(Setting(settings, section, "Aircraft") + "|" + Setting(settings, section, "Variant"),
              "ZELVA K50X|ZELVA K50F");
    TestFolder innerFolder;
    ASSERT_EQ(ReadWholeFile(unpacked_ / inner).substr(0, 4), "CRYP") << inner;
    Unpack(unpacked_ / inner, innerFolder.path());
    EXPECT_EQ(Setting(innerFolder / "Settings.dat", "Settings", "Name"), expectedNames[i]);
  }
  EXPECT_EQ(names[0], "Texture.Polar.ZLP");
  EXPECT_EQ(names[2], "Texture.Nordic.ZLP");
  EXPECT_NE(_stricmp(names[0].c_str(), names[1].c_str()), 0);
}

// A step that fails leaves the file the user already had, and says what failed.
TEST_F(LiveryExportTest, AFailedExportReportsItsStepAndLeavesTheExistingFile) {
  const std::string package = out_ / "Polar.zlp";
  WriteWholeFile(package, "the user's older package");
  HANDLE locked = CreateFileA((polar_ + "\\k50f_fuse.dds").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  module::ExportOutcome outcome = module::ExportLivery(package.c_str(), 1, kFreighterIndex);
  CloseHandle(locked);
  EXPECT_FALSE(outcome.done);
  EXPECT_NE(outcome.failure.find("k50f_fuse.dds"), std::string::npos) << outcome.failure;
  EXPECT_EQ(ReadWholeFile(package), "the user's older package");
  EXPECT_FALSE(Exists(package + ".part"));

  // A file stands where the package's folder would have to be.
  WriteWholeFile(out_ / "blocker", "x");
  outcome = module::ExportLivery((out_ / "blocker\\Polar.zlp").c_str(), 1, kFreighterIndex);
  EXPECT_FALSE(outcome.done);
  EXPECT_NE(outcome.failure.find("Writing the package failed while creating"), std::string::npos) << outcome.failure;
  EXPECT_EQ(ReadWholeFile(out_ / "blocker"), "x");
}

}  // namespace

namespace {

// The compressor reports a folder of nothing but empty files as 0 of 0 bytes
// written: that folder is complete, not at 0%.
TEST(ExportProgress, AFolderWithNothingToWriteIsWrittenWhole) {
  std::vector<uint32_t> percents;
  Cabinet::CabinetWriter writer(
      [](uint32_t type, const Cabinet::WriterStatus* status, INT_PTR user) {
        if (type == statusFolder) reinterpret_cast<std::vector<uint32_t>*>(user)->push_back(status->percent);
      },
      reinterpret_cast<INT_PTR>(&percents));
  Cabinet::CompressorBridge::Status(statusFolder, 0, 0, &writer);
  Cabinet::CompressorBridge::Status(statusFolder, 50, 200, &writer);
  EXPECT_EQ(percents, (std::vector<uint32_t>{100, 25}));
}

}  // namespace
