// The reader against packages made by an independent packer (gcab), their
// enciphered forms made with an independent Blowfish, and crafted cabinets.
#include <gtest/gtest.h>

#include <thread>

#include "ArchiveCodes.h"
#include "ArchiveTestSupport.h"
#include "Extract.h"
#include "ExtractMemory.h"
#include "PackageKey.h"

using namespace archive_test;
using namespace Cabinet;
using namespace zelva::archive;

namespace {

// 0 when the extraction succeeds, else its error code (~0 for a failure
// that names none).
uint32_t ExtractOnce(const std::wstring& cabinet, const std::wstring& target, bool keyed,
                     ExtractCallbacks callbacks = {}, INT_PTR user = 0) {
  CExtract reader;
  EXPECT_TRUE(reader.OpenDecoder());
  if (keyed) reader.SetCipherKey(kPackageKeyLength, PackageKey());
  reader.SetCallbacks(callbacks);
  uint32_t code = 0;
  if (!reader.Extract(cabinet.c_str(), target.c_str(), user)) code = reader.GetError().code ? reader.GetError().code : ~0u;
  EXPECT_TRUE(reader.CloseDecoder());
  return code;
}

TEST(Reader, EncipheredPackageExtractsLikeThePlainCabinetOverReadOnlyFiles) {
  ScratchFolder plain, enciphered;
  WriteAll(enciphered / L"Settings.dat", "old");
  SetFileAttributesW((enciphered / L"Settings.dat").c_str(), FILE_ATTRIBUTE_READONLY);
  ASSERT_EQ(ExtractOnce(Sample(L"sample.cab"), plain.path(), false), 0u);
  ASSERT_EQ(ExtractOnce(Sample(L"sample.zlp"), enciphered.path(), true), 0u);
  auto source = ReadTree(Sample(L"src"));
  ASSERT_EQ(source.size(), 6u);
  EXPECT_TRUE(ReadTree(plain.path()) == source);
  EXPECT_TRUE(ReadTree(enciphered.path()) == source);
}

TEST(Reader, SignatureAndKeyMustAgree) {
  ScratchFolder target;
  EXPECT_EQ(ExtractOnce(Sample(L"sample.zlp"), target.path(), false), kEncipheredWithoutKey);
  EXPECT_EQ(ExtractOnce(Sample(L"sample.cab"), target.path(), true), kKeyButPlain);
  EXPECT_EQ(ExtractOnce(Sample(L"notcab.bin"), target.path(), true), kNotACabinet);
  EXPECT_TRUE(ReadTree(target.path()).empty());
  EXPECT_NE(ExtractOnce(Sample(L"truncated.zlp"), target.path(), true), 0u);  // cut inside its last block

  // Testing a package reads its header through the cipher too.
  CExtract reader;
  ASSERT_TRUE(reader.OpenDecoder());
  FDICABINETINFO info = {};
  EXPECT_FALSE(reader.QueryCabinet(Sample(L"sample.zlp").c_str(), &info));
  EXPECT_EQ(reader.GetError().code, kEncipheredWithoutKey);
  reader.SetCipherKey(kPackageKeyLength, PackageKey());
  ASSERT_TRUE(reader.QueryCabinet(Sample(L"sample.zlp").c_str(), &info));
  EXPECT_EQ(info.cFiles, 6);
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
  EXPECT_EQ(ExtractOnce(Sample(L"sample.zlp"), target, true, callbacks, INT_PTR(&offered)), 0u);
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
    EXPECT_EQ(ExtractOnce(Sample(L"sample.zlp"), target, true, callbacks, INT_PTR(&run)), 0u);
    EXPECT_TRUE(run.files == ReadTree(Sample(L"src")));
    EXPECT_EQ(run.progressReports, 0);
  }
  SetCurrentDirectoryW(previous);
  EXPECT_TRUE(ReadTree(workingFolder.path()).empty());
  EXPECT_FALSE(Exists(workingFolder / L"MEMORY"));
}

TEST(Reader, PathsTooShortAreRefused) {
  ScratchFolder target;
  EXPECT_EQ(ExtractOnce(L"sample.zlp", target.path(), true), kPathTooShort);  // no folder part
  EXPECT_EQ(ExtractOnce(Sample(L"sample.zlp"), L"", true), kPathTooShort);
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
  EXPECT_TRUE(ReadAll(target / L"Texture.T\\a.dds") == ReadAll(Sample(L"src\\Texture.T\\a.dds")));
}

// The bytes written so far of each report on the bitmap.
void RecordBitmapProgress(const CabProgress* progress, INT_PTR user) {
  if (std::wstring(progress->relativePath) == L"Texture.T\\b.bmp")
    reinterpret_cast<std::vector<uint32_t>*>(user)->push_back(progress->written);
}

TEST(Reader, ProgressIsThrottledButTheFinalReportAlwaysComes) {
  for (uint32_t interval : {0u, 3600000u}) {
    ScratchFolder target;
    std::vector<uint32_t> written;
    ExtractCallbacks callbacks = {};
    callbacks.progress = &RecordBitmapProgress;
    callbacks.progressInterval = interval;
    ASSERT_EQ(ExtractOnce(Sample(L"sample.cab"), target.path(), false, callbacks, INT_PTR(&written)), 0u);
    // One report per write, or the first and the final only.
    EXPECT_TRUE(interval == 0 ? written.size() >= 10 : written == std::vector<uint32_t>({0, 396000})) << written.size();
    EXPECT_EQ(written.back(), 396000u);
  }
}

// The log naming them is checked through zlptool in the peer tests.
TEST(Reader, UnsafeNamesAreSkippedAndReported) {
  for (const wchar_t* package : {L"unsafe.cab", L"unsafe.zlp"}) {
    ScratchFolder outer;
    std::wstring target = outer / L"a\\b\\target\\";
    EXPECT_EQ(ExtractOnce(Sample(package), target, std::wstring(package).find(L".zlp") != std::wstring::npos),
              kUnsafeEntryName);
    EXPECT_EQ(ReadAll(target + L"good.txt"), "good content");
    EXPECT_EQ(ReadTree(outer.path()).size(), 1u) << "only good.txt may be written";
    for (const wchar_t* outside : {L"C:\\evil.dll", L"C:\\rooted.dll", L"Z:\\rooted.dll"})
      EXPECT_FALSE(Exists(outside)) << Narrow(outside);
  }
}

TEST(Reader, NamesTimesAndAttributes) {
  ScratchFolder target;
  ASSERT_EQ(ExtractOnce(Sample(L"names.cab"), target.path(), false), 0u);
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

TEST(Reader, ACabinetSetThatLoopsBackStops) {
  ScratchFolder target;
  EXPECT_EQ(ExtractOnce(Sample(L"loop.cab"), target.path(), false), uint32_t(FDIERROR_WRONG_CABINET));
  EXPECT_EQ(ReadAll(target / L"once.txt"), "once");
}

// A header with no folders made the platform decoder dereference null.
TEST(Reader, AnInconsistentHeaderFailsAsDamagedBeforeTheDecoderParsesIt) {
  for (const wchar_t* package : {L"nofolders.cab", L"nofolders.zlp"}) {
    const bool keyed = std::wstring(package).find(L".zlp") != std::wstring::npos;
    ScratchFolder target;
    EXPECT_EQ(ExtractOnce(Sample(package), target.path(), keyed), uint32_t(kCorruptCabinet)) << Narrow(package);
    MemoryRun run;
    ExtractCallbacks callbacks = {};
    callbacks.afterCopy = &KeepMemoryFile;
    EXPECT_EQ(ExtractOnce(Sample(package), L"MEMORY\\", keyed, callbacks, INT_PTR(&run)), uint32_t(kCorruptCabinet));
    EXPECT_TRUE(ReadTree(target.path()).empty());
    EXPECT_TRUE(run.files.empty());
  }
}

// The decoder hands over a file it could not fill; it never reaches its name
// nor counts as extracted, on disk or in memory. What was complete stays.
TEST(Reader, AFileShorterThanDeclaredIsNeitherLeftNorReported) {
  ScratchFolder target;
  WriteAll(target / L"second.bin", "an older copy");
  std::vector<std::wstring> completed;
  ExtractCallbacks callbacks = {};
  callbacks.afterCopy = [](const wchar_t* path, CabMemoryFile*, INT_PTR user) {
    reinterpret_cast<std::vector<std::wstring>*>(user)->push_back(path);
  };
  EXPECT_EQ(ExtractOnce(Sample(L"long.cab"), target.path(), false, callbacks, INT_PTR(&completed)),
            uint32_t(kCorruptCabinet));
  std::string first;
  for (int i = 0; i < 10; ++i) first += "first";
  EXPECT_EQ(ReadAll(target / L"first.txt"), first);
  EXPECT_EQ(ReadAll(target / L"second.bin"), "an older copy");
  EXPECT_EQ(ReadTree(target.path()).size(), 2u) << "no part file may stay";
  EXPECT_EQ(completed, std::vector<std::wstring>({target / L"first.txt"}));

  MemoryRun run;
  callbacks.afterCopy = &KeepMemoryFile;
  EXPECT_EQ(ExtractOnce(Sample(L"long.cab"), L"MEMORY\\", false, callbacks, INT_PTR(&run)), uint32_t(kCorruptCabinet));
  EXPECT_EQ(run.files.size(), 1u);
  EXPECT_EQ(run.files.count(L"first.txt"), 1u);
}

// Only a plain name of a file beside the package is followed: climbing out
// of its folder or naming a device stops the run before anything is read.
TEST(Reader, NextCabinetsAreFollowedOnlyBesideThePackage) {
  ScratchFolder target;
  EXPECT_EQ(ExtractOnce(Sample(L"nest\\a\\set1.cab"), target.path(), false), 0u);
  EXPECT_EQ(ReadAll(target / L"own.txt"), "own entry");
  EXPECT_EQ(ReadAll(target / L"two.txt"), "second part");

  for (const wchar_t* package : {L"nest\\a\\climb.cab", L"nest\\a\\nextaux.cab"}) {
    ScratchFolder hostile;
    std::vector<std::wstring> offered;
    ExtractCallbacks callbacks = {};
    callbacks.beforeCopy = &DeclineAll;
    EXPECT_EQ(ExtractOnce(Sample(package), hostile.path(), false, callbacks, INT_PTR(&offered)),
              uint32_t(kUnsafeCabinetName))
        << Narrow(package);
    EXPECT_TRUE(offered.empty()) << Narrow(offered.front());
    EXPECT_EQ(ExtractOnce(Sample(package), hostile.path(), false), uint32_t(kUnsafeCabinetName));
    EXPECT_TRUE(ReadTree(hostile.path()).empty());
  }
}

// Scripts and some shells pass "/" in paths; a device opened as a package
// would block the reader.
TEST(Reader, ForwardSlashesReadLikeBackslashesAndDevicesAreNeverOpened) {
  ScratchFolder target;
  std::wstring package = Sample(L"sample.zlp"), targetPath = target.path();
  for (wchar_t& c : package)
    if (c == L'\\') c = L'/';
  for (wchar_t& c : targetPath)
    if (c == L'\\') c = L'/';
  ASSERT_EQ(ExtractOnce(package, targetPath, true), 0u);
  EXPECT_TRUE(ReadTree(target.path()) == ReadTree(Sample(L"src")));

  for (const wchar_t* device : {L"aux.zlp", L"COM1", L"con .zlp"})
    EXPECT_EQ(ExtractOnce(target / device, target / L"out", true), uint32_t(kUnsafeCabinetName)) << Narrow(device);
  CExtract reader;
  ASSERT_TRUE(reader.OpenDecoder());
  EXPECT_FALSE(reader.QueryCabinet(L"\\\\.\\AUX", nullptr));
  EXPECT_EQ(reader.GetError().code, kUnsafeCabinetName);
}

TEST(Reader, OneOpenDecoderPerThreadAndOnlyOnItsOwnThread) {
  CExtract first, second;
  ASSERT_TRUE(first.OpenDecoder());
  EXPECT_FALSE(second.OpenDecoder());
  EXPECT_EQ(second.GetError().code, kThreadTaken);
  ScratchFolder target;
  uint32_t code = 0;
  std::thread([&] {
    code = first.Extract(Sample(L"sample.cab").c_str(), target.path().c_str(), 0) ? 0 : first.GetError().code;
  }).join();
  EXPECT_EQ(code, kWrongThread);
  ASSERT_TRUE(first.CloseDecoder());
  EXPECT_TRUE(second.OpenDecoder());
  EXPECT_TRUE(second.Extract(Sample(L"sample.cab").c_str(), target.path().c_str(), 0));
}

// Standing at the very end is where a read of the last bytes leaves a source;
// only positions beyond it are refused.
class SizedSource : public CExtractMemory {
 public:
  INT_PTR Open(uint32_t size) { return NewSourceHandle(0, size); }
};

TEST(ReaderMemorySource, SeeksStayInsideTheSource) {
  SizedSource reader;
  INT_PTR handle = reader.Open(100);
  EXPECT_EQ(reader.SourceSeek(handle, 100, SEEK_SET), 100);
  EXPECT_EQ(reader.SourceSeek(handle, 101, SEEK_SET), -1);
  EXPECT_EQ(reader.SourceSeek(handle, -101, SEEK_CUR), -1);
  EXPECT_EQ(reader.SourceClose(handle), 0);
  EXPECT_EQ(reader.SourceSeek(handle, 0, SEEK_SET), -1);
}

}  // namespace
