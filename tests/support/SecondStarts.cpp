#include "SecondStarts.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "Handles.h"
#include "TestFolder.h"

namespace zelva::testing {

void RecordSecondStart(const std::string& what) {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string line = test != nullptr ? std::string(test->test_suite_name()) + "." + test->name() : "(no test)";
  line += ": " + what + "\n";
  std::fputs(("second start: " + line).c_str(), stderr);
  char file[MAX_PATH * 2];
  DWORD length = GetEnvironmentVariableA("ZELVA_SECOND_STARTS", file, sizeof(file));
  if (length == 0 || length >= sizeof(file)) return;
  const std::string path = file[0] == '/' ? WindowsPathOf(file) : file;
  // Parallel tests append to the same file: each line goes in one write.
  win::FileHandle out(CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (out) WriteFile(out.get(), line.data(), DWORD(line.size()), &written, nullptr);
}

}  // namespace zelva::testing
