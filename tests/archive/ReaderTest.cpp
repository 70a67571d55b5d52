// The reader against packages made by an independent packer (gcab), their
// enciphered forms made with an independent Blowfish, and crafted cabinets.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "ArchiveCodes.h"
#include "ArchiveTestSupport.h"
#include "Extract.h"
#include "ExtractMemory.h"
#include "PackageKey.h"

using namespace archive_test;
using namespace Cabinet;

namespace {

struct Result {
  bool ok;
  ExtractError error;
};

Result ExtractOnce(const std::wstring& cabinet, const std::wstring& target, bool keyed, ExtractCallbacks callbacks = {},
           INT_PTR user = 0) {
  CExtract reader;
  EXPECT_TRUE(reader.OpenDecoder());
  if (keyed) reader.SetCipherKey(kPackageKeyLength, PackageKey());
  reader.SetCallbacks(callbacks);
  bool ok = reader.Extract(cabinet.c_str(), target.c_str(), user);
  Result result = {ok, reader.GetError()};
  EXPECT_TRUE(reader.CloseDecoder());
  return result;
}

TEST(Reader, EncipheredPackageExtractsLikeThePlainCabinet) {
  ScratchFolder plain, enciphered;
  Result fromPlain = ExtractOnce(Sample(L"sample.cab"), plain.path(), false);
  Result fromPackage = ExtractOnce(Sample(L"sample.zlp"), enciphered.path(), true);
  ASSERT_TRUE(fromPlain.ok) << fromPlain.error.code;
  ASSERT_TRUE(fromPackage.ok) << fromPackage.error.code;
  auto source = ReadTree(Sample(L"src"));
  ASSERT_EQ(source.size(), 6u);
  EXPECT_TRUE(SameTree(ReadTree(plain.path()), source));
  EXPECT_TRUE(SameTree(ReadTree(enciphered.path()), source));
}

TEST(Reader, SignatureAndKeyMustAgree) {
  ScratchFolder target;
  Result result = ExtractOnce(Sample(L"sample.zlp"), target.path(), false);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error.code, kEncipheredWithoutKey);
  result = ExtractOnce(Sample(L"sample.cab"), target.path(), true);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error.code, kKeyButPlain);
  for (bool keyed : {false, true}) {
    result = ExtractOnce(Sample(L"notcab.bin"), target.path(), keyed);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error.code, kNotACabinet);
  }
  EXPECT_TRUE(ReadTree(target.path()).empty());
}

TEST(Reader, QueryCabinetReadsTheHeaderThroughTheCipher) {
  CExtract reader;
  ASSERT_TRUE(reader.OpenDecoder());
  FDICABINETINFO info = {};
  EXPECT_FALSE(reader.QueryCabinet(Sample(L"sample.zlp").c_str(), &info));
  EXPECT_EQ(reader.GetError().code, kEncipheredWithoutKey);
  reader.SetCipherKey(kPackageKeyLength, PackageKey());
  ASSERT_TRUE(reader.QueryCabinet(Sample(L"sample.zlp").c_str(), &info));
  EXPECT_EQ(info.cFiles, 6);
  EXPECT_EQ(info.cFolders, 1);
  EXPECT_FALSE(reader.QueryCabinet(Sample(L"notcab.bin").c_str(), nullptr));
  EXPECT_EQ(reader.GetError().code, kNotACabinet);
}

TEST(Reader, EncipheredFileCutInsideABlockFails) {
  ScratchFolder target;
  Result result = ExtractOnce(Sample(L"truncated.zlp"), target.path(), true);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.code, 0u);
}

INT_PTR DeclineAll(const CabFileEntry* entry, INT_PTR user) {
  reinterpret_cast<std::vector<std::wstring>*>(user)->push_back(entry->relativePath);
  return 0;
}

TEST(Reader, DecliningEveryFileLeavesTheTargetUntouched) {
  ScratchFolder parent;
  std::wstring target = parent / L"target";
  std::vector<std::wstring> offered;
  ExtractCallbacks callbacks = {};
  callbacks.beforeCopy = &DeclineAll;
  Result result = ExtractOnce(Sample(L"sample.zlp"), target, true, callbacks, INT_PTR(&offered));
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(offered.size(), 6u);
  EXPECT_FALSE(Exists(target));
}

struct MemoryRun {
  std::map<std::wstring, std::string> files;
  int progressReports = 0;
};

void KeepMemoryFile(const wchar_t* fullPath, CabMemoryFile* memory, INT_PTR user) {
  ASSERT_NE(memory, nullptr);
  std::wstring path = fullPath;
  reinterpret_cast<MemoryRun*>(user)->files[path.substr(path.find(L'\\') + 1)] =
      std::string(reinterpret_cast<const char*>(memory->data), memory->used);
}

void CountProgress(const CabProgress*, INT_PTR user) { ++reinterpret_cast<MemoryRun*>(user)->progressReports; }

TEST(Reader, MemoryTargetWritesNothingToDisk) {
  ScratchFolder workingFolder;
  wchar_t previous[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryW(workingFolder.path().c_str()));
  for (const wchar_t* target : {L"MEMORY\\", L"memory"}) {
    MemoryRun run;
    ExtractCallbacks callbacks = {};
    callbacks.afterCopy = &KeepMemoryFile;
    callbacks.progress = &CountProgress;
    Result result = ExtractOnce(Sample(L"sample.zlp"), target, true, callbacks, INT_PTR(&run));
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(SameTree(run.files, ReadTree(Sample(L"src"))));
    EXPECT_EQ(run.progressReports, 0);
  }
  SetCurrentDirectoryW(previous);
  EXPECT_TRUE(ReadTree(workingFolder.path()).empty());
  EXPECT_FALSE(Exists(workingFolder / L"MEMORY"));
}

TEST(Reader, PathsTooShortAreRefused) {
  ScratchFolder target;
  EXPECT_EQ(ExtractOnce(L"sample.zlp", target.path(), true).error.code, kPathTooShort);   // no folder part
  EXPECT_EQ(ExtractOnce(L"Z:\\x", target.path(), true).error.code, kPathTooShort);        // one-character name
  EXPECT_EQ(ExtractOnce(Sample(L"sample.zlp"), L"C", true).error.code, kPathTooShort);    // "C\"
  EXPECT_EQ(ExtractOnce(Sample(L"sample.zlp"), L"", true).error.code, kPathTooShort);
}

struct CancelRun {
  CExtract* reader;
  bool cancelled = false;
};

void CancelInsideBitmap(const CabProgress* progress, INT_PTR user) {
  CancelRun& run = *reinterpret_cast<CancelRun*>(user);
  if (!run.cancelled && progress->written > 0 && std::wstring(progress->relativePath) == L"Texture.T\\b.bmp") {
    run.cancelled = true;
    run.reader->Cancel();
  }
}

TEST(Reader, CancellingWhileWritingLeavesNoPartialFile) {
  ScratchFolder target;
  CExtract reader;
  ASSERT_TRUE(reader.OpenDecoder());
  reader.SetCipherKey(kPackageKeyLength, PackageKey());
  CancelRun run = {&reader};
  ExtractCallbacks callbacks = {};
  callbacks.progress = &CancelInsideBitmap;
  reader.SetCallbacks(callbacks);
  EXPECT_FALSE(reader.Extract(Sample(L"sample.zlp").c_str(), target.path().c_str(), INT_PTR(&run)));
  EXPECT_TRUE(run.cancelled);
  EXPECT_FALSE(Exists(target / L"Texture.T\\b.bmp"));
  // What was complete before stays.
  EXPECT_TRUE(SameBytes(ReadAll(target / L"Texture.T\\a.dds"), ReadAll(Sample(L"src\\Texture.T\\a.dds"))));
}

struct Report {
  std::wstring relativePath;
  uint32_t written;
  float percent;
};

void RecordProgress(const CabProgress* progress, INT_PTR user) {
  reinterpret_cast<std::vector<Report>*>(user)->push_back({progress->relativePath, progress->written, progress->percent});
}

TEST(Reader, ProgressIsThrottledButTheFinalReportAlwaysComes) {
  for (uint32_t interval : {0u, 3600000u}) {
    ScratchFolder target;
    std::vector<Report> reports;
    ExtractCallbacks callbacks = {};
    callbacks.progress = &RecordProgress;
    callbacks.progressInterval = interval;
    ASSERT_TRUE(ExtractOnce(Sample(L"sample.cab"), target.path(), false, callbacks, INT_PTR(&reports)).ok);
    std::vector<Report> bitmap;
    for (const Report& report : reports)
      if (report.relativePath == L"Texture.T\\b.bmp") bitmap.push_back(report);
    ASSERT_GE(bitmap.size(), 2u);
    EXPECT_EQ(bitmap.front().written, 0u);
    EXPECT_EQ(bitmap.front().percent, 0.0f);
    EXPECT_EQ(bitmap.back().written, 396000u);
    EXPECT_EQ(bitmap.back().percent, 100.0f);
    if (interval == 0)
      EXPECT_GE(bitmap.size(), 10u);  // one per write
    else
      EXPECT_EQ(bitmap.size(), 2u);   // the first and the final
  }
}

TEST(Reader, UnsafeNamesAreSkippedReportedAndLogged) {
  for (const wchar_t* package : {L"unsafe.cab", L"unsafe.zlp"}) {
    ScratchFolder outer;
    std::wstring target = outer / L"a\\b\\target\\";
    LogCapture log;
    Result result = ExtractOnce(Sample(package), target, std::wstring(package).find(L".zlp") != std::wstring::npos);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error.code, kUnsafeEntryName);
    EXPECT_EQ(ReadAll(target + L"good.txt"), "good content");
    std::map<std::wstring, std::string> everything = ReadTree(outer.path());
    EXPECT_EQ(everything.size(), 1u) << "only good.txt may be written";
    EXPECT_FALSE(Exists(L"C:\\evil.dll"));
    EXPECT_FALSE(Exists(L"C:\\rooted.dll"));
    EXPECT_FALSE(Exists(L"Z:\\rooted.dll"));
    std::string text = LogCapture::Text();
    EXPECT_NE(text.find("..\\..\\evil.dll"), std::string::npos) << text;
    EXPECT_NE(text.find("C:\\evil.dll"), std::string::npos) << text;
  }
}

TEST(Reader, NamesTimesAndAttributes) {
  ScratchFolder target;
  ASSERT_TRUE(ExtractOnce(Sample(L"names.cab"), target.path(), false).ok);
  // Names without the UTF-8 bit are Windows-1252; "/" makes folders.
  EXPECT_EQ(ReadAll(target / L"caf\u00e9 \u20ac.txt"), "cp1252");
  EXPECT_EQ(ReadAll(target / L"\u65e5\u672c\\\u30c6.txt"), "utf8");

  FILETIME stored = {};
  DosDateTimeToFileTime(WORD(((2021 - 1980) << 9) | (6 << 5) | 15), WORD((10 << 11) | (20 << 5) | 15), &stored);
  FILETIME asLocal = {};
  LocalFileTimeToFileTime(&stored, &asLocal);
  WIN32_FILE_ATTRIBUTE_DATA local = {}, utc = {};
  ASSERT_TRUE(GetFileAttributesExW((target / L"attr\\local.txt").c_str(), GetFileExInfoStandard, &local));
  ASSERT_TRUE(GetFileAttributesExW((target / L"attr\\utc.txt").c_str(), GetFileExInfoStandard, &utc));
  EXPECT_EQ(CompareFileTime(&local.ftLastWriteTime, &asLocal), 0);
  EXPECT_EQ(CompareFileTime(&utc.ftLastWriteTime, &stored), 0);
  EXPECT_TRUE(local.dwFileAttributes & FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(utc.dwFileAttributes & FILE_ATTRIBUTE_READONLY);
  SetFileAttributesW((target / L"attr\\local.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(Reader, ReadOnlyTargetsAreOverwritten) {
  ScratchFolder target;
  CreateDirectoryW((target / L"Texture.T").c_str(), nullptr);
  WriteAll(target / L"Settings.dat", "old");
  SetFileAttributesW((target / L"Settings.dat").c_str(), FILE_ATTRIBUTE_READONLY);
  ASSERT_TRUE(ExtractOnce(Sample(L"sample.zlp"), target.path(), true).ok);
  EXPECT_TRUE(SameBytes(ReadAll(target / L"Settings.dat"), ReadAll(Sample(L"src\\Settings.dat"))));
}

TEST(Reader, ACabinetSetThatLoopsBackStops) {
  ScratchFolder target;
  Result result = ExtractOnce(Sample(L"loop.cab"), target.path(), false);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error.code, uint32_t(FDIERROR_WRONG_CABINET));
  EXPECT_EQ(ReadAll(target / L"once.txt"), "once");
}

TEST(Reader, OneOpenDecoderPerThreadAndOnlyOnItsOwnThread) {
  CExtract first;
  bool openedElsewhere = true;
  uint32_t code = 0;
  std::thread([&] {
    openedElsewhere = first.OpenDecoder();
    code = first.GetError().code;
  }).join();
  EXPECT_FALSE(openedElsewhere);
  EXPECT_EQ(code, kWrongThread);

  ASSERT_TRUE(first.OpenDecoder());
  EXPECT_FALSE(first.OpenDecoder());  // once is enough; no error
  EXPECT_EQ(first.GetError().code, 0u);
  CExtract second;
  EXPECT_FALSE(second.OpenDecoder());
  EXPECT_EQ(second.GetError().code, kThreadTaken);
  ScratchFolder target;
  std::thread([&] { code = first.Extract(Sample(L"sample.cab").c_str(), target.path().c_str(), 0) ? 0 : first.GetError().code; }).join();
  EXPECT_EQ(code, kWrongThread);
  ASSERT_TRUE(first.CloseDecoder());
  EXPECT_TRUE(second.OpenDecoder());
  EXPECT_TRUE(second.Extract(Sample(L"sample.cab").c_str(), target.path().c_str(), 0));
}

// A source in memory, as a subclass provides one.
class BytesExtract : public CExtractMemory {
 public:
  explicit BytesExtract(std::string bytes) : bytes_(std::move(bytes)) {}
  INT_PTR SourceOpen(const wchar_t*, int, int) override { return NewSourceHandle(0, uint32_t(bytes_.size())); }
  UINT SourceRead(INT_PTR handle, void* buffer, UINT count) override {
    SourceHandle* source = FindSource(handle);
    size_t available = source->position < bytes_.size() ? bytes_.size() - source->position : 0;
    UINT take = UINT(std::min<size_t>(count, available));
    std::memcpy(buffer, bytes_.data() + source->position, take);
    return take;
  }
  INT_PTR OpenForTest() { return SourceOpen(nullptr, 0, 0); }

 private:
  std::string bytes_;
};

TEST(ReaderMemorySource, EncipheredPackageFromMemory) {
  ScratchFolder target;
  BytesExtract reader(ReadAll(Sample(L"sample.zlp")));
  ASSERT_TRUE(reader.OpenDecoder());
  reader.SetCipherKey(kPackageKeyLength, PackageKey());
  ASSERT_TRUE(reader.Extract(L"*MEMORY\\*SOURCE", target.path().c_str(), 0)) << reader.GetError().code;
  EXPECT_TRUE(SameTree(ReadTree(target.path()), ReadTree(Sample(L"src"))));
}

TEST(ReaderMemorySource, SeeksStayInsideTheSource) {
  BytesExtract reader(std::string(100, 'x'));
  INT_PTR handle = reader.OpenForTest();
  EXPECT_EQ(reader.SourceSeek(handle, 100, SEEK_SET), 100);  // the end, where a last read leaves it
  EXPECT_EQ(reader.SourceSeek(handle, -10, SEEK_CUR), 90);
  EXPECT_EQ(reader.SourceSeek(handle, 101, SEEK_SET), -1);
  EXPECT_EQ(reader.SourceSeek(handle, -91, SEEK_CUR), -1);
  EXPECT_EQ(reader.SourceSeek(handle, 0, SEEK_END), -1);
  EXPECT_EQ(reader.SourceClose(handle), 0);
  EXPECT_EQ(reader.SourceSeek(handle, 0, SEEK_SET), -1);
}

TEST(ReaderMemorySource, TheBaseClassHasNoSource) {
  ScratchFolder target;
  CExtractMemory reader;
  ASSERT_TRUE(reader.OpenDecoder());
  EXPECT_FALSE(reader.Extract(Sample(L"sample.cab").c_str(), target.path().c_str(), 0));
  EXPECT_EQ(reader.GetError().code, uint32_t(FDIERROR_CABINET_NOT_FOUND));
}

}  // namespace
