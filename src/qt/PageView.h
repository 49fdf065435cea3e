#pragma once
// View of the run-time page control: a row of tabs (above or below) and the page area where
// the window of the active tab is shown.
#include <QTabBar>
#include <QWidget>

#include "items/controls/RunPage.h"
#include "qt/ItemView.h"
#include "qt/WindowView.h"

namespace qav::qt {

class PageView : public QWidget, public ItemView, public PageAreaHost {
  Q_OBJECT
 public:
  PageView(TRunPage& model, QWidget* parent);
  QWidget* pageArea() override { return area_; }
  QTabBar* tabBar() const { return tabs_; }

 protected:
  void refresh(Attr what) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void layoutParts();
  TRunPage& page_;
  QTabBar* tabs_;
  QWidget* area_;
};

}  // namespace qav::qt
