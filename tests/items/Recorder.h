#pragma once
// Records what a model tells its view.
#include <algorithm>
#include <vector>

#include "items/ItemModel.h"

namespace qav::testing {

struct Recorder : ModelObserver {
  std::vector<Attr> seen;
  void modelChanged(Attr what) override { seen.push_back(what); }
  long count(Attr a) const { return std::count(seen.begin(), seen.end(), a); }
  void clear() { seen.clear(); }
};

}  // namespace qav::testing
