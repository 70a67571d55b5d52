#include "TextureExtraction.h"

#include "Handles.h"
#include "InstallMessages.h"
#include "ModuleContext.h"
#include "WideText.h"
#include "WorkFolders.h"

namespace zelva::module {
namespace {

struct TextureSelection {
  std::wstring folderPart;  // package folder + "\"
  const char* installingText;
};

INT_PTR SelectTexture(const Cabinet::CabFileEntry* entry, INT_PTR user) {
  const auto* selection = reinterpret_cast<const TextureSelection*>(user);
  if (CompareStringOrdinal(entry->folderPart, -1, selection->folderPart.c_str(), -1, TRUE) != CSTR_EQUAL) return 0;
  try {
    SetBusyLayout(2);
    SetBusyText(1, selection->installingText);
    // The working dialog shows single-byte text of the system code page.
    SetBusyText(2, ("Extracting " + win::BytesFromWide(entry->fileName) + "...").c_str());
  } catch (...) {
    // The display is a courtesy; the file is extracted all the same.
  }
  return 1;
}

// Moves the plain files of staging into target, replacing files of the same
// name. Each destination is target + one file name found on disk, so nothing
// lands outside target whatever the package called its entries.
void MoveFilesUp(const std::wstring& staging, const std::wstring& target) {
  WIN32_FIND_DATAW found;
  win::FileSearch search((staging + L"\\*").c_str(), found);
  if (!search.found()) return;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    const std::wstring from = staging + L"\\" + found.cFileName;
    const std::wstring to = target + L"\\" + found.cFileName;
    SetFileAttributesW(to.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
      Log("\t\tMove failed: %d\n", int(GetLastError()));
  } while (search.Next(found));
}

}  // namespace

void InstallTextureFiles(PackageArchive& archive, const LiveryFacts& livery, const TextureTarget& target,
                         const std::string& installingText) {
  const std::wstring targetFolder = win::WideFromAnsi(target.folder);
  Log("\tExtracting all textures to %ls\n", targetFolder.c_str());
  TextureSelection selection{win::WideFromAnsi(livery.packageFolder) + L"\\", installingText.c_str()};
  if (!archive.ExtractSelected(targetFolder.c_str(), &SelectTexture, reinterpret_cast<INT_PTR>(&selection))) {
    const Cabinet::ExtractError& error = archive.error();
    Log("\t\tExtraction error: %d, %d\n", int(error.code), int(error.systemError));
  }
  if (!target.moving) return;

  const std::string staging = std::string(target.folder) + "\\" + livery.packageFolder;
  Log("\tMoving folder %s\n\t\tTo: %s\n", staging.c_str(), target.folder);
  MoveFilesUp(win::WideFromAnsi(staging.c_str()), targetFolder);
  files::DeleteFolderTree(staging.c_str());
}

}  // namespace zelva::module
