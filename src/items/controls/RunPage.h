#pragma once
// The run-time page control built from a page design record: one tab per page line, each
// showing a window of the project (named in the tab's hint). The runtime embeds the windows;
// this model keeps the tabs, the active tab, and runs a user's tab change through the two
// page handlers (before and after), the second of which runs the Ivent3 script.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "items/controls/ControlModel.h"

namespace qav {

enum class TabPosition { Top, Bottom };  // stored ordinals ppTop, ppBottom

struct PageTab {
  int number = 0;       // 1, 2, ... in the order the tabs were made
  std::string caption;  // the page line
  std::string window;   // the tab's hint: name of the window the tab shows
};

class TRunPage : public ControlModel {
 public:
  // A page line with this text makes no tab.
  static constexpr std::string_view kNoPage = "[None]";
  // Where the page area starts inside the control, as the window of a tab is placed.
  static constexpr int32_t kSheetLeft = 4, kSheetTopTabsAbove = 24, kSheetTopTabsBelow = 4;
  // The control sized around a window of the given size.
  static constexpr int32_t kExtraWidth = 9, kExtraHeight = 28;

  using PageHandler = std::function<void(TRunPage&)>;

  TRunPage() : ControlModel("TRunPage", {3}, 3) {}
  // Copies what instantiation takes from a TNewPage record: flags, bounds, font, cursor,
  // hint, tab position, multi-line, the tabs, Ivent3, and the first active tab.
  explicit TRunPage(const Record& record);

  // One tab per page line other than "[None]", captioned with the line and showing the
  // window named by the same line of the window list (a missing line gives an empty name).
  // Replaces any tabs; the first tab becomes active.
  void buildTabs(const Lines& pageNames, const Lines& pageWindows);
  // The first tab, then the last tab whose caption equals the text, becomes active.
  void chooseActiveTab(std::string_view activePage);

  const std::vector<PageTab>& tabs() const { return tabs_; }
  // The control's name, "_" and the tab's number: P_1, P_2, ...
  std::string tabName(std::size_t index) const;
  int activeIndex() const { return active_; }  // -1 when there is no tab
  const PageTab* activeTab() const;
  // A program change of the active tab; calls no handler.
  void setActiveIndex(int index);
  // The user picked a tab: the before-handler sees the tab being left, then the tab changes,
  // then the after-handler runs. Picking the active tab or no tab does nothing.
  bool userSelectTab(int index);
  void setChangeHandlers(PageHandler before, PageHandler after);

  TabPosition tabPosition() const { return position_; }
  void setTabPosition(TabPosition p) { assign(position_, p, Attr::Style); }
  bool multiLine() const { return multiLine_; }
  void setMultiLine(bool v) { assign(multiLine_, v, Attr::Style); }
  // Top-left of the page area within the control.
  int32_t sheetLeft() const { return kSheetLeft; }
  int32_t sheetTop() const {
    return position_ == TabPosition::Top ? kSheetTopTabsAbove : kSheetTopTabsBelow;
  }

 protected:
  const PropertyTable* propertyTable() const override;

 private:
  std::vector<PageTab> tabs_;
  int active_ = -1;
  TabPosition position_ = TabPosition::Top;
  bool multiLine_ = false;
  PageHandler before_, after_;
};

}  // namespace qav
