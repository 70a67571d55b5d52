// The cabinet writer on the platform compressor, read back by the reader.
// Independent readers (cabextract, an independent Blowfish) check its output
// in the peer tests.
#include <gtest/gtest.h>

#include <algorithm>

#include "ArchiveCodes.h"
#include "ArchiveTestSupport.h"
#include "CabinetWriter.h"
#include "CipherTestSupport.h"
#include "Extract.h"
#include "PackageKey.h"
#include "TestFolder.h"
#include "WideText.h"

using namespace archive_test;
using namespace Cabinet;
using namespace zelva::archive;

namespace {

struct Entry {
  std::wstring name;
  FILETIME modified;
  uint16_t attributes;
};

INT_PTR CollectEntry(const CabFileEntry* entry, INT_PTR user) {
  reinterpret_cast<std::vector<Entry>*>(user)->push_back(
      {entry->relativePath, entry->modified, entry->attributes});
  return 1;
}

// Extracts with the package key into target and returns the entries seen.
std::vector<Entry> ReadBack(const std::wstring& package, const std::wstring& target) {
  std::vector<Entry> entries;
  CExtract reader;
  EXPECT_TRUE(reader.OpenDecoder());
  reader.SetCipherKey(kPackageKeyLength, PackageKey());
  ExtractCallbacks callbacks = {};
  callbacks.beforeCopy = &CollectEntry;
  reader.SetCallbacks(callbacks);
  EXPECT_TRUE(reader.Extract(package.c_str(), target.c_str(), INT_PTR(&entries))) << reader.GetError().code;
  return entries;
}

TEST(Writer, EncipheredPackageHasThePackageLayoutAndReadsBack) {
  ScratchFolder work;
  const std::wstring package = work / L"out\\new folder\\package.zlp";  // folders are created
  const wchar_t* names[] = {L"Config.cfg", L"Texture.T\\a.dds", L"Texture.T\\b.bmp", L"Settings.dat"};
  CabinetWriter writer;
  writer.SetCipherKey(kPackageKeyLength, PackageKey());
  ASSERT_TRUE(writer.Create(package.c_str()));
  for (const wchar_t* name : names) {
    ASSERT_TRUE(writer.AddFile((Sample(L"src\\") + name).c_str(), name));
    ASSERT_TRUE(writer.FlushFolder());
  }
  ASSERT_TRUE(writer.FlushCabinet());
  ASSERT_TRUE(writer.Destroy());

  // The layout is checked against an independent Blowfish in the peer tests.
  EXPECT_EQ(ReadAll(package).substr(0, 4), "CRYP");
  EXPECT_EQ(ReadBack(package, work / L"x").size(), 4u);
  for (const wchar_t* name : names)
    EXPECT_TRUE(ReadAll(work / (std::wstring(L"x\\") + name)) == ReadAll(Sample(L"src\\") + name));
}

TEST(Writer, WideNamesUtcTimesAndAttributesReadBack) {
  ScratchFolder work;
  const std::wstring folder = work / L"\u65e5\u672c \u00e9";
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring source = folder + L"\\\u30c6\u30af\u30b9\u30c1\u30e3.dds";
  WriteAll(source, "wide source");
  const std::wstring latin = work / L"latin.txt";
  WriteAll(latin, "latin");
  SYSTEMTIME when = {2019, 3, 0, 17, 23, 45, 10, 0};  // 10 s: a whole DOS time step
  FILETIME stamp = {};
  SystemTimeToFileTime(&when, &stamp);
  HANDLE file = CreateFileW(latin.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  SetFileTime(file, nullptr, nullptr, &stamp);
  CloseHandle(file);
  SetFileAttributesW(latin.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);

  CabinetWriter writer;
  writer.SetCipherKey(kPackageKeyLength, PackageKey());
  ASSERT_TRUE(writer.Create((work / L"wide.zlp").c_str()));
  ASSERT_TRUE(writer.AddFile(source.c_str(), L"Texture.\u65e5\u672c\\\u30c6.dds"));
  ASSERT_TRUE(writer.AddFile(zelva::win::BytesFromWide(latin, CP_ACP).c_str(), "caf\xe9.txt"));
  ASSERT_TRUE(writer.FlushCabinet());
  writer.Destroy();
  std::vector<Entry> entries = ReadBack(work / L"wide.zlp", work / L"x");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(ReadAll(work / L"x\\Texture.\u65e5\u672c\\\u30c6.dds"), "wide source");
  EXPECT_EQ(entries[1].name, zelva::win::WideFromBytes("caf\xe9.txt", CP_ACP));
  EXPECT_EQ(ReadAll(work / (L"x\\" + entries[1].name)), "latin");
  // 0x80: the name is UTF-8; 0x100: the time is UTC.
  EXPECT_EQ(entries[1].attributes, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE | 0x80 | 0x100);
  EXPECT_EQ(CompareFileTime(&entries[1].modified, &stamp), 0);
  SetFileAttributesW(latin.c_str(), FILE_ATTRIBUTE_NORMAL);
  SetFileAttributesW((work / (L"x\\" + entries[1].name)).c_str(), FILE_ATTRIBUTE_NORMAL);
}

struct StatusLog {
  std::vector<std::pair<uint32_t, WriterStatus>> records;  // type, status
  CabinetWriter* writer = nullptr;
  bool cancelNext = false;
};

void RecordStatus(uint32_t type, const WriterStatus* status, INT_PTR user) {
  StatusLog& log = *reinterpret_cast<StatusLog*>(user);
  log.records.push_back({type, *status});
  if (log.cancelNext) log.writer->Cancel();
}

// A folder beyond 43 MB would overflow done * 100 in 32 bits without the
// scaling the percent goes through.
TEST(Writer, StatusTotalsAndPercentOfALargeFolder) {
  ScratchFolder work;
  const size_t size = 44u << 20;
  const std::vector<uint8_t> large = cabinet_test::PatternBytes(size, 11);
  WriteAll(work / L"large.bin", std::string(large.begin(), large.end()));
  WriteAll(work / L"small.txt", "small");
  StatusLog log;
  CabinetWriter writer(&RecordStatus, INT_PTR(&log));
  ASSERT_TRUE(writer.Create((work / L"large.cab").c_str()));
  ASSERT_TRUE(writer.AddFile((work / L"large.bin").c_str(), L"large.bin"));
  ASSERT_TRUE(writer.AddFile((work / L"small.txt").c_str(), L"small.txt"));
  ASSERT_TRUE(writer.FlushCabinet());
  writer.Destroy();
  EXPECT_EQ(writer.status().totalUncompressed, size + 5);
  uint32_t previous = 0, previousTotal = 0, folderReports = 0;
  for (const auto& [type, record] : log.records) {
    if (type != statusFolder) continue;
    ++folderReports;
    EXPECT_LE(record.percent, 100u);
    EXPECT_TRUE(record.lastCount2 != previousTotal || record.percent >= previous);  // rises within one phase
    previous = record.percent;
    previousTotal = record.lastCount2;
  }
  EXPECT_GT(folderReports, 2u);
  // The compressor's last report of a phase stops just short of its total.
  EXPECT_GE(previous, 99u);
  EXPECT_EQ(log.records.back().first, uint32_t(statusCabinet));
}

TEST(Writer, CancelStopsTheCompressorAndLeavesNoCabinet) {
  ScratchFolder work;
  StatusLog log;
  CabinetWriter writer(&RecordStatus, INT_PTR(&log));
  log.writer = &writer;
  ASSERT_TRUE(writer.Create((work / L"cancelled.zlp").c_str()));
  ASSERT_TRUE(writer.AddFile(Sample(L"src\\Texture.T\\b.bmp").c_str(), L"b.bmp"));
  ASSERT_TRUE(writer.FlushFolder());
  log.cancelNext = true;
  EXPECT_FALSE(writer.FlushCabinet());
  EXPECT_EQ(writer.GetError().erfOper, int(FCIERR_USER_ABORT));
  writer.Destroy();
  EXPECT_FALSE(Exists(work / L"cancelled.zlp"));

  CabinetWriter second(&RecordStatus, INT_PTR(&log));
  log.writer = &second;
  ASSERT_TRUE(second.Create((work / L"cancelled2.zlp").c_str()));
  EXPECT_FALSE(second.AddFile(Sample(L"src\\Texture.T\\b.bmp").c_str(), L"b.bmp"));
  EXPECT_EQ(second.GetError().erfOper, int(FCIERR_USER_ABORT));
}

std::vector<std::wstring> TemporaryNames(const std::wstring& folder) {
  std::vector<std::wstring> names;
  for (const auto& file : ReadTree(folder))
    if (file.first.rfind(L"CabTemp", 0) == 0) names.push_back(file.first);
  return names;
}

struct TemporarySnapshot {
  std::wstring folder;
  size_t most = 0;
};

void SnapshotTemporaryFiles(uint32_t, const WriterStatus*, INT_PTR user) {
  TemporarySnapshot& snapshot = *reinterpret_cast<TemporarySnapshot*>(user);
  snapshot.most = std::max(snapshot.most, TemporaryNames(snapshot.folder).size());
}

TEST(Writer, TemporaryFilesSkipTakenNamesAndAreRemoved) {
  ScratchFolder work;
  const std::wstring temporary = work / L"tmp\\";
  CreateDirectoryW(temporary.c_str(), nullptr);
  WriteAll(temporary + L"CabTemp0001", "someone else's");
  zelva::testing::TemporaryFolderOverride redirect(zelva::win::BytesFromWide(temporary, CP_ACP));
  TemporarySnapshot snapshot = {temporary};
  {
    CabinetWriter writer(&SnapshotTemporaryFiles, INT_PTR(&snapshot));
    ASSERT_TRUE(writer.Create((work / L"t.cab").c_str()));
    ASSERT_TRUE(writer.AddFile(Sample(L"src\\Config.cfg").c_str(), L"Config.cfg"));
    ASSERT_TRUE(writer.FlushCabinet());
    ASSERT_TRUE(writer.Destroy());
  }
  EXPECT_GE(snapshot.most, 2u) << "the writer's own temporary files were never seen";
  EXPECT_EQ(TemporaryNames(temporary), std::vector<std::wstring>{L"CabTemp0001"});
  EXPECT_EQ(ReadAll(temporary + L"CabTemp0001"), "someone else's");
}

TEST(Writer, ErrorCodes) {
  ScratchFolder work;
  CabinetWriter writer;
  auto fails = [&](bool ok, int code) { EXPECT_TRUE(!ok && writer.GetError().erfOper == code) << code; };
  fails(writer.Create(L"a\\package.zlp"), kWriterBadName);
  fails(writer.Create((work / L"\u65e5\u672c.zlp").c_str()), kCabinetNameNeedsEscape);
  WriteAll(work / L"file", "a file, not a folder");
  fails(writer.Create((work / L"file\\sub\\package.zlp").c_str()), kFolderNotCreated);
  ASSERT_TRUE(writer.Create((work / L"package.zlp").c_str()));
  fails(writer.AddFile((work / L"missing.txt").c_str(), L"missing.txt"), FCIERR_OPEN_SRC);
  fails(writer.AddFile((work / L"file").c_str(), std::wstring(255, L'n').c_str()), kNameTooLong);
  EXPECT_TRUE(writer.Destroy());
}

}  // namespace
