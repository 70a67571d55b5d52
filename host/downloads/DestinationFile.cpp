#include "DestinationFile.h"

#include <string>

namespace zelva::downloads {

bool DeliverFile(const char* from, const char* destination, DWORD& error) {
  error = 0;
  const std::string part = std::string(destination) + ".part";
  DeleteFileA(part.c_str());
  if (MoveFileExA(from, part.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH) &&
      MoveFileExA(part.c_str(), destination, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  error = GetLastError();
  // A copy that failed half-way may have left its beginning behind.
  DeleteFileA(part.c_str());
  return false;
}

}  // namespace zelva::downloads
