// What the maker's server publishes, for one test: a fresh folder below the
// root that the loopback nginx of the test fixture serves.
#pragma once

#include <string>

#include "PackageMaker.h"

namespace zelva::testing {

class MakerServer {
 public:
  // servedRoot: the folder nginx serves (a Linux path); httpBase its URL.
  MakerServer(const char* servedRoot, const char* httpBase);
  ~MakerServer();
  MakerServer(const MakerServer&) = delete;
  MakerServer& operator=(const MakerServer&) = delete;

  // Without a trailing slash: what the configuration's server keys hold.
  const std::string& url() const { return url_; }
  // With a trailing backslash.
  const std::string& folder() const { return folder_; }
  // The archive as a plain cabinet under name; false when it was not written.
  bool Publish(const std::string& name, const PackageMaker& content) const {
    return content.Write(folder_ + name, false);
  }
  // How often nginx was asked for name since this server was made.
  int Requests(const std::string& name) const;

 private:
  std::string folder_, url_, accessLog_;
};

}  // namespace zelva::testing
