// The order the livery list is kept in: house liveries first, the rest
// ascending by name.
#pragma once

#include <string>
#include <vector>

#include "AircraftConfig.h"

namespace zelva::livery {

// Receives each step of the ordering as a format with one number.
using OrderLog = void (*)(void* context, const char* format, int value);

// The positions of names in their new order (result[i] is the index of the
// name that goes to place i). Adjacent pairs are exchanged pass by pass:
// a name containing "ZELVA House" always moves ahead of its neighbour, other
// names move ahead when they sort before it and it is no house livery. Equal
// names keep their order.
std::vector<int> OrderLiveries(const std::vector<std::string>& names, OrderLog log = nullptr, void* context = nullptr);

// Counts the entries of a file in memory, orders them by their ui_variation
// and moves them into that order, telling log every step the sort has always
// logged. True when an entry moved.
bool SortEntries(AircraftConfig& config, OrderLog log = nullptr, void* context = nullptr);

}  // namespace zelva::livery
