// The livery downloader's catalogue, cache, update state and processing
// thread, linked in, against nginx and the fault-injecting server on loopback
// with packages written by the project's cabinet writer.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <cstdarg>
#include <chrono>
#include <cstdio>
#include <future>
#include <mutex>
#include <optional>
#include <string>

#include "CatalogueLoad.h"
#include "DialogAnswerer.h"
#include "DownloaderPaths.h"
#include "DownloaderStatus.h"
#include "LiveryCache.h"
#include "LiveryDownload.h"
#include "LiverySimulator.h"
#include "LiveryTables.h"
#include "ModuleContext.h"
#include "ExportPackage.h"
#include "LiveryUpdater.h"
#include "ProcessingThread.h"
#include "TestFolder.h"
#include "UpdateState.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

constexpr uint64_t kPackageDate = 133500000000000000ULL;  // a file time in 2024
constexpr uint64_t kSecond = 10000000;
constexpr size_t kFuselageBytes = 3 << 20;

std::mutex g_logLock;
std::string g_log;

void __cdecl RecordLog(const char* format, ...) {
  char text[4096];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(text, sizeof(text), format, arguments);
  va_end(arguments);
  std::lock_guard<std::mutex> guard(g_logLock);
  g_log += text;
}

void __cdecl NoLayout(int32_t) {}
void __cdecl NoText(int32_t, const char*) {}
void __cdecl NoClose() {}
void __cdecl NoRun() {}

// A 4 x 3 picture: GDI+ knows a picture by its bytes, whatever the name says.
std::string Picture() {
  const uint32_t width = 4, height = 3, row = width * 3, pixels = row * height;
  std::string bmp(54 + pixels, '\0');
  auto put = [&bmp](size_t at, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) bmp[at + size_t(i)] = char((value >> (8 * i)) & 0xFF);
  };
  bmp[0] = 'B';
  bmp[1] = 'M';
  put(2, uint32_t(bmp.size()), 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, width, 4);
  put(22, height, 4);
  put(26, 1, 2);
  put(28, 24, 2);
  for (uint32_t i = 0; i < pixels; ++i) bmp[54 + i] = char(0x40 + i);
  return bmp;
}

// The plain files of a folder, "a;b;".
std::string FilesIn(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return "(none)";
  std::string names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names += std::string(found.cFileName) + ";";
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

std::string Ticks(uint64_t value) { return std::to_string(static_cast<unsigned long long>(value)); }

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

class LiveryDownloader : public ::testing::Test {
 protected:
  void SetUp() override {
    {
      std::lock_guard<std::mutex> guard(g_logLock);
      g_log.clear();
    }
    HostContext& host = simulator_.host();
    host.log = &RecordLog;
    host.setWorkingDialogLayout = &NoLayout;
    host.setWorkingDialogText = &NoText;
    host.closeWorkingDialog = &NoClose;
    host.runWorkingDialog = &NoRun;
    std::snprintf(host.dataFolder, sizeof(host.dataFolder), "%s", data_.path().c_str());
    module::Product().variants[0].installed = 1;
    module::Product().variants[1].installed = 1;
    module::ReleaseLiveryTables();
    // Each test publishes below a folder of its own on the servers.
    area_ = std::string("ld-") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    root_ = WindowsPathOf(ZELVA_ARCHIVE_SAMPLES) + "\\" + area_;
    CreateDirectoryA(root_.c_str(), nullptr);
    CreateDirectoryA((root_ + "\\K50").c_str(), nullptr);
    CreateDirectoryA((root_ + "\\V60").c_str(), nullptr);
    Serve(ZELVA_HTTP_BASE "/" + area_);
  }
  void TearDown() override { module::ReleaseLiveryTables(); }

  void Serve(const std::string& base) {
    std::snprintf(simulator_.host().liveriesServer, kUrlChars, "%s", base.c_str());
  }

  // A livery package laid out as the export writes it (a cabinet folder per
  // file), published in the server's folder.
  void Publish(const std::string& fileName, const std::string& name, uint64_t date,
               const std::string& extraFiles = "", int configVersion = 1, const std::string& thumbnail = Picture(),
               const std::string& root = std::string()) {
    const int listed = 2 + int(Count(extraFiles, "_Name="));
    TestFolder staging;
    const std::string settings =
        "[Settings]\r\nFileVersion=1\r\nType=Single Livery\r\nAircraft=ZELVA K50X\r\nVariant=" +
        std::string(k200Lr) + "\r\nName=" + name + "\r\nDate=" + Ticks(date) +
        "\r\nConfigVersion=" + std::to_string(configVersion) +
        "\r\n[Files]\r\nCount=" + std::to_string(listed) + "\r\nFile01_Name=Texture.Sunrise\\fuselage.dds\r\nFile01_Date=" +
        Ticks(date - 60 * kSecond) + "\r\nFile02_Name=Texture.Sunrise\\thumbnail.jpg\r\nFile02_Date=" +
        Ticks(date - 60 * kSecond) + "\r\n" + extraFiles;
    WriteWholeFile(staging / "Settings.dat", settings);
    WriteWholeFile(staging / "Config.cfg", config_ ? *config_ : "[fltsim.x]\r\ntitle=K50 " + name + " v" + std::to_string(configVersion) +
                                               "\r\nui_variation=" + name +
                                               "\r\ntexture=Sunrise\r\natc_id=N50SR\r\nZELVA_Version=" +
                                               std::to_string(configVersion) + "\r\n");
    // Incompressible, so that reading it whole would show in the bytes sent.
    std::string fuselage(kFuselageBytes, '\0');
    uint32_t seed = 12345;
    for (char& c : fuselage) {
      seed = seed * 1103515245u + 12345u;
      c = char(seed >> 24);
    }
    WriteWholeFile(staging / "fuselage.dds", fuselage);
    WriteWholeFile(staging / "thumbnail.jpg", thumbnail);
    const std::string folder = (root.empty() ? root_ : root) + (fileName.rfind("ZELVA K50", 0) == 0 ? "\\K50\\" : "\\V60\\");
    SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
    module::ExportPackage package(folder + fileName, nullptr);
    ASSERT_TRUE(package.Open());
    if (!config_ || !config_->empty()) package.Add(staging / "Config.cfg", "Config.cfg", true);
    package.Add(staging / "fuselage.dds", "Texture.Sunrise\\fuselage.dds", true);
    package.Add(staging / "thumbnail.jpg", "Texture.Sunrise\\thumbnail.jpg", true);
    package.Add(staging / "Settings.dat", "Settings.dat", true);
    ASSERT_TRUE(package.Finish()) << package.failure();
  }

  void Catalogue(const std::string& entries, int count, const std::string& root = std::string()) {
    WriteWholeFile((root.empty() ? root_ : root) + "\\Liveries", "[ZELVA K50X - " + std::string(k200Lr) + "]\r\nCount=" +
                                             std::to_string(count) + "\r\n" + entries);
  }

  static std::string Entry(int n, const std::string& file, const std::string& name, uint64_t date,
                           int revision = -1) {
    char prefix[8];
    std::snprintf(prefix, sizeof(prefix), "%03d_", n);
    const std::string p = prefix;
    return p + "Filename=" + file + "\r\n" + p + "Name=" + name + "\r\n" + p + "Date=" + Ticks(date) + "\r\n" + p +
           "Size=1048576\r\n" + p + "ConfigRevision=" + std::to_string(revision) + "\r\n";
  }

  // Runs the processing thread to its end.
  void Process() {
    module::ProcessingThread thread;
    ASSERT_TRUE(thread.Start(nullptr));
    ASSERT_EQ(WaitForSingleObject(thread.handle(), 60000), WAIT_OBJECT_0);
  }

  module::LiveryCatalogEntry& First() { return module::Tables().variants[0].front(); }

  std::string NginxRequests() const { return ReadWholeFile(WindowsPathOf(ZELVA_NGINX_ACCESS_LOG)); }

  LiverySimulator simulator_;
  TestFolder data_;
  std::string area_, root_;
  // Replaces the published packages' Config.cfg; empty: the package has none.
  std::optional<std::string> config_;
};

TEST_F(LiveryDownloader, ACachedSummaryIsFetchedAgainOnlyForANewerCatalogueDate) {
  Publish("ZELVA K50 Sunrise.zlp", "Sunrise Air", kPackageDate);
  Catalogue(Entry(0, "ZELVA K50 Sunrise.zlp", "Sunrise Air", kPackageDate), 1);
  const std::string packagePath = "/" + area_ + "/K50/ZELVA";

  // A first run: neither "Liveries\" nor "Cache\Liveries\" exists yet.
  ASSERT_TRUE(module::LoadCatalogue());
  ASSERT_EQ(module::Tables().variants[0].size(), 1u);
  Process();
  EXPECT_NE(First().thumbnail, nullptr);
  EXPECT_EQ(module::CachedDate("ZELVA K50 Sunrise.zlp"), Ticks(kPackageDate));
  const size_t firstFetch = Count(NginxRequests(), packagePath);
  EXPECT_GT(firstFetch, 0u);
  // Ranged reads of the parts it needs, not the package.
  EXPECT_NE(NginxRequests().find("\"bytes="), std::string::npos);

  // Same date: from the cache, with its thumbnail, and no request at all.
  module::ReleaseLiveryTables();
  ASSERT_TRUE(module::LoadCatalogue());
  Process();
  EXPECT_NE(First().thumbnail, nullptr);
  EXPECT_EQ(Count(NginxRequests(), packagePath), firstFetch);

  // A newer package and catalogue date: fetched again.
  Publish("ZELVA K50 Sunrise.zlp", "Sunrise Air", kPackageDate + 3600 * kSecond);
  Catalogue(Entry(0, "ZELVA K50 Sunrise.zlp", "Sunrise Air", kPackageDate + 3600 * kSecond), 1);
  ASSERT_TRUE(module::LoadCatalogue());
  Process();
  EXPECT_GT(Count(NginxRequests(), packagePath), firstFetch);
  EXPECT_EQ(module::CachedDate("ZELVA K50 Sunrise.zlp"), Ticks(kPackageDate + 3600 * kSecond));

  // Only complete archives in the cache.
  EXPECT_EQ(FilesIn(data_ / "Cache\\Liveries\\"), "ZELVA K50 Sunrise.dat;");
}

TEST_F(LiveryDownloader, ASecondLoadAppendsANewEntryAndKeepsTheOthersState) {
  Catalogue(Entry(0, "A.zlp", "Alpha", kPackageDate), 1);
  ASSERT_TRUE(module::LoadCatalogue());
  module::LiveryCatalogEntry& alpha = First();
  alpha.downloading = true;
  alpha.thumbnail = module::ThumbnailFromBytes(Picture());
  ASSERT_NE(alpha.thumbnail, nullptr);

  Catalogue(Entry(0, "A.zlp", "Alpha", kPackageDate) + Entry(1, "B.zlp", "Beta", kPackageDate), 2);
  ASSERT_TRUE(module::LoadCatalogue());
  ASSERT_EQ(module::Tables().variants[0].size(), 2u);
  EXPECT_EQ(&First(), &alpha);  // entries never move: download callbacks hold them
  EXPECT_TRUE(alpha.downloading);
  EXPECT_NE(alpha.thumbnail, nullptr);
  EXPECT_EQ(module::Tables().variants[0][1].record.name, "Beta");

  // A full table (255 entries, one more offered) is a loaded one like any
  // other: loading again keeps its states.
  std::string entries = Entry(0, "A.zlp", "Alpha", kPackageDate) + Entry(1, "B.zlp", "Beta", kPackageDate);
  for (int i = 2; i < 256; ++i)
    entries += Entry(i, "F" + std::to_string(i) + ".zlp", "Filler " + std::to_string(i), kPackageDate);
  Catalogue(entries, 256);
  for (int load = 0; load < 2; ++load) {
    ASSERT_TRUE(module::LoadCatalogue());
    ASSERT_EQ(module::Tables().variants[0].size(), 255u);
    EXPECT_TRUE(First().downloading) << load;
    EXPECT_NE(First().thumbnail, nullptr) << load;
  }
}

// The host refuses every package handed to it, with its reason, or cannot
// start the download at all.
INT_PTR g_submitResult = 0;
int g_submitted = 0;

INT_PTR __cdecl RefuseDownloads(int32_t code, const char*, void*) {
  if (code != kHostSubmitDownload) return kResultUnknown;
  ++g_submitted;
  if (g_submitResult == kResultFailed)
    std::snprintf(module::Host()->errorText, kErrorChars, "%s", "No room left for the package");
  return g_submitResult;
}

TEST_F(LiveryDownloader, ADownloadTheHostRefusesOrCannotStartEndsTheRowsDownloading) {
  Catalogue(Entry(0, "A.zlp", "Alpha", kPackageDate), 1);
  ASSERT_TRUE(module::LoadCatalogue());
  simulator_.host().hostCommand = &RefuseDownloads;
  g_submitted = 0;
  // The second click reaches the host only when the first left no download behind.
  for (INT_PTR result : {INT_PTR(kResultFailed), INT_PTR(0)}) {
    g_submitResult = result;
    DialogAnswerer message("An error occured", IDOK, 10000);
    module::StartLiveryDownload(First());
    ASSERT_TRUE(message.Wait()) << result;
    EXPECT_NE(message.text().find(result == kResultFailed ? "No room left for the package"
                                                          : "could not start the download"),
              std::string::npos)
        << message.text();
    EXPECT_FALSE(First().downloading) << result;
    EXPECT_EQ(First().download, nullptr) << result;
  }
  EXPECT_EQ(g_submitted, 2);
  EXPECT_FALSE(module::AnyDownloadOrInstallation());
  module::ReleaseLiveryDownloads();
}

TEST_F(LiveryDownloader, AnUnreachableCatalogueSaysSoAndTheUrlServicesFailureFallsBackToTheReader) {
  Catalogue(Entry(0, "A.zlp", "Alpha", kPackageDate), 1);
  for (const std::string& server : {ZELVA_HTTP_BASE "/" + area_ + "/absent", std::string("http://127.0.0.1:9")}) {
    Serve(server);
    DialogAnswerer message("Error", IDOK, 30000);
    EXPECT_FALSE(module::LoadCatalogue()) << server;
    ASSERT_TRUE(message.Wait()) << server;
    EXPECT_NE(message.text().find("TLS 1.2 is disabled"), std::string::npos) << message.text();
    std::lock_guard<std::mutex> guard(g_logLock);
    EXPECT_NE(g_log.find("The livery catalogue could not be downloaded: " + server + "/Liveries"), std::string::npos)
        << g_log;
  }
  EXPECT_TRUE(module::Tables().variants[0].empty());

  // Where the platform's URL service fails, the program's own reader fetches it.
  const std::string readerRoot = WindowsPathOf(ZELVA_ARCHIVE_SAMPLES) + "\\downloads\\" + area_;
  SHCreateDirectoryExA(nullptr, readerRoot.c_str(), nullptr);
  Catalogue(Entry(0, "A.zlp", "Alpha", kPackageDate), 1, readerRoot);
  Serve(ZELVA_FAULT_BASE "/platform-fails/" + area_);
  auto load = std::async(std::launch::async, [] { return module::LoadCatalogue(); });
  if (load.wait_for(std::chrono::seconds(30)) != std::future_status::ready) {
    DialogAnswerer failure("Error", IDOK);  // the reader failed too: let the load end
    failure.Wait();
  }
  ASSERT_TRUE(load.get());
  ASSERT_EQ(module::Tables().variants[0].size(), 1u);
  EXPECT_EQ(First().record.name, "Alpha");
  std::lock_guard<std::mutex> guard(g_logLock);
  EXPECT_NE(g_log.find("could not fetch " ZELVA_FAULT_BASE "/platform-fails/" + area_ + "/Liveries; trying the package reader"),
            std::string::npos)
      << g_log;
}

TEST_F(LiveryDownloader, AFreshInstallIsCurrentAndAMissingFileOrNewerSettingsAskForAnUpdate) {
  Publish("ZELVA K50 Sunrise.zlp", "Sunrise Air", kPackageDate);
  Catalogue(Entry(0, "ZELVA K50 Sunrise.zlp", "Sunrise Air", kPackageDate, 3), 1);
  // Installed into a renamed folder with a suffixed settings file, as installation may choose.
  simulator_.WriteConfig(k200Lr, "[fltsim.0]\r\ntitle=K50 Sunrise Air\r\nui_variation=Sunrise Air\r\n"
                                 "texture=Sunrise_1\r\natc_id=N50SR_1\r\nZELVA_Version=1\r\n");
  const std::string textures = simulator_.AircraftFolder(k200Lr) + "\\Texture.Sunrise_1\\";
  CreateDirectoryA(textures.c_str(), nullptr);
  // A cabinet keeps times to 2 seconds: the installed files may be a second older.
  FILETIME written;
  const uint64_t installedTime = kPackageDate - 60 * kSecond - kSecond;
  written.dwLowDateTime = DWORD(installedTime);
  written.dwHighDateTime = DWORD(installedTime >> 32);
  for (const char* name : {"fuselage.dds", "thumbnail.jpg"}) {
    WriteWholeFile(textures + name, "x");
    HANDLE file = CreateFileA((textures + name).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    SetFileTime(file, nullptr, nullptr, &written);
    CloseHandle(file);
  }
  WriteWholeFile(simulator_.SettingsFolder() + "N50SR_1.ini", "[Version]\r\nVersion=3\r\n");

  ASSERT_TRUE(module::LoadCatalogue());
  Process();
  EXPECT_TRUE(First().installed);
  EXPECT_FALSE(First().updateAvailable);

  DeleteFileA((textures + "fuselage.dds").c_str());
  module::ComputeUpdateState(First());
  EXPECT_TRUE(First().updateAvailable);

  WriteWholeFile(textures + "fuselage.dds", "x");  // written now: newer than the package lists
  module::ComputeUpdateState(First());
  EXPECT_FALSE(First().updateAvailable);
  WriteWholeFile(simulator_.SettingsFolder() + "N50SR_1.ini", "[Version]\r\nVersion=2\r\n");
  module::ComputeUpdateState(First());
  EXPECT_TRUE(First().updateAvailable);
}

TEST_F(LiveryDownloader, HostileNamesFromTheCatalogueAndThePackageWriteNothingOutside) {
  Publish("ZELVA K50 Good.zlp", "Good", kPackageDate, "File03_Name=Texture.Sunrise\\..\\..\\..\\evil.dll\r\n");
  Catalogue(Entry(0, "..\\..\\..\\evil.zlp", "Climber", kPackageDate) +
                Entry(1, "C:\\evil.zlp", "Absolute", kPackageDate) + Entry(2, "CON.zlp", "Device", kPackageDate) +
                Entry(3, "ZELVA K50 Good.zlp", "Good", kPackageDate) +
                Entry(4, "ZELVA K50 Good.zlp:stream", "Stream", kPackageDate),
            5);
  ASSERT_TRUE(module::LoadCatalogue());
  ASSERT_EQ(module::Tables().variants[0].size(), 1u);
  EXPECT_EQ(First().record.name, "Good");
  Process();
  EXPECT_NE(First().thumbnail, nullptr);
  // The hostile listed file counts for nothing: a fresh install is current.
  simulator_.WriteConfig(k200Lr, "[fltsim.0]\r\ntitle=K50 Good\r\nui_variation=Good\r\ntexture=Sunrise\r\n"
                                 "ZELVA_Version=1\r\n");
  CreateDirectoryA((simulator_.AircraftFolder(k200Lr) + "\\Texture.Sunrise").c_str(), nullptr);
  for (const char* name : {"fuselage.dds", "thumbnail.jpg"})
    WriteWholeFile(simulator_.AircraftFolder(k200Lr) + "\\Texture.Sunrise\\" + name, "x");
  module::ComputeUpdateState(First());
  EXPECT_FALSE(First().updateAvailable);
  {
    std::lock_guard<std::mutex> guard(g_logLock);
    EXPECT_NE(g_log.find("\"..\\..\\..\\evil.zlp\""), std::string::npos) << g_log;
    EXPECT_NE(g_log.find("Texture.Sunrise\\..\\..\\..\\evil.dll"), std::string::npos) << g_log;
  }
  for (const std::string& stray : {data_ / "..\\evil.dat", data_ / "..\\..\\evil.dat", data_ / "Cache\\evil.dat",
                                   std::string("C:\\evil.dat"), std::string("C:\\evil.dll")})
    EXPECT_FALSE(Exists(stray)) << stray;
  // A device name "exists" wherever it is asked for: the folder's listing tells.
  EXPECT_EQ(FilesIn(data_ / "Cache\\Liveries\\"), "ZELVA K50 Good.dat;");
  EXPECT_EQ(FilesIn(data_.path()), "");
}

// Waits until the processing thread reads from the server, then ends it as
// the page does; how long the end took.
DWORD StopWhileFetching(module::ProcessingThread& thread, HANDLE copy, const std::string& name) {
  const std::string fetching = "Downloading livery data for " + name + "...";
  const DWORD deadline = GetTickCount() + 30000;
  while (module::DownloaderStatus() != fetching && GetTickCount() < deadline) WaitForSingleObject(copy, 20);
  EXPECT_EQ(module::DownloaderStatus(), fetching);
  EXPECT_EQ(WaitForSingleObject(copy, 300), WAIT_TIMEOUT);  // still reading
  const DWORD start = GetTickCount();
  thread.Stop();
  return GetTickCount() - start;
}

TEST_F(LiveryDownloader, EndingThePageStopsTheThreadAtItsReadItNeverCutsItOff) {
  // A slow server: a large thumbnail in 64 KB pieces, 0.2 s apart.
  std::string thumbnail(1 << 20, '\0');
  for (size_t i = 0; i < thumbnail.size(); ++i) thumbnail[i] = char((i * 2654435761u) >> 13);
  const std::string slowRoot = WindowsPathOf(ZELVA_ARCHIVE_SAMPLES) + "\\downloads\\" + area_;
  std::string entries;
  for (int i = 0; i < 3; ++i) {
    const std::string name = "Slow" + std::to_string(i);
    Publish(name + ".zlp", name, kPackageDate, "", 1, thumbnail, slowRoot);
    Publish(name + ".zlp", name, kPackageDate);  // for the stalling server below
    entries += Entry(i, name + ".zlp", name, kPackageDate);
  }
  Catalogue(entries, 3);
  ASSERT_TRUE(module::LoadCatalogue());

  for (const char* server : {"/slow/", "/stall/"}) {
    Serve(ZELVA_FAULT_BASE + std::string(server) + area_);
    module::ProcessingThread thread;
    ASSERT_TRUE(thread.Start(nullptr));
    HANDLE copy = nullptr;
    ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), thread.handle(), GetCurrentProcess(), &copy, 0, FALSE,
                                DUPLICATE_SAME_ACCESS));
    const DWORD took = StopWhileFetching(thread, copy, "Slow0");
    if (std::string(server) == "/slow/") {
      // The cancelled read ends with the next piece, not with the entry's whole fetch.
      EXPECT_LT(took, 1000u);
    } else {
      // Wine's WinInet ends a blocked read only at its 6-second receive
      // time-out (Windows at once): the page waits that long, no longer.
      EXPECT_LT(took, 9000u);
    }
    DWORD exitCode = STILL_ACTIVE;
    EXPECT_TRUE(GetExitCodeThread(copy, &exitCode));
    EXPECT_EQ(exitCode, 0u) << server;  // it returned by itself
    CloseHandle(copy);
    // Nothing half-written, and no later entry was started.
    EXPECT_EQ(FilesIn(data_ / "Cache\\Liveries\\"), "") << server;
    EXPECT_EQ(module::Tables().variants[0][0].thumbnail, nullptr);
  }
}

TEST_F(LiveryDownloader, AnUpdateWithoutTheServersEntryLeavesTheLocalEntryAndThoseBehindIt) {
  // No Config.cfg in the package; one without the livery's section.
  for (const char* config : {"", "[general]\r\natc_type=K50\r\n"}) {
    config_ = config;
    Publish("ZELVA K50 Sunrise.zlp", "Sunrise Air", kPackageDate, "", 2);
    Catalogue(Entry(0, "ZELVA K50 Sunrise.zlp", "Sunrise Air", kPackageDate), 1);
    simulator_.WriteConfig(k200Lr, "[fltsim.0]\r\ntitle=K50 Sunrise Air\r\nui_variation=Sunrise Air\r\n"
                                   "texture=Sunrise_1\r\natc_id=N50SR_1\r\nZELVA_Version=1\r\n"
                                   "[fltsim.1]\r\ntitle=K50 Other\r\nui_variation=Other\r\ntexture=Other\r\n");
    const std::string textures = simulator_.AircraftFolder(k200Lr) + "\\Texture.Sunrise_1\\";
    CreateDirectoryA(textures.c_str(), nullptr);
    WriteWholeFile(textures + "fuselage.dds", "kept");
    DeleteFileA((textures + "thumbnail.jpg").c_str());
    module::ReleaseLiveryTables();
    ASSERT_TRUE(module::LoadCatalogue());
    Process();

    // The files still come; the entry stays as it was.
    EXPECT_TRUE(module::UpdateLivery(First()));
    EXPECT_EQ(ReadWholeFile(textures + "thumbnail.jpg"), Picture());
    EXPECT_EQ(simulator_.Value(k200Lr, 0, "title"), "K50 Sunrise Air");
    EXPECT_EQ(simulator_.Value(k200Lr, 0, "texture"), "Sunrise_1");
    EXPECT_EQ(simulator_.Value(k200Lr, 0, "ZELVA_Version"), "1");
    EXPECT_EQ(simulator_.Value(k200Lr, 1, "ui_variation"), "Other");
    std::lock_guard<std::mutex> guard(g_logLock);
    EXPECT_NE(g_log.find("Error downloading aircraft.cfg entry!"), std::string::npos) << g_log;
    g_log.clear();
  }
}

TEST_F(LiveryDownloader, UpdateReadsOnlyTheMissingFileAndKeepsTheEntrysOwnFolderAndSettingsFile) {
  Publish("ZELVA K50 Sunrise.zlp", "Sunrise Air", kPackageDate, "", 2);
  Catalogue(Entry(0, "ZELVA K50 Sunrise.zlp", "Sunrise Air", kPackageDate), 1);
  // Installed as installation may leave it: a renamed texture folder and a
  // suffixed settings file; the thumbnail has gone missing.
  simulator_.WriteConfig(k200Lr, "[fltsim.0]\r\ntitle=K50 Sunrise Air\r\nui_variation=Sunrise Air\r\n"
                                 "texture=Sunrise_1\r\natc_id=N50SR_1\r\nZELVA_Version=1\r\n"
                                 "[fltsim.1]\r\ntitle=K50 Other\r\nui_variation=Other\r\ntexture=Other\r\n");
  const std::string textures = simulator_.AircraftFolder(k200Lr) + "\\Texture.Sunrise_1\\";
  CreateDirectoryA(textures.c_str(), nullptr);
  WriteWholeFile(textures + "fuselage.dds", "kept");
  ASSERT_TRUE(module::LoadCatalogue());
  Process();
  ASSERT_TRUE(First().updateAvailable);

  const size_t logged = NginxRequests().size();
  ASSERT_TRUE(module::UpdateLivery(First()));
  EXPECT_EQ(ReadWholeFile(textures + "thumbnail.jpg"), Picture());
  EXPECT_EQ(ReadWholeFile(textures + "fuselage.dds"), "kept");  // newer here: left alone
  EXPECT_FALSE(Exists(simulator_.AircraftFolder(k200Lr) + "\\Texture.Sunrise"));
  EXPECT_EQ(simulator_.Value(k200Lr, 0, "title"), "K50 Sunrise Air v2");
  EXPECT_EQ(simulator_.Value(k200Lr, 0, "ZELVA_Version"), "2");
  EXPECT_EQ(simulator_.Value(k200Lr, 0, "texture"), "Sunrise_1");
  EXPECT_EQ(simulator_.Value(k200Lr, 0, "atc_id"), "N50SR_1");
  EXPECT_EQ(simulator_.Value(k200Lr, 1, "ui_variation"), "Other");
  EXPECT_FALSE(First().updateAvailable);

  // Ranged reads of a few blocks, far below the package's size.
  const std::string requests = NginxRequests().substr(logged);
  size_t sent = 0, ranged = 0;
  for (size_t at = requests.find("/" + area_ + "/K50/"); at != std::string::npos;
       at = requests.find("/" + area_ + "/K50/", at + 1)) {
    const size_t end = requests.find('\n', at);
    const std::string line = requests.substr(at, end - at);
    ranged += line.find("\"bytes=") != std::string::npos;
    const size_t quote = line.rfind(" \"");
    const size_t space = line.rfind(' ', quote - 1);
    sent += std::stoul(line.substr(space + 1, quote - space - 1));
  }
  EXPECT_GT(ranged, 0u);
  EXPECT_LT(sent, kFuselageBytes / 4) << requests;
}

}  // namespace
