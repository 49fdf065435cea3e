#pragma once
// View of the run-time page control: a row of tabs (above or below) and the page area where
// the window of the active tab is shown. With multi-line tabs that do not fit one row, the
// tabs wrap into rows, the row of the active tab next to the page area.
#include <QTabBar>
#include <QWidget>
#include <functional>
#include <vector>

#include "items/controls/RunPage.h"
#include "qt/ItemView.h"
#include "qt/WindowView.h"

namespace qav::qt {

// A row of tabs none of which is active: the rows of a wrapped page control other than the
// active tab's row. A click on a tab picks it.
class TabRow : public QWidget {
  Q_OBJECT
 public:
  TabRow(QTabBar::Shape shape, std::function<void(int)> pick, QWidget* parent);
  struct Tab {
    int index;  // in the page control
    QString caption;
    int width;  // as the page control's own tab bar measures it
  };
  void setTabs(std::vector<Tab> tabs);
  QRect tabRect(int position) const;
  const std::vector<Tab>& tabs() const { return tabs_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QTabBar::Shape shape_;
  std::function<void(int)> pick_;
  std::vector<Tab> tabs_;
};

class PageView : public QWidget, public ItemView, public PageAreaHost {
  Q_OBJECT
 public:
  PageView(TRunPage& model, QWidget* parent);
  QWidget* pageArea() override { return area_; }
  // The row of the active tab (every tab while they fit one row).
  QTabBar* tabBar() const { return tabs_; }
  // The rows that wrapped tabs make besides the active tab's row.
  const std::vector<TabRow*>& otherRows() const { return rows_; }
  // The user's click on tab index (from 0), on whichever row shows it.
  void clickTab(int index);

 protected:
  void refresh(Attr what) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void layoutParts();
  // Splits the tabs into rows that fit the width; one row when they fit or do not wrap.
  std::vector<std::vector<int>> tabRows();
  void pick(int index);
  TRunPage& page_;
  QTabBar* tabs_;
  QWidget* area_;
  std::vector<TabRow*> rows_;
  std::vector<int> tabWidths_;  // of every tab, measured while all of them are shown
};

}  // namespace qav::qt
