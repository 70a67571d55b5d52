// Every deliverable carries the version resource and the Common Controls v6
// manifest (id 1 for the program, 2 for the libraries).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestFolder.h"

namespace {

struct Deliverable {
  const char* path;
  WORD manifestId;
};

TEST(Resources, VersionAndCommonControlsManifest) {
  for (const Deliverable& d : {Deliverable{ZELVA_HOST_PATH, 1}, Deliverable{ZELVA_MODULE_PATH, 2},
                               Deliverable{ZELVA_SETTINGS_PATH, 2}}) {
    std::string path = zelva::testing::WindowsPathOf(d.path);
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    ASSERT_GT(size, 0u) << path;
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &length));
    EXPECT_EQ(info->dwFileVersionMS, MAKELONG(17, 1)) << path;
    EXPECT_EQ(info->dwFileVersionLS, MAKELONG(0, 27)) << path;

    HMODULE image = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(image, nullptr) << path;
    HRSRC found = FindResourceA(image, MAKEINTRESOURCEA(d.manifestId), MAKEINTRESOURCEA(24));
    ASSERT_NE(found, nullptr) << path;
    std::string manifest(static_cast<const char*>(LockResource(LoadResource(image, found))), SizeofResource(image, found));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos) << path;
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos) << path;
    FreeLibrary(image);
  }
}

}  // namespace
