// The sound-set work on real folders: the back-up, the installs and the
// examination that follows them, with the file system's own files and the
// text digest the host hands out.
#include "SoundSetWork.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "FileDigest.h"
#include "SoundRules.h"

using namespace zelva::sound;
namespace fs = std::filesystem;

namespace {

fs::path Native(const std::string& path) {
  std::string forward = path;
  for (char& c : forward)
    if (c == '\\') c = '/';
  return fs::path(forward);
}

// The folders under a fresh temporary folder. A file named in held answers
// busy for the given number of attempts (-1: for ever).
class FolderFiles : public SoundFiles {
 public:
  FolderFiles() {
    root_ = fs::temp_directory_path() / ("zelva-sound-" + std::to_string(reinterpret_cast<uintptr_t>(this)) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  ~FolderFiles() override {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  std::string Path(const std::string& relative) const { return Join(root_.string(), relative); }

  bool List(const std::string& folder, FolderContent& content) override {
    std::error_code error;
    fs::directory_iterator it(Native(folder), error);
    if (error) return false;
    for (const fs::directory_entry& entry : it) {
      std::string name = entry.path().filename().string();
      (entry.is_directory() ? content.folders : content.files).push_back(name);
    }
    return true;
  }
  Probe Open(const std::string& file) override {
    ++attempts[file];
    auto held = this->held.find(file);
    if (held != this->held.end() && held->second != 0) {
      if (held->second > 0) --held->second;
      return Probe::kBusy;
    }
    return fs::is_regular_file(Native(file)) ? Probe::kPresent : Probe::kAbsent;
  }
  bool Digest(const std::string& file, std::string& hex) override {
    return zelva::crypto::FileDigest(Native(file).string().c_str(), hex);
  }
  // By streams: the MinGW library's copy_file does not overwrite.
  bool Copy(const std::string& from, const std::string& to, bool overwrite) override {
    if (!overwrite && fs::exists(Native(to))) return false;
    std::ifstream in(Native(from), std::ios::binary);
    if (!in) return false;
    std::ofstream out(Native(to), std::ios::binary | std::ios::trunc);
    out << in.rdbuf();
    return bool(out);
  }
  void MakeFolder(const std::string& folder) override {
    std::error_code ignored;
    fs::create_directory(Native(folder), ignored);
  }
  void Show(int line, const std::string& text) override { shown[line] = text; }
  void Log(const char* text) override { log += text; }

  std::map<std::string, int> held, attempts;
  std::map<int, std::string> shown;
  std::string log;

 private:
  fs::path root_;
};

void Write(const std::string& path, const std::string& content) {
  fs::create_directories(Native(path).parent_path());
  std::ofstream(Native(path), std::ios::binary) << content;
}

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

// Every file below folder, by relative path, except those of the two
// alternative folders.
std::map<std::string, std::string> ActiveFiles(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(Native(folder))) {
    if (!entry.is_regular_file()) continue;
    std::string relative = fs::relative(entry.path(), Native(folder)).generic_string();
    if (relative.rfind("22KHz/", 0) == 0 || relative.rfind("Backup/", 0) == 0) continue;
    files[relative] = Read(entry.path());
  }
  return files;
}

std::map<std::string, std::string> AllFiles(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(Native(folder)))
    if (entry.is_regular_file()) files[fs::relative(entry.path(), Native(folder)).generic_string()] = Read(entry.path());
  return files;
}

// Stock groups APU (three letters), Engines and Cockpit, a two-letter
// folder, a file at the top; the 22 kHz set for each of the groups, in which
// one cockpit click is the stock file unchanged.
std::string MakeInterior(FolderFiles& files) {
  const std::string interior = files.Path("Sound\\ZELVA\\K50X");
  for (const char* group : {"APU", "Engines", "Cockpit", "AB"}) {
    for (const char* name : {"start.wav", "run.wav", "stop.wav"}) {
      std::string file = std::string(group) + "\\" + name;
      Write(Join(interior, file), "RIFF stock 44 kHz " + file);
      Write(Join(interior, "22KHz\\" + file), "RIFF 22 kHz " + file);
    }
  }
  Write(Join(interior, "Cockpit\\click.wav"), "RIFF click");
  Write(Join(interior, "22KHz\\Cockpit\\click.wav"), "RIFF click");
  Write(Join(interior, "sound.cfg"), "[fltsim]\r\n");
  return interior;
}

}  // namespace

TEST(SoundRules, GroupNamesHaveAtLeastThreeCharacters) {
  EXPECT_TRUE(IsGroupName("APU"));
  EXPECT_FALSE(IsGroupName("AB"));
  EXPECT_TRUE(IsActiveGroupName("APU"));
  EXPECT_FALSE(IsActiveGroupName("22khz"));
  EXPECT_FALSE(IsActiveGroupName("BACKUP"));
  EXPECT_TRUE(IsActiveGroupName("Backups"));
}

TEST(SoundRules, TheFirstValueDecidesAndAnyOtherMakesAMix) {
  auto combined = [](std::initializer_list<int> values) {
    ActiveSetTally tally;
    for (int value : values) tally.Add(value);
    return tally.Result();
  };
  EXPECT_EQ(combined({}), 0);
  EXPECT_EQ(combined({kNoValue, kNoValue}), 0);
  EXPECT_EQ(combined({kNoValue, 2, 2, kNoValue}), 2);
  EXPECT_EQ(combined({1, 1, 2}), 0);

  EXPECT_EQ(FileValue({"a", "a", "b"}), 2);
  EXPECT_EQ(FileValue({"b", "a", "b"}), 1);
  EXPECT_EQ(FileValue({"c", "a", "b"}), 0);
  // A file the two sets share, or one that could not be read, tells nothing.
  EXPECT_EQ(FileValue({"a", "a", "a"}), kNoValue);
  EXPECT_EQ(FileValue({"", "a", "b"}), kNoValue);
}

TEST(SoundFolders, ABusyFileIsTriedTwoHundredTimesThenCountsAbsent) {
  FolderFiles files;
  const std::string locked = files.Path("locked.wav"), late = files.Path("late.wav"), gone = files.Path("gone.wav");
  Write(locked, "x");
  Write(late, "x");
  files.held[locked] = -1;
  files.held[late] = 199;
  EXPECT_FALSE(FileExists(files, locked));
  EXPECT_EQ(files.attempts[locked], 200);
  EXPECT_TRUE(FileExists(files, late));
  EXPECT_EQ(files.attempts[late], 200);
  EXPECT_FALSE(FileExists(files, gone));
  EXPECT_EQ(files.attempts[gone], 1);
  EXPECT_EQ(files.log, "Entered FileTimeToString():\nEntered FileTimeToString():\nEntered FileTimeToString():\n");
}

TEST(SoundFolders, TheBackupHoldsTheStockFilesOfEveryGroupAndIsNeverReplaced) {
  FolderFiles files;
  const std::string interior = MakeInterior(files);
  BackUpStockFiles(files, interior);
  for (const char* group : {"APU", "Engines", "Cockpit"}) {
    for (const char* name : {"start.wav", "run.wav", "stop.wav"}) {
      std::string file = std::string(group) + "\\" + name;
      EXPECT_EQ(Read(Native(Join(interior, "Backup\\" + file))), "RIFF stock 44 kHz " + file);
    }
  }
  EXPECT_FALSE(fs::exists(Native(Join(interior, "Backup\\AB"))));
  EXPECT_EQ(files.shown[1], "Backing up sound files...");

  // Once the 22 kHz files are active, a second back-up finds every backup in
  // place, also one held open throughout, and changes nothing.
  const std::map<std::string, std::string> backup = AllFiles(Join(interior, "Backup"));
  InstallInteriorAlternative(files, interior, kSecondAlternative);
  files.held[Join(interior, "Backup\\APU\\run.wav")] = -1;
  BackUpStockFiles(files, interior);
  EXPECT_EQ(AllFiles(Join(interior, "Backup")), backup);
}

TEST(SoundFolders, TwentyTwoKilohertzThenStockLeavesTheActiveFilesAsTheyWere) {
  FolderFiles files;
  const std::string interior = MakeInterior(files);
  const std::map<std::string, std::string> before = ActiveFiles(interior);
  EXPECT_EQ(ActiveInteriorAlternative(files, interior), 0);  // no backup yet: nothing to compare

  InstallInteriorAlternative(files, interior, kSecondAlternative);
  EXPECT_EQ(Read(Native(Join(interior, "APU\\run.wav"))), "RIFF 22 kHz APU\\run.wav");
  EXPECT_EQ(Read(Native(Join(interior, "AB\\run.wav"))), "RIFF stock 44 kHz AB\\run.wav");
  EXPECT_EQ(ActiveInteriorAlternative(files, interior), 2);

  InstallInteriorAlternative(files, interior, kFirstAlternative);
  EXPECT_EQ(ActiveFiles(interior), before);
  EXPECT_EQ(ActiveInteriorAlternative(files, interior), 1);
  EXPECT_EQ(files.shown[1], "Examining sound files...");
}

TEST(SoundFolders, PackagesArePresentWithEnoughFiles) {
  FolderFiles files;
  const std::string interior = files.Path("Sound\\ZELVA\\K50X");
  // Files at the top of "22KHz" count; those of a two-letter folder do not.
  for (int i = 0; i < 9; ++i) Write(Join(interior, "22KHz\\top" + std::to_string(i) + ".wav"), "x");
  for (int i = 0; i < 490; ++i) Write(Join(interior, "22KHz\\APU\\f" + std::to_string(i) + ".wav"), "x");
  for (int i = 0; i < 5; ++i) Write(Join(interior, "22KHz\\AB\\f" + std::to_string(i) + ".wav"), "x");
  EXPECT_EQ(CountAlternativeFiles(files, interior), 499);
  EXPECT_FALSE(InteriorPackagePresent(files, interior));
  Write(Join(interior, "22KHz\\Engines\\one.wav"), "x");
  EXPECT_TRUE(InteriorPackagePresent(files, interior));

  const std::string aircraft = files.Path("SimObjects\\Airplanes\\ZELVA K50-200LR");
  for (int i = 0; i < 20; ++i) {
    std::string name = "e" + std::to_string(i) + ".wav";
    Write(Join(aircraft, "sound.surround\\" + name), "surround " + name);
    if (i < 19) Write(Join(aircraft, "sound.stereo\\" + name), "stereo " + name);
    Write(Join(aircraft, "sound\\" + name), "surround " + name);
  }
  EXPECT_FALSE(ExteriorPackagePresent(files, aircraft));
  Write(Join(aircraft, "sound.stereo\\e19.wav"), "stereo e19.wav");
  EXPECT_TRUE(ExteriorPackagePresent(files, aircraft));
  EXPECT_EQ(ActiveExteriorAlternative(files, aircraft), 2);
  InstallExteriorAlternative(files, aircraft, kFirstAlternative);
  EXPECT_EQ(ActiveExteriorAlternative(files, aircraft), 1);
  Write(Join(aircraft, "sound\\e3.wav"), "a sound of neither set");
  EXPECT_EQ(ActiveExteriorAlternative(files, aircraft), 0);

  // Without "sound.stereo" the set is not there, and counts as stereo.
  fs::remove_all(Native(Join(aircraft, "sound.stereo")));
  EXPECT_FALSE(ExteriorPackagePresent(files, aircraft));
  EXPECT_EQ(ActiveExteriorAlternative(files, aircraft), 1);
}
