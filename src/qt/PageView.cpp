#include "qt/PageView.h"

#include <QSignalBlocker>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

#include "qt/Mapping.h"

namespace qav::qt {

PageView::PageView(TRunPage& model, QWidget* parent)
    : QWidget(parent), ItemView(model, this, QPalette::Window), page_(model) {
  tabs_ = new QTabBar(this);
  tabs_->setObjectName(QStringLiteral("tabs"));
  tabs_->setDrawBase(true);
  area_ = new QWidget(this);
  area_->setObjectName(QStringLiteral("pageArea"));
  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
    if (applying() || detached()) return;
    // The model runs the change through its handlers; the bar then shows its active tab.
    deliverInput({UserActionKind::Page, &page_, index}, [this, index] { page_.userSelectTab(index); });
    if (!detached()) refresh(Attr::Selection);
  });
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
  QSignalBlocker block(tabs_);
  if (tabs_->currentIndex() != page_.activeIndex()) tabs_->setCurrentIndex(page_.activeIndex());
}

// The page area starts where the model says a tab's window goes; the tabs fill the rest.
void PageView::layoutParts() {
  const int areaLeft = page_.sheetLeft();
  const int areaTop = page_.sheetTop();
  const int areaWidth = std::max(0, width() - TRunPage::kExtraWidth);
  const int areaHeight = std::max(0, height() - TRunPage::kExtraHeight);
  area_->setGeometry(areaLeft, areaTop, areaWidth, areaHeight);
  const int barHeight = std::max(
      0, page_.tabPosition() == TabPosition::Top ? areaTop : height() - (areaTop + areaHeight));
  const int barTop = page_.tabPosition() == TabPosition::Top ? 0 : areaTop + areaHeight;
  tabs_->setGeometry(0, barTop, width(), barHeight);
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
