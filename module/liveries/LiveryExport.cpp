#include "LiveryExport.h"


#include <cstdio>
#include <cstring>
#include <memory>

#include "ArchiveCodes.h"
#include "ExportPackage.h"
#include "FileDigest.h"
#include "Handles.h"
#include "InstallCommon.h"
#include "InstallMessages.h"
#include "LiveryFiles.h"
#include "LiveryPaths.h"
#include "LiveryText.h"
#include "ModuleContext.h"
#include "ProfileSection.h"
#include "WorkFolders.h"

namespace zelva::module {
namespace {

constexpr char kTemporaryData[] = "ZELVATemp.dat";
constexpr char kCreateFailure[] = "Error creating temporary data!";
constexpr uint32_t kFolderReport = 1;  // the compressor's report while it writes a folder

// What the export shows in line 1 of the working dialog, set again with every report.
std::string g_line1;

const ProductFamily kFamilies[] = {
    {"ZELVA K40-400 V3", nullptr}, {nullptr, "ZELVA K40 Regal II"}, {"ZELVA K50X", "ZELVA K50X"},
    {"ZELVA V60", "ZELVA V60"},    {"ZELVA K30NVX", "ZELVA K30NVX"},
};
const char* const kIdentities[][4] = {
    {"ZELVA K40-400 V3", "ZELVA K40-400 V3 XSE", "ZELVA K40-400 V3 P3D", "ZELVA K40-400 V3 P4D"},
    {"ZELVA K40V3", "ZELVA K40V3 XSE", "ZELVA K40V3 P3D", "ZELVA K40V3 P4D"},
    {"ZELVA K50X", "ZELVA K50 XSE", "ZELVA K50 P3D", "ZELVA K50 P4D"},
    {"ZELVA V60", "ZELVA V60 XSE", "ZELVA V60 P3D", "ZELVA V60 P4D"},
    {"ZELVA K30NVX", "ZELVA K30NVX XSE", "ZELVA K30NVX P3D", "ZELVA K30NVX P4D"},
};

void __cdecl ShowStatus(uint32_t type, const Cabinet::WriterStatus* status, INT_PTR) {
  SetBusyText(1, g_line1.c_str());
  char line[64];
  if (type == kFolderReport)
    std::snprintf(line, sizeof(line), "%d%% Written", int(status->percent));
  else
    std::snprintf(line, sizeof(line), "%01.02f MB Compressed", double(float(status->totalCompressed) / 1048576.0f));
  SetBusyText(2, line);
}

// The export time, or a file's last write, as the decimal ticks of a file time.
std::string Ticks(const FILETIME& time) {
  ULARGE_INTEGER value;
  value.LowPart = time.dwLowDateTime;
  value.HighPart = time.dwHighDateTime;
  return std::to_string(static_cast<long long>(value.QuadPart));
}

std::string Now() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return Ticks(now);
}

bool LastWrite(const std::string& path, std::string& ticks) {
  win::FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  FILETIME written;
  if (!file.valid() || !GetFileTime(file.get(), nullptr, nullptr, &written)) return false;
  ticks = Ticks(written);
  return true;
}

// The package description, written key by key in the order readers expect.
class Description {
 public:
  explicit Description(std::string path) : path_(std::move(path)) {}
  bool Create() {
    win::FileHandle file(
        CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.valid();
  }
  void Put(const std::string& section, const std::string& key, const std::string& value) {
    ok_ = WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str()) && ok_;
  }
  bool ok() const { return ok_; }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  bool ok_ = true;
};

ExportOutcome Failed(std::string failure) {
  ExportOutcome outcome;
  outcome.failure = std::move(failure);
  return outcome;
}

std::string Numbered(const char* format, int number) {
  char text[32];
  std::snprintf(text, sizeof(text), format, number);
  return text;
}

// Files lying directly in the texture folder, in the order the listing gives them.
bool TextureFiles(const std::string& folder, std::vector<std::string>& names) {
  WIN32_FIND_DATAA found;
  win::FindHandle find(FindFirstFileA((folder + "\\*.*").c_str(), &found));
  if (!find.valid()) return false;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (FindNextFileA(find.get(), &found));
  return true;
}

ExportOutcome WriteSingle(const char* outputPath, int entry, int variant, const char* name) {
  char cfg[kPathChars], aircraft[kPathChars];
  if (!VariantConfigFile(variant, cfg) || !VariantAircraftFolder(variant, aircraft))
    return Failed("The variant's aircraft folder is unknown.");
  const std::string section = EntrySection(entry);

  files::WorkFolder work;
  Description settings(work.ok() ? work.File(kTemporaryData) : std::string());
  if (!work.ok() || !settings.Create()) return Failed(kCreateFailure);
  const ProductFamily family = FamilyOf(Product().shortName);
  settings.Put("Settings", "FileVersion", "1");
  settings.Put("Settings", "Type", "Single Livery");
  settings.Put("Settings", "Aircraft", family.single != nullptr ? family.single : Product().shortName);
  settings.Put("Settings", "Variant", Product().variants[variant].name);
  settings.Put("Settings", "Name", name);
  settings.Put("Settings", "Date", Now());

  ExportPackage package(outputPath, &ShowStatus);
  if (!package.Open()) return Failed("Writing the package failed while " + package.failure() + ".");

  // The whole section, however long: it lives on the heap, not on this thread's stack.
  std::string keys = ReadProfileSection(cfg, section.c_str());
  if (keys.empty()) return Failed("The livery's entry [" + section + "] cannot be read.");
  const std::string config = work.File("Config.cfg");
  keys += '\0';
  if (!WritePrivateProfileSectionA("fltsim.x", keys.c_str(), config.c_str()))
    return Failed("Writing \"Config.cfg\" failed.");
  package.Add(config, "Config.cfg", true);

  const std::string registration = ReadProfileValue(cfg, section.c_str(), "atc_id", kRegistrationChars);
  const std::string settingsFolder = AirframeSettingsFolder(false);
  const std::string airframe = settingsFolder + registration + ".ini";
  if (IsSafeFileName(registration.c_str()) && !settingsFolder.empty() &&
      GetFileAttributesA(airframe.c_str()) != INVALID_FILE_ATTRIBUTES)
    package.Add(airframe, "Aircraft.ini", true);

  const std::string texture = ReadProfileValue(cfg, section.c_str(), "texture", kPathChars);
  if (!IsSafeFileName(texture.c_str()))
    return Failed("The livery's texture value \"" + texture + "\" names no texture folder of its own.");
  const std::string folderName = "Texture." + texture;
  settings.Put("Settings", "ConfigVersion",
               std::to_string(int(GetPrivateProfileIntA(section.c_str(), "ZELVA_Version", 0, cfg))));
  const std::string folder = std::string(aircraft) + "\\" + folderName;
  std::vector<std::string> files;
  if (!TextureFiles(folder, files)) return Failed("The texture folder \"" + folder + "\" cannot be read.");
  int number = 0;
  for (const std::string& file : files) {
    const std::string source = folder + "\\" + file;
    const std::string inPackage = folderName + "\\" + file;
    ++number;
    std::string digest;
    if (!crypto::FileDigest(source.c_str(), digest)) return Failed("\"" + source + "\" cannot be read.");
    settings.Put("Files", Numbered("File%02d_Name", number), inPackage);
    settings.Put("Files", Numbered("File%02d_Checksum", number), digest);
    std::string date;
    if (LastWrite(source, date)) settings.Put("Files", Numbered("File%02d_Date", number), date);
    // The platform's compressor cannot close a folder that holds nothing: an
    // empty file shares the folder of the file after it.
    WIN32_FILE_ATTRIBUTE_DATA facts = {};
    bool empty = GetFileAttributesExA(source.c_str(), GetFileExInfoStandard, &facts) && facts.nFileSizeLow == 0 &&
                 facts.nFileSizeHigh == 0;
    if (!package.Add(source, inPackage, !empty)) break;
  }
  settings.Put("Files", "Count", Numbered("%01d", number));
  if (!settings.ok()) return Failed("Writing the package description failed.");
  package.Add(settings.path(), "Settings.dat", true);
  if (!package.Finish()) return Failed("Writing the package failed while " + package.failure() + ".");
  ExportOutcome outcome;
  outcome.done = true;
  return outcome;
}

}  // namespace

ProductFamily FamilyOf(const char* productIdentity) {
  for (size_t row = 0; row < sizeof(kIdentities) / sizeof(kIdentities[0]); ++row)
    for (const char* identity : kIdentities[row])
      if (productIdentity != nullptr && std::strcmp(identity, productIdentity) == 0) return kFamilies[row];
  return {nullptr, nullptr};
}

std::vector<std::string> InnerPackageNames(const std::vector<std::string>& textures) {
  std::vector<std::string> names;
  for (const std::string& texture : textures) {
    std::string name;
    for (int copy = 1;; ++copy) {
      name = "Texture." + texture + (copy == 1 ? std::string() : " (" + std::to_string(copy) + ")") + ".ZLP";
      bool taken = false;
      for (const std::string& used : names) taken = taken || livery::EqualWithoutCase(used, name);
      if (!taken) break;
    }
    names.push_back(name);
  }
  return names;
}

ExportOutcome ExportLivery(const char* outputPath, int entry, int variant) {
  try {
    char cfg[kPathChars];
    if (!VariantConfigFile(variant, cfg)) return Failed("The variant's aircraft folder is unknown.");
    const std::string name = ReadProfileValue(cfg, EntrySection(entry).c_str(), "ui_variation", 100);
    g_line1 = "Exporting " + name + "...";
    SetBusyText(1, g_line1.c_str());
    SetBusyLayout(2);
    return WriteSingle(outputPath, entry, variant, name.c_str());
  } catch (const std::bad_alloc&) {
    return Failed(Cabinet::kOutOfMemoryText);
  }
}

ExportOutcome ExportLiveries(const char* outputPath, const std::vector<int>& entries, int variant) {
  try {
    char cfg[kPathChars];
    if (!VariantConfigFile(variant, cfg)) return Failed("The variant's aircraft folder is unknown.");
    files::WorkFolder work;
    if (!work.ok()) return Failed(kCreateFailure);
    std::vector<std::string> names, textures;
    for (int entry : entries) {
      names.push_back(ReadProfileValue(cfg, EntrySection(entry).c_str(), "ui_variation", 100));
      textures.push_back(ReadProfileValue(cfg, EntrySection(entry).c_str(), "texture", kPathChars));
    }
    const std::vector<std::string> inner = InnerPackageNames(textures);
    for (size_t i = 0; i < entries.size(); ++i) {
      ExportOutcome single = ExportLivery(work.File(inner[i].c_str()).c_str(), entries[i], variant);
      if (!single.done) return single;
    }

    g_line1 = "Packing " + std::to_string(entries.size()) + " Liveries...";
    SetBusyText(1, g_line1.c_str());
    ExportPackage package(outputPath, &ShowStatus);
    if (!package.Open()) return Failed("Writing the package failed while " + package.failure() + ".");
    Description settings(work.File(kTemporaryData));
    if (!settings.Create()) return Failed(kCreateFailure);
    const ProductFamily family = FamilyOf(Product().shortName);
    const char* aircraft = family.multi != nullptr ? family.multi : Product().shortName;
    const char* variantName = Product().variants[variant].name;
    settings.Put("Settings", "FileVersion", "1");
    settings.Put("Settings", "Type", "Multi Livery");
    settings.Put("Settings", "Date", Now());
    settings.Put("Settings", "Count", std::to_string(entries.size()));
    settings.Put("Settings", "Aircraft", aircraft);
    settings.Put("Settings", "Variant", variantName);
    for (size_t i = 0; i < entries.size(); ++i) {
      package.Add(work.File(inner[i].c_str()), inner[i], false);
      const std::string section = Numbered("Livery %01d", int(i + 1));
      settings.Put(section, "Aircraft", aircraft);
      settings.Put(section, "Variant", variantName);
      settings.Put(section, "Name", names[i]);
      settings.Put(section, "Filename", inner[i]);
    }
    if (!settings.ok()) return Failed("Writing the package description failed.");
    package.Add(settings.path(), "Settings.dat", false);
    if (!package.Finish()) return Failed("Writing the package failed while " + package.failure() + ".");
    ExportOutcome outcome;
    outcome.done = true;
    return outcome;
  } catch (const std::bad_alloc&) {
    return Failed(Cabinet::kOutOfMemoryText);
  }
}

}  // namespace zelva::module
