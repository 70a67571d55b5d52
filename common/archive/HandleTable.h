// The decoder's open handles with their read positions. Small: the decoder
// keeps one or two cabinets open at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zelva::archive {

class HandleTable {
 public:
  HandleTable();

  void Add(intptr_t handle, uint32_t position);
  bool Contains(intptr_t handle) const { return Find(handle) >= 0; }
  // False for a handle that is not in the table.
  bool Position(intptr_t handle, uint32_t& position) const;
  bool SetPosition(intptr_t handle, uint32_t position);
  // The last entry takes the removed one's place.
  void Remove(intptr_t handle);
  void Clear();
  size_t size() const { return handles_.size(); }

  // The first value from start upwards that is no handle in the table.
  intptr_t FirstFreeFrom(intptr_t start) const;

 private:
  long Find(intptr_t handle) const;

  std::vector<intptr_t> handles_;
  std::vector<uint32_t> positions_;
};

}  // namespace zelva::archive
