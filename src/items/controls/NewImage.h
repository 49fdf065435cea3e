#pragma once
// The image: a picture carried in the project. It runs no script.
#include <string>

#include "base/Picture.h"
#include "items/controls/ControlModel.h"

namespace qav {

class TNewImage : public RecordControl {
 public:
  TNewImage() : RecordControl("TNewImage", {}, 0) {}
  explicit TNewImage(const Record& record);

  const Picture& picture() const { return picture_; }
  void setPicture(Picture p) { assign(picture_, std::move(p), Attr::Picture); }
  // The control takes the picture's size.
  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool v) { assign(autoSize_, v, Attr::Bounds); }
  // The picture is stretched to the control.
  bool stretch() const { return stretch_; }
  void setStretch(bool v) { assign(stretch_, v, Attr::Picture); }
  bool center() const { return center_; }
  void setCenter(bool v) { assign(center_, v, Attr::Picture); }
  bool transparent() const { return transparent_; }
  void setTransparent(bool v) { assign(transparent_, v, Attr::Picture); }

 protected:
  const PropertyTable* propertyTable() const override;

 private:
  Picture picture_;
  bool autoSize_ = false, stretch_ = false, center_ = false, transparent_ = false;
};

}  // namespace qav
