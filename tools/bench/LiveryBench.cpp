// Times livery installation through the real module (loaded by the host's
// loader, as the host does), the sorting of a variant's entries, and the
// module's own extraction of the package's textures as the floor.
// Arguments: module, FSX root (trailing backslash), package, runs, then the
// names of the variant's files to measure with: aircraft.cfg_<name> beside
// aircraft.cfg. Prints "extract", and per name "install-<name>",
// "before-sort-<name>" (the installation up to its sort), "sort-<name>" and
// "sort-quiet-<name>" (with a log service that writes nothing) in seconds,
// medians of the runs.
#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "HostLog.h"
#include "HostPaths.h"
#include "HostState.h"
#include "LiveryEntries.h"
#include "ModuleContext.h"
#include "ModuleLoader.h"
#include "PackageArchive.h"
#include "ProductTemplate.h"
#include "WideText.h"
#include "WorkFolders.h"

using namespace zelva;

namespace {

constexpr int kVariantK50F = 1;

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return double(counter.QuadPart) / double(frequency.QuadPart);
}

// When the module began to sort during the current installation.
double g_sortStarted = 0;

// The host's log, noting the moment the sort begins.
extern "C" void __cdecl BenchLog(const char* format, ...) {
  static const char kSortStart[] = "\nSorting liveries in";
  if (g_sortStarted == 0 && std::strncmp(format, kSortStart, sizeof(kSortStart) - 1) == 0) g_sortStarted = Now();
  va_list arguments;
  va_start(arguments, format);
  int needed = _vscprintf(format, arguments);
  va_end(arguments);
  std::vector<char> text(size_t(needed > 0 ? needed : 0) + 1, '\0');
  va_start(arguments, format);
  _vsnprintf(text.data(), text.size(), format, arguments);
  va_end(arguments);
  host::HostLog("%s", text.data());
}

extern "C" void __cdecl QuietLog(const char*, ...) {}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

INT_PTR SelectTextures(const Cabinet::CabFileEntry* entry, INT_PTR) {
  return CompareStringOrdinal(entry->folderPart, -1, L"Texture.Bench\\", -1, TRUE) == CSTR_EQUAL ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 6) {
    std::fprintf(stderr, "usage: livery_bench MODULE FSXROOT PACKAGE RUNS NAME...\n");
    return 2;
  }
  const std::string root = argv[2];
  const int runs = std::atoi(argv[4]);
  const std::string aircraft = root + "SimObjects\\Airplanes\\ZELVA K50F\\";
  const std::string config = aircraft + "aircraft.cfg";

  host::ResetContext(GetModuleHandleA(nullptr));
  HostContext& context = host::Context();
  host::SetDataPaths(context, (root + "data\\").c_str());
  std::strcpy(context.fsxRoot, root.c_str());
  context.currentSimulator = kSimulatorFsx;
  context.scaleX = context.scaleY = 1.0;
  context.log = &BenchLog;
  module::SetHost(&context);
  module::FillProductTemplate(module::Product());
  module::FillProductTables(module::Product());

  // The floor: the module's own extraction of the package's texture files.
  std::vector<double> extractions;
  const std::string floorFolder = root + "floor";
  for (int run = 0; run < runs; ++run) {
    files::DeleteFolderTree(floorFolder.c_str());
    CreateDirectoryA(floorFolder.c_str(), nullptr);
    double start = Now();
    module::PackageArchive archive(argv[3]);
    if (!archive.Open() || !archive.ExtractSelected(win::WideFromAnsi(floorFolder.c_str()).c_str(), &SelectTextures, 0)) {
      std::fprintf(stderr, "extraction failed\n");
      return 1;
    }
    archive.Close();
    extractions.push_back(Now() - start);
  }
  files::DeleteFolderTree(floorFolder.c_str());
  std::printf("extract %.6f\n", Median(extractions));

  host::ProductModule product = {};
  if (!host::LoadOneModule(product, argv[1])) {
    std::fprintf(stderr, "module not loaded\n");
    return 1;
  }
  for (int name = 5; name < argc; ++name) {
    const std::string original = aircraft + "aircraft.cfg_" + argv[name];
    std::vector<double> installs, beforeSort, sorts, quietSorts;
    for (int run = 0; run < runs; ++run) {
      CopyFileA(original.c_str(), config.c_str(), FALSE);
      files::DeleteFolderTree((aircraft + "Texture.Bench").c_str());
      DeleteFileA((root + "ZELVA\\ZELVA K50X\\Aircraft\\N300BX.ini").c_str());
      PackageSummary summary = {};
      std::strcpy(summary.type, "Single Livery");
      std::strcpy(summary.aircraft, "ZELVA K50X");
      std::strcpy(summary.variant, "ZELVA K50F");
      summary.fileVersion = 1;
      g_sortStarted = 0;
      double start = Now();
      INT_PTR result = product.command(kModuleInstallPackage, reinterpret_cast<INT_PTR>(argv[3]),
                                       reinterpret_cast<INT_PTR>(&summary));
      installs.push_back(Now() - start);
      beforeSort.push_back(g_sortStarted - start);
      if (result != kResultDone) {
        std::fprintf(stderr, "installation failed: %d\n", int(result));
        return 1;
      }
    }
    // Sorting on its own, with this program's copy of the module's code; then
    // without the log, to see what the log lines cost.
    for (auto [log, times] : {std::make_pair(&BenchLog, &sorts), std::make_pair(&QuietLog, &quietSorts)}) {
      context.log = log;
      for (int run = 0; run < runs; ++run) {
        CopyFileA(original.c_str(), config.c_str(), FALSE);
        double start = Now();
        module::SortLiveryEntries(kVariantK50F);
        times->push_back(Now() - start);
      }
    }
    context.log = &BenchLog;
    std::printf("install-%s %.6f\nbefore-sort-%s %.6f\nsort-%s %.6f\nsort-quiet-%s %.6f\n", argv[name],
                Median(installs), argv[name], Median(beforeSort), argv[name], Median(sorts), argv[name],
                Median(quietSorts));
  }
  product.unload();
  FreeLibrary(product.library);
  return 0;
}
