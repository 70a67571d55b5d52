// Times livery installation through the real module (loaded by the host's
// loader, as the host does) and the sorting of a variant's entries.
// Arguments: module, FSX root (trailing backslash), package, runs.
// Prints "install", "before-sort" (the installation up to its sort), "sort"
// and "sort-quiet" (with a log service that writes nothing) in seconds,
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
#include "ProductTemplate.h"
#include "TempFolders.h"

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
  char text[5000];
  va_list arguments;
  va_start(arguments, format);
  _vsnprintf(text, sizeof(text), format, arguments);
  va_end(arguments);
  text[sizeof(text) - 1] = '\0';
  host::HostLog("%s", text);
}

extern "C" void __cdecl QuietLog(const char*, ...) {}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: livery_bench MODULE FSXROOT PACKAGE RUNS\n");
    return 2;
  }
  const std::string root = argv[2];
  const int runs = std::atoi(argv[4]);
  const std::string aircraft = root + "SimObjects\\Airplanes\\ZELVA K50F\\";
  const std::string config = aircraft + "aircraft.cfg";
  const std::string original = aircraft + "aircraft.cfg_bench";

  host::ResetContext(GetModuleHandleA(nullptr));
  HostContext& context = host::Context();
  host::SetDataPaths(context, (root + "data\\").c_str());
  std::strcpy(context.fsxRoot, root.c_str());
  context.currentSimulator = kSimulatorFsx;
  context.scaleX = context.scaleY = 1.0;
  context.log = &BenchLog;
  host::ProductModule product = {};
  if (!host::LoadOneModule(product, argv[1])) {
    std::fprintf(stderr, "module not loaded\n");
    return 1;
  }

  std::vector<double> installs, beforeSort;
  for (int run = 0; run < runs; ++run) {
    CopyFileA(original.c_str(), config.c_str(), FALSE);
    host::DeleteFolderTree((aircraft + "Texture.Bench").c_str());
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
  product.unload();
  FreeLibrary(product.library);

  // Sorting on its own, with this program's copy of the module's code.
  module::SetHost(&context);
  module::FillProductTemplate(module::Product());
  module::FillProductTables(module::Product());
  std::vector<double> sorts;
  for (int run = 0; run < runs; ++run) {
    CopyFileA(original.c_str(), config.c_str(), FALSE);
    double start = Now();
    module::SortLiveryEntries(kVariantK50F);
    sorts.push_back(Now() - start);
  }
  // The same without the log, to see what the log lines cost.
  context.log = &QuietLog;
  std::vector<double> quietSorts;
  for (int run = 0; run < runs; ++run) {
    CopyFileA(original.c_str(), config.c_str(), FALSE);
    double start = Now();
    module::SortLiveryEntries(kVariantK50F);
    quietSorts.push_back(Now() - start);
  }
  std::printf("install %.6f\nbefore-sort %.6f\nsort %.6f\nsort-quiet %.6f\n", Median(installs), Median(beforeSort),
              Median(sorts), Median(quietSorts));
  return 0;
}
