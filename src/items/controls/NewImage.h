#pragma once
// The image: a picture carried in the project. It runs no script.
#include <string>

#include "base/Picture.h"
#include "items/controls/ControlModel.h"

namespace qav {

class TNewImage : public RecordControl {
 public:
  TNewImage();
  explicit TNewImage(const Record& record);

  const Picture& picture() const { return picture_; }
  void setPicture(Picture p);
  // The control takes the picture's size.
  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool v);
  // The picture is stretched to the control.
  bool stretch() const { return stretch_; }
  void setStretch(bool v);
  bool center() const { return center_; }
  void setCenter(bool v);
  bool transparent() const { return transparent_; }
  void setTransparent(bool v);

 protected:
  const PropertyTable* propertyTable() const override;

 private:
  Picture picture_;
  bool autoSize_ = false, stretch_ = false, center_ = false, transparent_ = false;
};

}  // namespace qav
