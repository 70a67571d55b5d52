#include "MakerServer.h"

#include <windows.h>

#include <cstdio>

#include "TestFolder.h"
#include "WorkFolders.h"

namespace zelva::testing {

MakerServer::MakerServer(const char* servedRoot, const char* httpBase) {
  static int serial = 0;
  char name[64];
  std::snprintf(name, sizeof(name), "maker_%lu_%d", GetCurrentProcessId(), serial++);
  std::string root = WindowsPathOf(servedRoot);
  folder_ = root + "\\" + name + "\\";
  files::DeleteFolderTree(folder_.c_str());
  CreateDirectoryA(folder_.c_str(), nullptr);
  url_ = std::string(httpBase) + "/" + name;
  // The fixture's access log sits beside the served root.
  accessLog_ = root.substr(0, root.find_last_of('\\')) + "\\servers\\access.log";
}

MakerServer::~MakerServer() { files::DeleteFolderTree(folder_.c_str()); }

int MakerServer::Requests(const std::string& name) const {
  std::string log = ReadWholeFile(accessLog_);
  std::string path = url_.substr(url_.find('/', url_.find("//") + 2)) + "/" + name + " ";
  int count = 0;
  for (size_t at = log.find(path); at != std::string::npos; at = log.find(path, at + 1)) ++count;
  return count;
}

}  // namespace zelva::testing
