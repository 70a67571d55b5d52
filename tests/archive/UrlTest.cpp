// The URL source against nginx, a fault-injecting server and an FTP server,
// all on loopback, started by the test fixture.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <thread>

#include "ArchiveCodes.h"
#include "ArchiveTestSupport.h"
#include "ExtractUrl.h"
#include "PackageKey.h"
#include "TestFolder.h"

using namespace archive_test;
using namespace Cabinet;
using namespace zelva::archive;

namespace {

std::wstring Url(const char* base, const wchar_t* path) { return Wide(base) + path; }

// The nginx access log from line start on, the lines containing a text.
std::vector<std::string> LinesSince(size_t start = 0, const std::string& containing = "") {
  std::ifstream in(zelva::testing::WindowsPathOf(ZELVA_NGINX_ACCESS_LOG));
  std::vector<std::string> lines;
  size_t at = 0;
  for (std::string line; std::getline(in, line); ++at)
    if (at >= start && line.find(containing) != std::string::npos) lines.push_back(line);
  return lines;
}

// How many stalling answers the fault server has begun (it logs each request
// as it answers).
size_t StallsAnswered() {
  std::ifstream in(zelva::testing::WindowsPathOf(ZELVA_FAULT_LOG));
  size_t count = 0;
  for (std::string line; std::getline(in, line);) count += line.rfind("GET /stall/", 0) == 0;
  return count;
}

struct KeyedReader : CExtractUrl {
  KeyedReader() {
    EXPECT_TRUE(OpenDecoder());
    SetCipherKey(kPackageKeyLength, PackageKey());
  }
};

using Wanted = std::vector<std::wstring>;

INT_PTR OnlyWanted(const CabFileEntry* entry, INT_PTR user) {
  const Wanted& wanted = *reinterpret_cast<Wanted*>(user);
  return std::find(wanted.begin(), wanted.end(), entry->relativePath) != wanted.end();
}

struct UrlRun {
  bool ok;
  ExtractError error;
  uint32_t requests;
  uint64_t bytes;
};

UrlRun ExtractUrl(const std::wstring& url, uint32_t blockSize, const std::wstring& target, Wanted* wanted = nullptr) {
  KeyedReader reader;
  ExtractCallbacks callbacks = {};
  if (wanted != nullptr) callbacks.beforeCopy = &OnlyWanted;
  reader.SetCallbacks(callbacks);
  bool ok = reader.OpenUrl(url.c_str(), L"", blockSize) &&
            reader.Extract(kUrlCabinetPath, target.c_str(), INT_PTR(wanted));
  return {ok, reader.GetError(), reader.connection().requestCount(), reader.connection().bytesReceived()};
}

TEST(UrlSource, StreamedReadsPullTwoFilesOutOfABigPackageWithAFewRanges) {
  ScratchFolder target;
  size_t logStart = LinesSince().size();
  Wanted wanted = {L"Settings.dat", L"small.txt"};
  UrlRun run = ExtractUrl(Url(ZELVA_HTTP_BASE, L"/big.zlp"), 40000, target.path(), &wanted);
  ASSERT_TRUE(run.ok) << run.error.code << " " << run.error.systemError << " " << run.error.httpStatus;
  EXPECT_TRUE(ReadAll(target / L"Settings.dat") == ReadAll(Sample(L"big\\ZZ\\Settings.dat")));
  EXPECT_TRUE(ReadAll(target / L"small.txt") == ReadAll(Sample(L"big\\Texture.T\\small.txt")));
  EXPECT_EQ(ReadTree(target.path()).size(), 2u);

  std::vector<std::string> requests = LinesSince(logStart, "GET /big.zlp");
  EXPECT_LE(requests.size(), 6u);  // the package is 64 MB: 1,679 blocks
  for (const std::string& line : requests) EXPECT_NE(line.find("\" 206 "), std::string::npos) << line;
  EXPECT_EQ(run.requests, requests.size());
  EXPECT_LE(run.bytes, uint64_t(run.requests) * 40000);
}

TEST(UrlSource, QueryCabinetTestsARemotePackageWithOneRequest) {
  KeyedReader reader;
  ASSERT_TRUE(reader.OpenUrl(Url(ZELVA_HTTP_BASE, L"/big.zlp").c_str(), L"", 50000));
  FDICABINETINFO info = {};
  ASSERT_TRUE(reader.QueryCabinet(kUrlCabinetPath, &info));
  EXPECT_EQ(info.cFiles, 5);
  EXPECT_EQ(reader.connection().requestCount(), 1u);
}

// A block that ends exactly where the file ends looks full; a read that runs
// past it must not ask the server for the range beyond (answered 416).
TEST(UrlSource, AReadAcrossTheEndOfTheFileGetsWhatIsThere) {
  const std::string file = ReadAll(Sample(L"notcab.bin"));
  const uint32_t blockSize = 514;
  ASSERT_EQ(file.size(), 2u * blockSize);
  size_t logStart = LinesSince().size();
  CExtractUrl reader;
  ASSERT_TRUE(reader.OpenUrl(Url(ZELVA_HTTP_BASE, L"/notcab.bin").c_str(), L"", blockSize));
  INT_PTR handle = reader.FileOpen(kUrlCabinetPath, 0, 0x100);  // a source handle
  ASSERT_NE(handle, -1);
  std::vector<char> buffer(blockSize);
  ASSERT_EQ(reader.FileSeek(handle, long(blockSize), SEEK_SET), long(blockSize));
  ASSERT_EQ(reader.FileRead(handle, buffer.data(), blockSize), blockSize);
  ASSERT_EQ(reader.FileSeek(handle, long(file.size() - 10), SEEK_SET), long(file.size() - 10));
  ASSERT_EQ(reader.FileRead(handle, buffer.data(), 20), 10u) << reader.GetError().httpStatus;
  EXPECT_EQ(std::string(buffer.data(), 10), file.substr(file.size() - 10));
  std::vector<std::string> requests = LinesSince(logStart, "GET /notcab.bin");
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_NE(requests[0].find("\" 206 "), std::string::npos) << requests[0];
  reader.FileClose(handle);
}

TEST(UrlSource, WholeDownloadGoesThroughATemporaryFileThatIsRemoved) {
  ScratchFolder target, temporary;
  zelva::testing::TemporaryFolderOverride redirect(Narrow(temporary.path()));
  {
    KeyedReader reader;
    ASSERT_TRUE(reader.OpenUrl(Url(ZELVA_HTTP_BASE, L"/sample.zlp").c_str(), L"", 0));
    EXPECT_EQ(ReadTree(temporary.path()).size(), 1u);
    ASSERT_TRUE(reader.Extract(kUrlCabinetPath, target.path().c_str(), 0));
  }
  EXPECT_TRUE(ReadTree(temporary.path()).empty());
  EXPECT_TRUE(ReadTree(target.path()) == ReadTree(Sample(L"src")));
}

TEST(UrlSource, DownloadOnlyKeepsTheLocalFileAndSendsExtraHeaders) {
  ScratchFolder folder;
  const std::wstring local = folder / L"new\\package.zlp";
  CExtractUrl reader;
  ASSERT_TRUE(reader.OpenDecoder());
  ASSERT_TRUE(reader.DownloadAndExtract(Url(ZELVA_HTTP_BASE, L"/sample.zlp").c_str(), local.c_str(), 0, L"", 0));
  EXPECT_TRUE(ReadAll(local) == ReadAll(Sample(L"sample.zlp")));

  // A Range among the extra headers makes the request a ranged one.
  size_t logStart = LinesSince().size();
  reader.connection().extraHeaders = L"X-Zelva: yes|Range: bytes=0-99";
  ASSERT_TRUE(reader.DownloadAndExtract(Url(ZELVA_HTTP_BASE, L"/sample.zlp").c_str(), local.c_str(), 0, L"", 0));
  EXPECT_TRUE(ReadAll(local) == ReadAll(Sample(L"sample.zlp")).substr(0, 100));
  std::vector<std::string> lines = LinesSince(logStart, "GET /sample.zlp");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("\"bytes=0-99\" 206 100 \"yes\""), std::string::npos) << lines[0];
}

// A server that ignores Range, drops the connection or stalls: each run fails
// with a network error (not as cancelled) and leaves nothing behind.
TEST(UrlSource, ServerFaultsFail) {
  const std::pair<const wchar_t*, uint32_t> cases[] = {
      {L"/ignore-range/sample.zlp", 40000}, {L"/drop/sample.zlp", 40000}, {L"/drop/sample.zlp", 0},
      {L"/stall/sample.zlp", 40000}};
  for (const auto& [path, blockSize] : cases) {
    ScratchFolder target;
    UrlRun run = ExtractUrl(Url(ZELVA_FAULT_BASE, path), blockSize, target.path());
    const std::string name = Narrow(path) + " " + std::to_string(blockSize);
    EXPECT_FALSE(run.ok) << name;
    EXPECT_EQ(run.error.code, kNetworkFailed) << name;
    EXPECT_NE(run.error.systemError, 0u) << name;
    EXPECT_NE(run.error.systemError, kCancelled) << name;
    EXPECT_TRUE(ReadTree(target.path()).empty()) << name;
    if (path == cases[0].first) {  // a whole answer where a range was asked for
      EXPECT_EQ(run.error.systemError, kUnexpectedStatus);
      EXPECT_EQ(run.error.httpStatus, 200u);
    }
  }
}

// Closing the handles ends a blocked read at once on Windows; Wine's WinInet
// lets it run into the receive time-out. Either way the run reports 1223.
TEST(UrlSource, CancelFromAnotherThreadEndsATransfer) {
  for (uint32_t blockSize : {40000u, 0u}) {
    ScratchFolder target;
    KeyedReader reader;
    // Once the server has begun its stalling answer, and well before the
    // 6-second receive time-out, which would report itself otherwise.
    const size_t stalls = StallsAnswered();
    std::thread canceller([&] {
      const ULONGLONG deadline = GetTickCount64() + 4000;
      while (StallsAnswered() == stalls && GetTickCount64() < deadline) Sleep(20);
      reader.Cancel();
    });
    bool ok = reader.DownloadAndExtract(Url(ZELVA_FAULT_BASE, L"/stall/sample.zlp").c_str(), L"", blockSize,
                                        target.path().c_str(), 0);
    canceller.join();
    EXPECT_FALSE(ok);
    EXPECT_EQ(reader.GetError().code, kNetworkFailed) << blockSize;
    EXPECT_EQ(reader.GetError().systemError, kCancelled) << blockSize;
  }
}

TEST(UrlSource, FtpStreamedWithRestartOffsetsAndWhole) {
  for (uint32_t blockSize : {40000u, 0u}) {
    ScratchFolder target;
    UrlRun run = ExtractUrl(Url(ZELVA_FTP_BASE, L"/sample.zlp"), blockSize, target.path());
    ASSERT_TRUE(run.ok) << blockSize << ": " << run.error.code << " " << run.error.systemError;
    EXPECT_TRUE(blockSize == 0 || run.requests > 1);
    EXPECT_TRUE(ReadTree(target.path()) == ReadTree(Sample(L"src")));
  }
  // Settings.dat lies 64 MB into the package: reached with a restart offset.
  ScratchFolder big;
  Wanted wanted = {L"Settings.dat"};
  UrlRun run = ExtractUrl(Url(ZELVA_FTP_BASE, L"/big.zlp"), 40000, big.path(), &wanted);
  ASSERT_TRUE(run.ok) << run.error.code << " " << run.error.systemError;
  EXPECT_TRUE(ReadAll(big / L"Settings.dat") == ReadAll(Sample(L"big\\ZZ\\Settings.dat")));
  EXPECT_LE(run.bytes, uint64_t(run.requests) * 40000);
  EXPECT_LE(run.requests, 4u);
}

TEST(UrlSource, ProxyWithCredentials) {
  ScratchFolder target;
  KeyedReader reader;
  reader.connection().proxy = Wide(ZELVA_FAULT_HOST);
  reader.connection().proxyUser = L"zelva";
  reader.connection().proxyPassword = L"proxy-secret";
  ASSERT_TRUE(reader.OpenUrl(Url(ZELVA_HTTP_BASE, L"/sample.zlp").c_str(), L"", 40000));
  ASSERT_TRUE(reader.Extract(kUrlCabinetPath, target.path().c_str(), 0))
      << reader.GetError().code << " " << reader.GetError().systemError << " " << reader.GetError().httpStatus;
  EXPECT_TRUE(ReadTree(target.path()) == ReadTree(Sample(L"src")));

  reader.connection().proxyPassword = L"wrong";
  ASSERT_TRUE(reader.OpenUrl(Url(ZELVA_HTTP_BASE, L"/sample.zlp").c_str(), L"", 40000));
  EXPECT_FALSE(reader.Extract(kUrlCabinetPath, target.path().c_str(), 0));
  EXPECT_EQ(reader.GetError().httpStatus, 407u);
}

TEST(UrlSource, UnusableUrlsFail) {
  CExtractUrl reader;
  ASSERT_TRUE(reader.OpenDecoder());
  EXPECT_FALSE(reader.OpenUrl(L"gopher://127.0.0.1/x", L"", 40000));
  EXPECT_EQ(reader.GetError().systemError, kUnknownScheme);
  EXPECT_FALSE(reader.OpenUrl(Url(ZELVA_HTTP_BASE, L"/missing.zlp").c_str(), L"", 0));
  EXPECT_EQ(reader.GetError().code, kNetworkFailed);
  EXPECT_EQ(reader.GetError().httpStatus, 404u);
}

}  // namespace
