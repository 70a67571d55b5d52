// What the sound-set work needs of the file system, and of the working dialog
// that shows it: the portable rules call through this, the product module
// answers with the platform's file functions and the host's services.
#pragma once

#include <string>
#include <vector>

namespace zelva::sound {

// One attempt to open a file for shared reading.
enum class Probe {
  kPresent,
  kAbsent,  // the file or its folder does not exist
  kBusy,    // any other failure, a file the simulator holds above all
};

struct FolderContent {
  std::vector<std::string> files;    // plain files
  std::vector<std::string> folders;  // subfolders, without "." and ".."
};

// Paths use backslashes.
class SoundFiles {
 public:
  virtual ~SoundFiles() = default;
  // False when the folder cannot be listed.
  virtual bool List(const std::string& folder, FolderContent& content) = 0;
  virtual Probe Open(const std::string& file) = 0;
  // 32 hexadecimal digits; false when the file cannot be read.
  virtual bool Digest(const std::string& file, std::string& hex) = 0;
  // Without overwrite an existing target is left as it is (and the copy fails).
  virtual bool Copy(const std::string& from, const std::string& to, bool overwrite) = 0;
  // An existing folder is fine.
  virtual void MakeFolder(const std::string& folder) = 0;
  // Line 1 or 2 of the working dialog.
  virtual void Show(int line, const std::string& text) = 0;
  virtual void Log(const char* text) = 0;
};

// folder + "\" + name, without doubling a trailing backslash.
std::string Join(const std::string& folder, const std::string& name);

}  // namespace zelva::sound
