// Follows operator new and delete on the thread that made it, for as long as
// it lives: a block freed twice is counted (and not handed to the heap a
// second time, so the test runs on), blocks still live can be counted, and
// large requests can be refused as if memory had run out. The test
// program's operators new and delete are replaced for it.
#pragma once

#include <cstddef>

namespace zelva::testing {

class HeapCheck {
 public:
  HeapCheck();
  ~HeapCheck();
  HeapCheck(const HeapCheck&) = delete;
  HeapCheck& operator=(const HeapCheck&) = delete;

  // Requests of at least this many bytes fail from now on.
  void RefuseFrom(std::size_t bytes);

  int repeatedFrees() const;
  // Blocks allocated since the check began and not freed yet.
  int liveBlocks() const;
};

}  // namespace zelva::testing
