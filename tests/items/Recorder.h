#pragma once
// Records what a model tells its view.
#include <algorithm>
#include <vector>

#include "items/ItemModel.h"

namespace qav::testing {

struct Recorder : ModelObserver {
  std::vector<Attr> seen;
  ItemModel* model = nullptr;
  // Watches the model until one of the two goes, whichever is declared first.
  void watch(ItemModel& m) {
    model = &m;
    m.setObserver(this);
  }
  ~Recorder() override {
    if (model && model->observer() == this) model->setObserver(nullptr);
  }
  void modelChanged(Attr what) override { seen.push_back(what); }
  void modelGone() override { model = nullptr; }
  long count(Attr a) const { return std::count(seen.begin(), seen.end(), a); }
  void clear() { seen.clear(); }
};

}  // namespace qav::testing
