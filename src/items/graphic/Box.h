#pragma once
// The box item: a multi-shape that draws one figure filling its bounds, with its event
// scripts, the outline and shadow widths as single numbers, and its Korean property table.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "items/graphic/MultiShape.h"

namespace qav {

struct Record;

class TBox : public TMultiShape {
 public:
  TBox();
  // A box as its project record describes it. The record's class must be registered.
  static std::unique_ptr<TBox> fromRecord(const Record& record);

  const std::vector<std::string>& ivent2() const { return ivent2_; }
  void setIvent2(std::vector<std::string> lines) { ivent2_ = std::move(lines); }

  int32_t borders() const { return borders_; }
  int32_t shadows() const { return shadows_; }
  // Outline width; 0 draws the outline in the fill colour. Negative values are ignored.
  void setBorders(int32_t n);
  // Shadow offset in both directions; 0 removes the shadow. Negative values are ignored.
  void setShadows(int32_t n);

 protected:
  const PropertyTable* propertyTable() const override;

 private:
  std::vector<std::string> ivent2_;
  int32_t borders_ = 0, shadows_ = 0;
};

}  // namespace qav
