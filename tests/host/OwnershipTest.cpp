// What the host takes is given back on every way out, here a read that runs
// out of memory.
#include <gtest/gtest.h>

#include <new>
#include <string>

#include "HeapCheck.h"
#include "TestFolder.h"
#include "TextDocument.h"
#include "WideText.h"

using namespace zelva;

namespace {

TEST(TextDocumentRead, FileIsReleasedWhenMemoryRunsOutMidway) {
  zelva::testing::TestFolder folder;
  const std::string path = folder / "long.txt";
  zelva::testing::WriteWholeFile(path, std::string(300 * 1024, 'x'));
  std::string bytes;
  {
    zelva::testing::HeapCheck heap;
    heap.RefuseFrom(64 * 1024);
    EXPECT_THROW(document::ReadDocumentFile(win::WideFromAnsi(path.c_str()).c_str(), 1024 * 1024, bytes), std::bad_alloc);
  }
  // Nothing holds the file any more: it opens for exclusive use.
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(file, INVALID_HANDLE_VALUE) << GetLastError();
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

}  // namespace
