#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QCloseEvent>
#include <QScreen>
#include <QTimer>

#include "items/controls/NewEdit.h"
#include "items/controls/NewLabel.h"
#include "qt/Dialogs.h"
#include "qt/Mapping.h"
#include "qt/QtPlatform.h"
#include "qt/WindowView.h"

#include <memory>

using namespace qav;
using namespace qav::qt;

namespace {

struct FormFixture : ::testing::Test {
  QtPlatform platform;
  WindowModel model{"TForm"};
  QWidget* view = nullptr;

  void SetUp() override {
    model.setName("창2");
    model.setCaption("두번째 창");
    model.setBounds(100, 50, 400, 300);
    model.setColour(0x00FF0000);
    platform.createWindowView(model);
    view = platform.windowView(model);
  }
  void TearDown() override { platform.releaseViews(); }
};

}  // namespace

// The models may go first when a program is unloaded: both kinds of window view let go of theirs.
TEST(WindowViewLifetime, AViewThatOutlivesItsModelLetsGoOfIt) {
  for (const char* cls : {"TMain", "TForm"}) {
    QtPlatform platform;
    auto model = std::make_unique<WindowModel>(cls);
    model->setBounds(10, 10, 200, 100);
    platform.createWindowView(*model);
    auto* mirror = dynamic_cast<WindowMirror*>(platform.windowView(*model));
    ASSERT_NE(mirror, nullptr) << cls;
    EXPECT_FALSE(mirror->detached()) << cls;
    model.reset();
    EXPECT_TRUE(mirror->detached()) << cls;
  }
}

TEST_F(FormFixture, MirrorsTheModel) {
  EXPECT_FALSE(view->isVisible());  // windows start hidden
  EXPECT_EQ(view->windowTitle(), QString::fromUtf8("두번째 창"));
  EXPECT_EQ(view->geometry(), QRect(100, 50, 400, 300));
  EXPECT_EQ(view->palette().color(QPalette::Window), QColor(0, 0, 255));
  EXPECT_TRUE(view->autoFillBackground());

  model.setCaption("바뀐 제목");
  model.setBounds(10, 20, 200, 100);
  model.setCursor(-21);
  EXPECT_EQ(view->windowTitle(), QString::fromUtf8("바뀐 제목"));
  EXPECT_EQ(view->geometry(), QRect(10, 20, 200, 100));
  EXPECT_EQ(view->cursor().shape(), Qt::PointingHandCursor);

  QImage img(16, 16, QImage::Format_RGB888);
  img.fill(Qt::red);
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  img.save(&buf, "BMP");
  model.setIcon(Picture{"TBitmap", bytes.toStdString()});
  EXPECT_FALSE(view->windowIcon().isNull());
}

TEST_F(FormFixture, BorderIconsAndStayOnTop) {
  model.setBorderStyle(BorderStyle::None);
  EXPECT_TRUE(view->windowFlags() & Qt::FramelessWindowHint);

  model.setBorderStyle(BorderStyle::Single);
  EXPECT_FALSE(view->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(view->minimumSize(), view->maximumSize());  // a single border is not sizeable

  model.setBorderStyle(BorderStyle::Sizeable);
  EXPECT_NE(view->minimumSize(), view->maximumSize());

  model.setBorderIcons({true, false, true, false});
  EXPECT_TRUE(view->windowFlags() & Qt::WindowSystemMenuHint);
  EXPECT_FALSE(view->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(view->windowFlags() & Qt::WindowMaximizeButtonHint);
  model.setBorderIcons({true, true, false, true});
  EXPECT_TRUE(view->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(view->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(view->windowFlags() & Qt::WindowContextHelpButtonHint);
  // Without the system menu there are no minimize, maximize or help boxes either.
  model.setBorderIcons({false, true, true, true});
  EXPECT_FALSE(view->windowFlags() & Qt::WindowSystemMenuHint);
  EXPECT_FALSE(view->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(view->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(view->windowFlags() & Qt::WindowContextHelpButtonHint);

  EXPECT_FALSE(view->windowFlags() & Qt::WindowStaysOnTopHint);
  model.setStayOnTop(true);
  EXPECT_TRUE(view->windowFlags() & Qt::WindowStaysOnTopHint);
  // Changing the flags of a shown window keeps it shown.
  platform.showWindow(model);
  model.setStayOnTop(false);
  EXPECT_TRUE(view->isVisible());
}

TEST_F(FormFixture, ShowHideCloseAndActivation) {
  int activations = 0;
  model.setHandler([&](ItemModel&) { ++activations; });
  platform.showWindow(model);
  EXPECT_TRUE(view->isVisible());
  EXPECT_TRUE(model.visible());
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(view, &activate);
  EXPECT_EQ(activations, 1);

  platform.hideWindow(model);
  EXPECT_FALSE(view->isVisible());
  EXPECT_FALSE(model.visible());

  // The user closing a plain window hides it; it can be shown again.
  platform.showWindow(model);
  view->close();
  EXPECT_FALSE(view->isVisible());
  EXPECT_FALSE(model.visible());
  platform.showWindow(model);
  EXPECT_TRUE(view->isVisible());

  // A script hiding the window through its model hides the view as well.
  model.setVisible(false);
  EXPECT_FALSE(view->isVisible());
}

TEST_F(FormFixture, ModalShowWaitsUntilTheWindowCloses) {
  bool modalWhileShown = false, visibleWhileShown = false;
  QTimer::singleShot(0, [&] {
    modalWhileShown = view->isModal();
    visibleWhileShown = view->isVisible();
    platform.closeWindow(model);
  });
  platform.showWindowModal(model);
  EXPECT_TRUE(modalWhileShown);
  EXPECT_TRUE(visibleWhileShown);
  EXPECT_FALSE(view->isVisible());
  EXPECT_FALSE(view->isModal());
  EXPECT_FALSE(model.visible());

  // Hiding ends the wait too, so a script can never be left waiting on a hidden window.
  QTimer::singleShot(0, [&] { platform.hideWindow(model); });
  platform.showWindowModal(model);
  EXPECT_FALSE(view->isVisible());
}

TEST_F(FormFixture, CentredWindowAppearsInTheMiddleOfTheScreen) {
  WindowModel centred("TForm");
  centred.setBounds(10, 10, 200, 100);
  centred.setCentred(true);
  platform.showWindow(centred);
  QWidget* w = platform.windowView(centred);
  // The designed bounds are the window's outer bounds, frame included.
  const QRect screen = w->screen()->availableGeometry();
  EXPECT_LE(std::abs(w->frameGeometry().center().x() - screen.center().x()), 1);
  EXPECT_LE(std::abs(w->frameGeometry().center().y() - screen.center().y()), 1);
  EXPECT_EQ(w->frameGeometry().size(), QSize(200, 100));
  // Once shown, a script can still move it.
  centred.setLeft(5);
  EXPECT_EQ(w->frameGeometry().x(), 5);
}

namespace {

// A stand-in for the view of a page control: a widget with a page area inside it.
class FakePages : public QWidget, public PageAreaHost {
 public:
  explicit FakePages(QWidget* parent) : QWidget(parent), area_(new QWidget(this)) {
    area_->setGeometry(4, 24, 300, 200);
  }
  QWidget* pageArea() override { return area_; }

 private:
  QWidget* area_;
};

}  // namespace

TEST_F(FormFixture, WindowOfAPageShowsInsideThePageAreaWhereverThePageControlSits) {
  // The page control sits on a secondary window, not on the main window.
  WindowModel host("TForm");
  host.setBounds(0, 0, 500, 400);
  platform.showWindow(host);
  ItemModel pageModel("TRunPage");
  auto* pages = new FakePages(platform.clientAreaOf(host));
  pages->setGeometry(30, 40, 320, 240);
  pages->show();
  platform.addItemView(pageModel, pages);

  model.setBorderStyle(BorderStyle::None);
  model.setPageHost(&pageModel);
  platform.showWindow(model);
  EXPECT_EQ(view->parentWidget(), pages->pageArea());
  EXPECT_FALSE(view->isWindow());
  EXPECT_EQ(view->mapTo(platform.windowView(host), QPoint(0, 0)), QPoint(30 + 4, 40 + 24));
  EXPECT_EQ(view->size(), QSize(400, 300));
  EXPECT_TRUE(view->isVisible());

  // Showing it modally cannot wait for a window nobody can close: it returns at once.
  platform.showWindowModal(model);
  EXPECT_TRUE(view->isVisible());

  // Leaving the page puts it back on its own, hidden.
  platform.hideWindow(model);
  model.setPageHost(nullptr);
  EXPECT_TRUE(view->isWindow());
  EXPECT_FALSE(view->isVisible());
}

TEST_F(FormFixture, BoundsFromAProjectNeverTakeMoreThanTheScreenCanHold) {
  // Sizes and places a damaged or hostile record may carry.
  model.setBounds(INT32_MIN, INT32_MAX, INT32_MAX, -5);
  platform.showWindow(model);
  EXPECT_LE(view->width(), qt::kMaxWindowSide);
  EXPECT_EQ(view->height(), 0);
  // A window no larger than the screen can show (a backing store of its size).
  const QRect area = qt::availableArea(view);
  model.setBounds(0, 0, INT32_MAX, INT32_MAX);
  EXPECT_LE(view->width(), area.width());
  EXPECT_LE(view->height(), area.height());
  model.setBounds(10, 10, 300, 200);
  EXPECT_EQ(view->frameGeometry(), QRect(10, 10, 300, 200));
}

TEST_F(FormFixture, APageControlOnItsOwnWindowCannotSwallowIt) {
  platform.showWindow(model);
  ItemModel pageModel("TRunPage");
  auto* pages = new FakePages(platform.clientAreaOf(model));
  platform.addItemView(pageModel, pages);
  model.setPageHost(&pageModel);
  EXPECT_TRUE(view->isWindow());
  EXPECT_EQ(view->parentWidget(), nullptr);
  EXPECT_TRUE(view->isVisible());
}

TEST_F(FormFixture, ItemsShowingTheWindowColourFollowItsChanges) {
  platform.showWindow(model);
  TNewLabel label;  // takes its window's colour
  label.setParentWindow(&model);
  label.setParentColour(true);
  label.setAutoSize(false);
  label.setBounds(10, 10, 60, 16);
  TNewEdit edit;  // has its own
  edit.setParentWindow(&model);
  edit.setColour(0x00FFFFFF);
  platform.createItemView(label);
  platform.createItemView(edit);
  QWidget* labelView = platform.itemView(label);
  QWidget* editView = platform.itemView(edit);
  ASSERT_TRUE(labelView && editView);
  EXPECT_EQ(labelView->palette().color(QPalette::Window), QColor(0, 0, 255));

  // A script paints the window silver: the label goes with it, the field keeps white.
  model.setColour(0x00C0C0C0);
  EXPECT_EQ(labelView->palette().color(QPalette::Window), QColor(192, 192, 192));
  EXPECT_EQ(editView->palette().color(QPalette::Base), QColor(255, 255, 255));
  const QImage shot = view->grab().toImage();
  EXPECT_EQ(shot.pixelColor(12, 12), QColor(192, 192, 192));
}
