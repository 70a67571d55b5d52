// Follows operator new and delete on the thread that made it, for as long as
// it lives: a block freed twice is counted (and not handed to the heap a
// second time, so the test runs on), and blocks still live can be counted.
// The test program's operators new and delete are replaced for it.
#pragma once

namespace zelva::testing {

class HeapCheck {
 public:
  HeapCheck();
  ~HeapCheck();
  HeapCheck(const HeapCheck&) = delete;
  HeapCheck& operator=(const HeapCheck&) = delete;

  int repeatedFrees() const;
  // Blocks allocated since the check began and not freed yet.
  int liveBlocks() const;
};

}  // namespace zelva::testing
