// What the host takes is given back on every way out: a read that runs out of
// memory, a second start that hands over and ends.
#include <gtest/gtest.h>

#include <new>
#include <string>

#include "HeapCheck.h"
#include "TestFolder.h"
#include "TextDocument.h"

using namespace zelva;

namespace {

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

TEST(TextDocumentRead, FileIsReleasedWhenMemoryRunsOutMidway) {
  zelva::testing::TestFolder folder;
  const std::string path = folder / "long.txt";
  zelva::testing::WriteWholeFile(path, std::string(300 * 1024, 'x'));
  std::string bytes;
  {
    zelva::testing::HeapCheck heap;
    heap.RefuseFrom(64 * 1024);
    EXPECT_THROW(document::ReadDocumentFile(Wide(path).c_str(), 1024 * 1024, bytes), std::bad_alloc);
  }
  // Nothing holds the file any more: it opens for exclusive use.
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(file, INVALID_HANDLE_VALUE) << GetLastError();
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

}  // namespace
