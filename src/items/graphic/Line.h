#pragma once
// The line item: a two-pixel engraved or embossed rule along one edge of its rectangle (or a
// box or frame outline, which only project files can ask for).
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "items/graphic/DrawnItem.h"
#include "items/graphic/LineGeometry.h"

namespace qav {

using graphic::BevelShape;
using graphic::BevelStyle;

struct Record;

class TLine : public DrawnItem {
 public:
  TLine() : DrawnItem("TLine") { setBounds(0, 0, 50, 50); }
  static std::unique_ptr<TLine> fromRecord(const Record& record);

  BevelShape shape() const { return shape_; }
  BevelStyle style() const { return style_; }
  void setShape(BevelShape s) { change(shape_, s, Attr::Paint); }
  void setStyle(BevelStyle s) { change(style_, s, Attr::Paint); }

  // The strokes to draw, in order.
  std::vector<graphic::Segment> strokes() const;

 protected:
  const PropertyTable* propertyTable() const override;

 private:
  BevelShape shape_ = BevelShape::bsTopLine;
  BevelStyle style_ = BevelStyle::bsLowered;
};

}  // namespace qav
