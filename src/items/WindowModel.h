#pragma once
// A window of the user's application: the main window (TMain) or a plain window (TForm)
// made from a window record. Scripts reach it through the window rows of the property layer.
#include <cstdint>
#include <string>

#include "base/Picture.h"
#include "items/ItemModel.h"

namespace qav {

enum class BorderStyle : int {
  None = 0,
  Single = 1,
  Sizeable = 2,
  Dialog = 3,
  ToolWindow = 4,
  SizeToolWin = 5
};

struct BorderIcons {
  bool systemMenu = true, minimize = true, maximize = true, help = false;
  bool operator==(const BorderIcons&) const = default;
};

class WindowModel : public ItemModel {
 public:
  // className is "TMain" for the main window, "TForm" for every other window.
  explicit WindowModel(std::string className) : ItemModel(std::move(className)) {
    setVisible(false);
  }
  bool isWindow() const override { return true; }
  bool isMain() const { return className() == "TMain"; }

  const std::string& caption() const { return caption_; }
  void setCaption(std::string c) { assign(caption_, std::move(c), Attr::Caption); }

  const Picture& icon() const { return icon_; }
  void setIcon(Picture p) { assign(icon_, std::move(p), Attr::Picture); }

  BorderStyle borderStyle() const { return borderStyle_; }
  void setBorderStyle(BorderStyle b) { assign(borderStyle_, b, Attr::Style); }
  const BorderIcons& borderIcons() const { return borderIcons_; }
  void setBorderIcons(BorderIcons b) { assign(borderIcons_, b, Attr::Style); }
  bool stayOnTop() const { return stayOnTop_; }
  void setStayOnTop(bool v) { assign(stayOnTop_, v, Attr::Style); }
  bool autoScale() const { return autoScale_; }
  void setAutoScale(bool v) { autoScale_ = v; }
  bool centred() const { return centred_; }
  void setCentred(bool v) { assign(centred_, v, Attr::Bounds); }

  // Set by the window-showing statement: a window shown modally is closed, not hidden.
  bool modalMark() const { return modalMark_; }
  void setModalMark(bool v) { modalMark_ = v; }

  // The page control whose page area shows this window, or null.
  ItemModel* pageHost() const { return pageHost_; }
  void setPageHost(ItemModel* page) { assign(pageHost_, page, Attr::Parent); }

 private:
  std::string caption_;
  Picture icon_;
  BorderStyle borderStyle_ = BorderStyle::Sizeable;
  BorderIcons borderIcons_;
  bool stayOnTop_ = false, autoScale_ = false, centred_ = false, modalMark_ = false;
  ItemModel* pageHost_ = nullptr;
};

}  // namespace qav
