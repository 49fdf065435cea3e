#pragma once
// The label: a caption drawn on its window. A click runs its Ivent2 script.
#include <string>

#include "items/controls/ControlModel.h"

namespace qav {

enum class HAlign { Left, Right, Centre };
enum class VAlign { Top, Centre, Bottom };

class TNewLabel : public CaptionControl {
 public:
  TNewLabel() : CaptionControl("TNewLabel", {2}, 2) {}
  explicit TNewLabel(const Record& record);

  HAlign alignment() const { return alignment_; }
  void setAlignment(HAlign a) { assign(alignment_, a, Attr::Style); }
  VAlign layout() const { return layout_; }
  void setLayout(VAlign l) { assign(layout_, l, Attr::Style); }
  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool v) { assign(autoSize_, v, Attr::Bounds); }
  bool transparent() const { return transparent_; }
  void setTransparent(bool v) { assign(transparent_, v, Attr::Colour); }
  bool wordWrap() const { return wordWrap_; }
  void setWordWrap(bool v) { assign(wordWrap_, v, Attr::Style); }

  // The user clicked the label.
  void userClick() { fire(); }

 protected:
  const PropertyTable* propertyTable() const override;

 private:
  HAlign alignment_ = HAlign::Left;
  VAlign layout_ = VAlign::Top;
  bool autoSize_ = true, transparent_ = false, wordWrap_ = false;
};

}  // namespace qav
