#pragma once
// The label: a caption drawn on its window. A click runs its Ivent2 script.
#include <string>

#include "items/controls/ControlModel.h"

namespace qav {

enum class HAlign { Left, Right, Centre };
enum class VAlign { Top, Centre, Bottom };

class TNewLabel : public RecordControl {
 public:
  TNewLabel();
  explicit TNewLabel(const Record& record);

  const std::string& caption() const { return caption_; }
  void setCaption(std::string c);
  HAlign alignment() const { return alignment_; }
  void setAlignment(HAlign a);
  VAlign layout() const { return layout_; }
  void setLayout(VAlign l);
  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool v);
  bool transparent() const { return transparent_; }
  void setTransparent(bool v);
  bool wordWrap() const { return wordWrap_; }
  void setWordWrap(bool v);

  // The user clicked the label.
  void userClick() { fire(); }

 protected:
  const PropertyTable* propertyTable() const override;

 private:
  std::string caption_;
  HAlign alignment_ = HAlign::Left;
  VAlign layout_ = VAlign::Top;
  bool autoSize_ = true, transparent_ = false, wordWrap_ = false;
};

}  // namespace qav
