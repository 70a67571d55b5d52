#include "HandleTable.h"

namespace zelva::archive {

HandleTable::HandleTable() {
  handles_.reserve(4);
  positions_.reserve(4);
}

long HandleTable::Find(intptr_t handle) const {
  for (size_t i = 0; i < handles_.size(); ++i)
    if (handles_[i] == handle) return long(i);
  return -1;
}

void HandleTable::Add(intptr_t handle, uint32_t position) {
  long at = Find(handle);
  if (at >= 0) {
    positions_[size_t(at)] = position;
    return;
  }
  handles_.push_back(handle);
  positions_.push_back(position);
}

bool HandleTable::Position(intptr_t handle, uint32_t& position) const {
  long at = Find(handle);
  if (at < 0) return false;
  position = positions_[size_t(at)];
  return true;
}

bool HandleTable::SetPosition(intptr_t handle, uint32_t position) {
  long at = Find(handle);
  if (at < 0) return false;
  positions_[size_t(at)] = position;
  return true;
}

void HandleTable::Remove(intptr_t handle) {
  long at = Find(handle);
  if (at < 0) return;
  handles_[size_t(at)] = handles_.back();
  positions_[size_t(at)] = positions_.back();
  handles_.pop_back();
  positions_.pop_back();
}

void HandleTable::Clear() {
  handles_.clear();
  positions_.clear();
}

intptr_t HandleTable::FirstFreeFrom(intptr_t start) const {
  intptr_t candidate = start;
  while (Contains(candidate)) ++candidate;
  return candidate;
}

}  // namespace zelva::archive
