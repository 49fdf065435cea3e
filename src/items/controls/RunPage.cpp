#include "items/controls/RunPage.h"

#include "items/CommonRows.h"
#include "lang/Texts.h"

namespace qav {

const PropertyTable* TRunPage::propertyTable() const {
  using T = TRunPage;
  static const PropTable<T> table{
      rows::livePlaced<T>(),
      rows::colourRow<T>(),
      rows::truth<T>(prop::kMultiLine, &T::multiLine, &T::setMultiLine),
      rows::choice<T, TabPosition>(
          prop::kTabPosition,
          {{words::kTabsTop, TabPosition::Top}, {words::kTabsBottom, TabPosition::Bottom}},
          &T::tabPosition, &T::setTabPosition),
      rows::parentFont<T>(),
      rows::tabsAndHint<T>(),
  };
  return &table;
}

void TRunPage::buildTabs(const Lines& pageNames, const Lines& pageWindows) {
  tabs_.clear();
  for (std::size_t i = 0; i < pageNames.size(); ++i) {
    if (pageNames[i] == kNoPage) continue;
    PageTab tab;
    tab.number = static_cast<int>(tabs_.size()) + 1;
    tab.caption = pageNames[i];
    if (i < pageWindows.size()) tab.window = pageWindows[i];
    tabs_.push_back(std::move(tab));
  }
  active_ = tabs_.empty() ? -1 : 0;
  notify(Attr::Lines);
}

void TRunPage::chooseActiveTab(std::string_view activePage) {
  if (tabs_.empty()) return;
  int chosen = 0;
  for (std::size_t i = 0; i < tabs_.size(); ++i)
    if (tabs_[i].caption == activePage) chosen = static_cast<int>(i);
  setActiveIndex(chosen);
}

std::string TRunPage::tabName(std::size_t index) const {
  if (index >= tabs_.size()) return {};
  return name() + "_" + std::to_string(tabs_[index].number);
}

const PageTab* TRunPage::activeTab() const {
  return active_ >= 0 && active_ < static_cast<int>(tabs_.size())
             ? &tabs_[static_cast<std::size_t>(active_)]
             : nullptr;
}

void TRunPage::setActiveIndex(int index) {
  if (index < 0 || index >= static_cast<int>(tabs_.size())) return;
  active_ = index;
  notify(Attr::Selection);
}

bool TRunPage::userSelectTab(int index) {
  if (index < 0 || index >= static_cast<int>(tabs_.size()) || index == active_) return false;
  if (before_) before_(*this);
  setActiveIndex(index);
  if (after_) after_(*this);
  return true;
}

void TRunPage::setChangeHandlers(PageHandler before, PageHandler after) {
  before_ = std::move(before);
  after_ = std::move(after);
}

}  // namespace qav
