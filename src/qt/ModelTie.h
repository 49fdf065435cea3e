#pragma once
// Ties a view to the model it observes until either of them goes: a view that goes first stops
// observing, a model that goes first is left alone from then on.
#include "items/ItemModel.h"

namespace qav::qt {

class ModelTie : public ModelObserver {
 public:
  explicit ModelTie(ItemModel& model) : tied_(model) {}
  ~ModelTie() override { detach(); }
  ModelTie(const ModelTie&) = delete;
  ModelTie& operator=(const ModelTie&) = delete;

  void modelGone() override { detached_ = true; }
  // Forgets the model; called before the models go away.
  void detach() {
    if (detached_) return;
    detached_ = true;
    if (tied_.observer() == this) tied_.setObserver(nullptr);
  }
  bool detached() const { return detached_; }

 protected:
  bool detached_ = false;

 private:
  ItemModel& tied_;
};

}  // namespace qav::qt
