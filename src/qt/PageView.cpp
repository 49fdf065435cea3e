#include "qt/PageView.h"

#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <algorithm>

#include "qt/Mapping.h"

namespace qav::qt {

PageView::PageView(TRunPage& model, QWidget* parent)
    : QWidget(parent), ItemView(model, this, QPalette::Window), page_(model) {
  tabs_ = new QTabBar(this);
  tabs_->setObjectName(QStringLiteral("tabs"));
  tabs_->setDrawBase(true);
  area_ = new QWidget(this);
  area_->setObjectName(QStringLiteral("pageArea"));
  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { pick(index); });
  refreshAll();
}

void PageView::refresh(Attr what) {
  const bool all = what == Attr::All;
  if (all || what == Attr::Lines) {
    QSignalBlocker block(tabs_);
    while (tabs_->count() > 0) tabs_->removeTab(tabs_->count() - 1);
    for (const auto& tab : page_.tabs()) tabs_->addTab(qs(tab.caption));
  }
  if (all || what == Attr::Style || what == Attr::Bounds) {
    tabs_->setShape(page_.tabPosition() == TabPosition::Top ? QTabBar::RoundedNorth
                                                            : QTabBar::RoundedSouth);
    tabs_->setExpanding(false);
    tabs_->setUsesScrollButtons(!page_.multiLine());
    layoutParts();
  }
  {
    QSignalBlocker block(tabs_);
    if (tabs_->currentIndex() != page_.activeIndex()) tabs_->setCurrentIndex(page_.activeIndex());
  }
  // Wrapped rows follow the active tab.
  if (page_.multiLine() || what == Attr::Lines) layoutParts();
}

void PageView::pick(int index) {
  if (applying() || detached() || index < 0) return;
  // The model runs the change through its handlers; the bars then show its active tab.
  deliverInput({UserActionKind::Page, &page_, index},
               [this, index] { page_.userSelectTab(index); });
  if (!detached()) refresh(Attr::Selection);
}

void PageView::clickTab(int index) {
  for (TabRow* row : rows_)
    for (const auto& tab : row->tabs())
      if (tab.index == index) return pick(index);
  tabs_->setCurrentIndex(index);
}

std::vector<std::vector<int>> PageView::tabRows() {
  const int n = tabs_->count();
  tabWidths_.assign(static_cast<std::size_t>(n), 0);
  for (int i = 0; i < n; ++i) tabWidths_[static_cast<std::size_t>(i)] = tabs_->tabRect(i).width();
  std::vector<std::vector<int>> rows(1);
  if (!page_.multiLine()) {
    for (int i = 0; i < n; ++i) rows[0].push_back(i);
    return rows;
  }
  int used = 0;
  for (int i = 0; i < n; ++i) {
    const int w = tabWidths_[static_cast<std::size_t>(i)];
    if (!rows.back().empty() && used + w > width()) {
      rows.emplace_back();
      used = 0;
    }
    rows.back().push_back(i);
    used += w;
  }
  return rows;
}

// The page area starts where the model says a tab's window goes, lower by the rows that
// wrapped tabs add; the tabs fill the rest.
void PageView::layoutParts() {
  QSignalBlocker block(tabs_);
  for (int i = 0; i < tabs_->count(); ++i) tabs_->setTabVisible(i, true);
  std::vector<std::vector<int>> rows = tabRows();
  // The active tab's row goes next to the page area, as on the system's page controls.
  const int active = page_.activeIndex();
  std::size_t activeRow = 0;
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (int i : rows[r])
      if (i == active) activeRow = r;
  std::vector<int> shown = rows[activeRow];
  rows.erase(rows.begin() + static_cast<long>(activeRow));
  for (int i = 0; i < tabs_->count(); ++i)
    tabs_->setTabVisible(i, std::find(shown.begin(), shown.end(), i) != shown.end());

  const bool above = page_.tabPosition() == TabPosition::Top;
  const int rowHeight = tabs_->sizeHint().height();
  const int extra = static_cast<int>(rows.size()) * rowHeight;
  const int areaLeft = page_.sheetLeft();
  const int areaTop = page_.sheetTop() + (above ? extra : 0);
  const int areaWidth = std::max(0, width() - TRunPage::kExtraWidth);
  const int areaHeight = std::max(0, height() - TRunPage::kExtraHeight - extra);
  area_->setGeometry(areaLeft, areaTop, areaWidth, areaHeight);
  const int barHeight =
      std::max(0, above ? page_.sheetTop() : height() - (areaTop + areaHeight) - extra);
  const int barTop = above ? extra : areaTop + areaHeight;
  tabs_->setGeometry(0, barTop, width(), barHeight);

  while (rows_.size() > rows.size()) {
    delete rows_.back();
    rows_.pop_back();
  }
  const QTabBar::Shape shape = tabs_->shape();
  while (rows_.size() < rows.size())
    rows_.push_back(new TabRow(
        shape, [this](int index) { pick(index); }, this));
  for (std::size_t r = 0; r < rows.size(); ++r) {
    std::vector<TabRow::Tab> tabs;
    for (int i : rows[r])
      tabs.push_back({i, tabs_->tabText(i), tabWidths_[static_cast<std::size_t>(i)]});
    rows_[r]->setTabs(std::move(tabs));
    // Rows farther from the page area come first above it, last below it.
    const int y = above ? static_cast<int>(r) * rowHeight
                        : barTop + barHeight + static_cast<int>(r) * rowHeight;
    rows_[r]->setGeometry(0, y, width(), rowHeight);
    rows_[r]->show();
  }
}

TabRow::TabRow(QTabBar::Shape shape, std::function<void(int)> pick, QWidget* parent)
    : QWidget(parent), shape_(shape), pick_(std::move(pick)) {}

void TabRow::setTabs(std::vector<Tab> tabs) {
  tabs_ = std::move(tabs);
  update();
}

QRect TabRow::tabRect(int position) const {
  int x = 0;
  for (int i = 0; i < position; ++i) x += tabs_[static_cast<std::size_t>(i)].width;
  return QRect(x, 0, tabs_[static_cast<std::size_t>(position)].width, height());
}

void TabRow::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  const int n = static_cast<int>(tabs_.size());
  for (int i = 0; i < n; ++i) {
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = shape_;
    option.text = tabs_[static_cast<std::size_t>(i)].caption;
    option.rect = tabRect(i);
    option.position = n == 1       ? QStyleOptionTab::OnlyOneTab
                      : i == 0     ? QStyleOptionTab::Beginning
                      : i == n - 1 ? QStyleOptionTab::End
                                   : QStyleOptionTab::Middle;
    option.state &= ~QStyle::State_Selected;
    p.drawControl(QStyle::CE_TabBarTab, option);
  }
}

void TabRow::mousePressEvent(QMouseEvent* event) {
  for (int i = 0; i < static_cast<int>(tabs_.size()); ++i)
    if (tabRect(i).contains(event->position().toPoint()))
      return pick_(tabs_[static_cast<std::size_t>(i)].index);
  QWidget::mousePressEvent(event);
}

// The frame of the pages around the page area, joined to the tabs.
void PageView::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionTabWidgetFrame frame;
  frame.initFrom(this);
  frame.rect = area_->geometry().adjusted(-2, -2, 2, 2);
  frame.shape = tabs_->shape();
  frame.tabBarSize = tabs_->sizeHint();
  frame.tabBarRect = tabs_->geometry();
  frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
  p.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

void PageView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layoutParts();
}

}  // namespace qav::qt
