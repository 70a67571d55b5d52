// The sound-set work on the simulator's folders: the platform's file
// functions, the host's file digest (host command 27), working dialog and log.
#pragma once

#include "SoundFiles.h"

namespace zelva::module {

class PlatformSoundFiles : public sound::SoundFiles {
 public:
  bool List(const std::string& folder, sound::FolderContent& content) override;
  sound::Probe Open(const std::string& file) override;
  bool Digest(const std::string& file, std::string& hex) override;
  bool Copy(const std::string& from, const std::string& to, bool overwrite) override;
  void MakeFolder(const std::string& folder) override;
  void Show(int line, const std::string& text) override;
  void Log(const char* text) override;
};

}  // namespace zelva::module
