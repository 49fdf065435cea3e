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
  void setCaption(std::string c) {
    caption_ = std::move(c);
    notify(Attr::Caption);
  }

  const Picture& icon() const { return icon_; }
  void setIcon(Picture p) {
    icon_ = std::move(p);
    notify(Attr::Picture);
  }

  BorderStyle borderStyle() const { return borderStyle_; }
  void setBorderStyle(BorderStyle b) {
    borderStyle_ = b;
    notify(Attr::Style);
  }
  const BorderIcons& borderIcons() const { return borderIcons_; }
  void setBorderIcons(BorderIcons b) {
    borderIcons_ = b;
    notify(Attr::Style);
  }
  bool stayOnTop() const { return stayOnTop_; }
  void setStayOnTop(bool v) {
    stayOnTop_ = v;
    notify(Attr::Style);
  }
  bool autoScale() const { return autoScale_; }
  void setAutoScale(bool v) { autoScale_ = v; }
  bool centred() const { return centred_; }
  void setCentred(bool v) {
    centred_ = v;
    notify(Attr::Bounds);
  }

  // Set by the window-showing statement: a window shown modally is closed, not hidden.
  bool modalMark() const { return modalMark_; }
  void setModalMark(bool v) { modalMark_ = v; }

  // The page control whose page area shows this window, or null.
  ItemModel* pageHost() const { return pageHost_; }
  void setPageHost(ItemModel* page) {
    pageHost_ = page;
    notify(Attr::Parent);
  }

 private:
  std::string caption_;
  Picture icon_;
  BorderStyle borderStyle_ = BorderStyle::Sizeable;
  BorderIcons borderIcons_;
  bool stayOnTop_ = false, autoScale_ = false, centred_ = false, modalMark_ = false;
  ItemModel* pageHost_ = nullptr;
};

}  // namespace qav
