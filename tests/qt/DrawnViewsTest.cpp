// The drawn items on screen: pixels of the worked examples, what shows through where an item
// draws nothing, clicks, and the clock's own timer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "items/WindowModel.h"
#include "items/graphic/Box.h"
#include "items/graphic/Line.h"
#include "items/graphic/NewProgress.h"
#include "items/graphic/NewWatch.h"
#include "qt/DrawnViews.h"
#include "qt/Mapping.h"
#include "qt/QtPlatform.h"

using namespace qav;
using namespace qav::qt;

// Colours in failure messages.
static void PrintTo(const QColor& c, std::ostream* os) {
  *os << c.name().toStdString();
}

namespace {

const QColor kWindow(255, 0, 255);  // what shows through

// A system colour as it lands in a picture of 8 bits a channel.
QColor sys(uint32_t code) {
  return QColor(toQColor(code, QApplication::palette()).rgb());
}

// A window of known colour to place views on, and its picture.
struct Host : ::testing::Test {
  QWidget window;
  void SetUp() override {
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, kWindow);
    window.setPalette(pal);
    window.setAutoFillBackground(true);
    window.resize(320, 240);
    window.show();
  }
  QImage shot() {
    QApplication::processEvents();
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  // The picture of one view, in its own coordinates.
  QImage shot(QWidget* view) { return shot().copy(view->geometry()); }
};

QColor at(const QImage& img, int x, int y) {
  return QColor(img.pixel(x, y));
}

// The default box, 65 by 65 at (10, 10), with a box of its own class.
struct BoxFixture : Host {
  TBox box;
  ShapeView* view = nullptr;
  void SetUp() override {
    Host::SetUp();
    box.setBounds(10, 10, 65, 65);
    view = new ShapeView(box, &window);
  }
};

TEST_F(BoxFixture, DefaultBoxIsA64SquareWithAOnePixelShadow) {
  ASSERT_EQ(box.shapeW(), 64);
  const QImage img = shot(view);
  const QColor silver(192, 192, 192), white(255, 255, 255), grey(128, 128, 128);
  // The outline in the border colour along the inside of the 64 by 64 figure, silver inside.
  EXPECT_EQ(at(img, 0, 0), white);
  EXPECT_EQ(at(img, 63, 0), white);
  EXPECT_EQ(at(img, 0, 63), white);
  EXPECT_EQ(at(img, 63, 63), white);
  EXPECT_EQ(at(img, 1, 1), silver);  // the main pass lies over the shadow
  EXPECT_EQ(at(img, 32, 32), silver);
  // The shadow: column 64 and row 64 from 1 to 64; the corners it does not reach show the window.
  for (int i = 1; i <= 64; ++i) {
    EXPECT_EQ(at(img, 64, i), grey) << i;
    EXPECT_EQ(at(img, i, 64), grey) << i;
  }
  EXPECT_EQ(at(img, 64, 0), kWindow);
  EXPECT_EQ(at(img, 0, 64), kWindow);

  // A wider outline and another fill colour repaint the box.
  box.setBorders(3);
  box.setColour(0x000000FF);
  const QImage wide = shot(view);
  EXPECT_EQ(at(wide, 32, 32), QColor(255, 0, 0));
  EXPECT_EQ(at(wide, 1, 32), white);
  EXPECT_EQ(at(wide, 3, 32), QColor(255, 0, 0));
  // Without an outline colour the outline is drawn in the fill colour.
  box.setBorders(0);
  EXPECT_EQ(at(shot(view), 0, 0), QColor(255, 0, 0));
}

TEST_F(BoxFixture, OutlinesAndRoundedRectangles) {
  box.setShadows(0);
  box.setBorderColour(0x00000000);
  ASSERT_EQ(box.width(), 64);

  // An unfilled ellipse: its whole outline, nothing inside, the window at the corners.
  box.setShapeType(ShapeType::msEllipse);
  box.setFilled(false);
  QImage img = shot(view);
  const QColor black(0, 0, 0);
  auto rowHas = [&](int y) {
    for (int x = 0; x < 64; ++x)
      if (at(img, x, y) == black) return true;
    return false;
  };
  auto columnHas = [&](int x) {
    for (int y = 0; y < 64; ++y)
      if (at(img, x, y) == black) return true;
    return false;
  };
  EXPECT_TRUE(rowHas(0));
  EXPECT_TRUE(rowHas(63));
  EXPECT_TRUE(columnHas(0));
  EXPECT_TRUE(columnHas(63));
  EXPECT_EQ(at(img, 31, 0), black);
  EXPECT_EQ(at(img, 0, 31), black);
  EXPECT_EQ(at(img, 63, 32), black);
  EXPECT_EQ(at(img, 32, 63), black);
  EXPECT_EQ(at(img, 32, 32), kWindow);
  EXPECT_EQ(at(img, 0, 0), kWindow);

  // Filled, the same ellipse is filled with the box colour.
  box.setFilled(true);
  img = shot(view);
  EXPECT_EQ(at(img, 32, 32), QColor(192, 192, 192));
  EXPECT_EQ(at(img, 0, 0), kWindow);

  // A rounded rectangle is filled whatever Filled says; its corners are cut.
  box.setShapeType(ShapeType::msRoundRect);
  box.setFilled(false);
  img = shot(view);
  EXPECT_EQ(at(img, 32, 32), QColor(192, 192, 192));
  EXPECT_EQ(at(img, 32, 0), black);
  EXPECT_EQ(at(img, 0, 0), kWindow);

  // An unfilled rectangle and diamond: outline only. The unfilled rectangle's outline runs
  // through x + W and y + H, one further than the filled one: here just outside the box.
  box.setShapeType(ShapeType::msRectangle);
  img = shot(view);
  EXPECT_EQ(at(img, 0, 0), black);
  EXPECT_EQ(at(img, 63, 0), black);
  EXPECT_EQ(at(img, 0, 63), black);
  EXPECT_EQ(at(img, 63, 63), kWindow);
  EXPECT_EQ(at(img, 32, 32), kWindow);
  box.setShapeType(ShapeType::msDiamond);
  img = shot(view);
  EXPECT_EQ(at(img, 32, 0), black);
  EXPECT_EQ(at(img, 0, 32), black);
  EXPECT_EQ(at(img, 16, 16), black);
  EXPECT_EQ(at(img, 32, 32), kWindow);
  EXPECT_EQ(at(img, 2, 2), kWindow);
}

TEST_F(BoxFixture, TrianglesPointTheWayOfTheirAngle) {
  box.setShadows(0);
  box.setShapeType(ShapeType::msTriangle);
  struct Case {
    int angle;
    QPoint inside, outside;
  };
  // The 64 by 64 figure: w = h = 32.
  const Case cases[] = {
      {0, {10, 32}, {60, 5}},    {45, {50, 10}, {10, 50}},   {90, {32, 50}, {5, 5}},
      {135, {10, 10}, {55, 55}}, {180, {55, 32}, {5, 5}},    {-45, {55, 55}, {10, 10}},
      {-90, {32, 10}, {5, 60}},  {-135, {10, 55}, {55, 10}},
  };
  const QColor silver(192, 192, 192);
  for (const Case& c : cases) {
    box.setAngle(c.angle);
    ASSERT_EQ(box.angle(), c.angle);
    const QImage img = shot(view);
    EXPECT_EQ(at(img, c.inside.x(), c.inside.y()), silver) << c.angle;
    EXPECT_EQ(at(img, c.outside.x(), c.outside.y()), kWindow) << c.angle;
  }
  // Unfilled, the inside shows the window and the corner of the figure is outlined.
  box.setAngle(135);
  box.setFilled(false);
  const QImage img = shot(view);
  EXPECT_EQ(at(img, 10, 10), kWindow);
  EXPECT_EQ(at(img, 0, 0), QColor(255, 255, 255));
  EXPECT_EQ(at(img, 0, 40), QColor(255, 255, 255));
}

TEST_F(BoxFixture, RepeatedFiguresAndLineFigures) {
  // A grid of 10 by 10 figures every 20 pixels, no shadow: figures at 0, 20, 40, 60.
  box.setShadows(0);
  box.setRepeatMode(RepeatMode::rpBoth);
  box.setBounds(10, 10, 70, 70);
  box.setShapeW(10);
  box.setShapeH(10);
  box.setBorder(false);
  QImage img = shot(view);
  const QColor silver(192, 192, 192);
  EXPECT_EQ(at(img, 5, 5), silver);
  EXPECT_EQ(at(img, 65, 45), silver);
  EXPECT_EQ(at(img, 15, 5), kWindow);
  EXPECT_EQ(at(img, 5, 15), kWindow);

  // Line figures: the fill colour, never the border colour; the end point left out.
  box.setRepeatMode(RepeatMode::rpNone);
  box.setBounds(10, 10, 40, 40);
  box.setShapeType(ShapeType::msLine);
  box.setBorder(true);
  box.setBorderColour(0x00FF0000);
  box.setAngle(0);  // from (0, 20) to (40, 20)
  img = shot(view);
  EXPECT_EQ(at(img, 0, 20), silver);
  EXPECT_EQ(at(img, 39, 20), silver);
  EXPECT_EQ(at(img, 20, 19), kWindow);
  box.setAngle(135);  // from (0, 0) towards (40, 40)
  img = shot(view);
  EXPECT_EQ(at(img, 0, 0), silver);
  EXPECT_EQ(at(img, 39, 39), silver);
  EXPECT_EQ(at(img, 39, 0), kWindow);
}

TEST_F(BoxFixture, TextFigureIsCentredAndTurns) {
  box.setShadows(0);
  box.setBounds(10, 10, 120, 120);
  box.setShapeType(ShapeType::msText);
  box.setColour(0x00000000);
  box.setText("WWWWWW");
  // The extent of the dark pixels of the picture.
  auto inked = [&](const QImage& img) {
    QRect r;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if (at(img, x, y) == QColor(0, 0, 0)) r |= QRect(x, y, 1, 1);
    return r;
  };
  const QRect level = inked(shot(view));
  ASSERT_FALSE(level.isEmpty());
  EXPECT_GT(level.width(), level.height());
  EXPECT_NEAR(level.center().x(), 60, 4);
  EXPECT_NEAR(level.center().y(), 60, 6);
  box.setAngle(90);
  const QRect upright = inked(shot(view));
  ASSERT_FALSE(upright.isEmpty());
  EXPECT_GT(upright.height(), upright.width());
  EXPECT_NEAR(upright.center().x(), 60, 6);
  EXPECT_NEAR(upright.center().y(), 60, 4);
}

TEST_F(BoxFixture, LeftPressAndReleaseInsideIsAClick) {
  int clicks = 0;
  box.setHandler([&](ItemModel&) { ++clicks; });
  QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(clicks, 1);
  QTest::mouseClick(view, Qt::RightButton, {}, QPoint(20, 20));
  EXPECT_EQ(clicks, 1);
  // Released outside the box: no click.
  QTest::mousePress(view, Qt::LeftButton, {}, QPoint(20, 20));
  QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(80, 20));
  EXPECT_EQ(clicks, 1);
  // A drawn item never takes the keyboard focus.
  EXPECT_EQ(view->focusPolicy(), Qt::NoFocus);
}

TEST_F(Host, LineRulesInTheButtonColours) {
  TLine line;
  line.setBounds(10, 10, 50, 20);
  auto* view = new LineView(line, &window);
  const QColor shadow = sys(0x80000010), light = sys(0x80000014);
  ASSERT_NE(shadow, light);

  // A new line is a lowered top rule.
  QImage img = shot(view);
  for (int x : {0, 25, 49}) {
    EXPECT_EQ(at(img, x, 0), shadow);
    EXPECT_EQ(at(img, x, 1), light);
    EXPECT_EQ(at(img, x, 2), kWindow);
  }
  line.setStyle(BevelStyle::bsRaised);
  img = shot(view);
  EXPECT_EQ(at(img, 10, 0), light);
  EXPECT_EQ(at(img, 10, 1), shadow);

  line.setStyle(BevelStyle::bsLowered);
  line.setShape(BevelShape::bsRightLine);
  img = shot(view);
  EXPECT_EQ(at(img, 48, 0), shadow);
  EXPECT_EQ(at(img, 49, 19), light);
  EXPECT_EQ(at(img, 47, 10), kWindow);

  // The box outline: the second colour owns the top-right and bottom-left corners.
  line.setShape(BevelShape::bsBox);
  img = shot(view);
  EXPECT_EQ(at(img, 0, 0), shadow);
  EXPECT_EQ(at(img, 0, 18), shadow);
  EXPECT_EQ(at(img, 49, 0), light);
  EXPECT_EQ(at(img, 0, 19), light);
  EXPECT_EQ(at(img, 49, 19), light);
  EXPECT_EQ(at(img, 25, 10), kWindow);

  // A bottom rule one pixel high: its first rule falls outside, the second on row 0.
  line.setShape(BevelShape::bsBottomLine);
  line.setBounds(10, 10, 50, 1);
  img = shot(view);
  EXPECT_EQ(at(img, 25, 0), light);
}

// A 66 by 66 clock at (20, 20) on a green face, showing a time the test sets.
struct ClockFixture : Host {
  TNewWatch clock;
  text::DateTime now{2024, 5, 1, 3, 0, 0, 0};
  ClockView* view = nullptr;
  void SetUp() override {
    Host::SetUp();
    clock.setBounds(20, 20, 66, 66);
    clock.setFaceColour(0x0000FF00);
    clock.setSecArrow(false);
    view = new ClockView(clock, &window, [this] { return now; });
  }
};

TEST_F(ClockFixture, QuarterMarksAreRaisedSquaresOnTheFace) {
  const QImage img = shot(view);
  const QColor face(0, 255, 0), light = sys(0x80000014), shadow = sys(0x80000010);
  ASSERT_NE(light, shadow);
  // Centres 28 pixels from (33, 33); squares 6 by 6 from the centre - 3 to the centre + 3
  // exclusive.
  const QPoint topLeft[] = {{30, 2}, {58, 30}, {30, 58}, {2, 30}};
  for (const QPoint& tl : topLeft) {
    const int l = tl.x(), t = tl.y(), r = l + 5, b = t + 5;
    EXPECT_EQ(at(img, l, t), light) << l << "," << t;
    EXPECT_EQ(at(img, l, t + 3), light);     // left column
    EXPECT_EQ(at(img, l + 3, t), light);     // top row
    EXPECT_EQ(at(img, r, t), shadow);        // top-right belongs to the right column
    EXPECT_EQ(at(img, r, t + 3), shadow);    // right column
    EXPECT_EQ(at(img, l + 3, b), shadow);    // bottom row
    EXPECT_EQ(at(img, l, b), shadow);        // bottom-left corner
    EXPECT_EQ(at(img, l + 2, t + 2), face);  // inside
    EXPECT_EQ(at(img, l - 1, t), face);      // just outside
    EXPECT_EQ(at(img, r + 1, b), face);
  }
  // A small mark, at one o'clock: 4 by 4.
  // Centre (33 + trunc(28 sin 30), 33 - trunc(28 cos 30)) = (47, 9).
  EXPECT_EQ(at(img, 45, 7), light);
  EXPECT_EQ(at(img, 48, 10), shadow);
  EXPECT_EQ(at(img, 46, 8), face);
  // The face fills the whole rectangle: the clock is not see-through.
  EXPECT_EQ(at(img, 0, 0), face);
  EXPECT_EQ(at(img, 65, 65), face);
}

TEST_F(ClockFixture, HandsFollowTheTimeAndTheOffsets) {
  // 03:00: the minute hand up to (33, 10), the hour hand right to (48, 33).
  const QColor face(0, 255, 0), hand(0, 0, 0);
  QImage img = shot(view);
  EXPECT_EQ(at(img, 33, 15), hand);
  EXPECT_EQ(at(img, 44, 33), hand);
  EXPECT_EQ(at(img, 20, 45), face);

  // An hour later by the offset: the hour hand points to four o'clock.
  clock.setDifHour(1);
  img = shot(view);
  EXPECT_EQ(at(img, 46, 33), face);
  EXPECT_EQ(at(img, 42, 38), hand);
  EXPECT_EQ(at(img, 33, 15), hand);
  clock.setDifHour(0);

  // Without the second hand the hands move only when the seconds wrap: at 03:15:30 the
  // picture still shows 03:00, at 03:16:05 it shows the new time.
  now = {2024, 5, 1, 3, 15, 30, 0};
  view->tick();
  img = shot(view);
  EXPECT_EQ(at(img, 33, 15), hand);
  now = {2024, 5, 1, 3, 16, 5, 0};
  view->tick();
  img = shot(view);
  EXPECT_EQ(at(img, 33, 15), face);
  EXPECT_EQ(at(img, 53, 35), hand);  // the minute hand just past three o'clock
}

TEST_F(ClockFixture, TheTimerRunsOnlyWhileTheClockIsEnabled) {
  shot(view);
  EXPECT_TRUE(view->timer().isActive());
  EXPECT_EQ(view->timer().interval(), 1000);

  // With the second hand every tick recomposes the hands, without repainting the face.
  clock.setSecArrow(true);
  shot(view);
  const int before = view->compositions();
  now.second = 1;
  view->tick();
  now.second = 2;
  view->tick();
  EXPECT_EQ(view->compositions(), before + 2);
  // The second hand of 03:00:02 points just right of twelve, to (38, 9).
  const QImage img = shot(view);
  EXPECT_EQ(at(img, 37, 12), QColor(0, 0, 0));
  EXPECT_EQ(at(img, 38, 8), QColor(0, 255, 0));

  int seconds = 0;
  clock.setOnSecond([&] { ++seconds; });
  clock.setEnabled(false);
  EXPECT_FALSE(view->timer().isActive());
  view->tick();
  EXPECT_EQ(seconds, 0);
  EXPECT_EQ(view->compositions(), before + 2);
  clock.setEnabled(true);
  EXPECT_TRUE(view->timer().isActive());
  view->tick();
  EXPECT_EQ(seconds, 1);
}

// The default 153 by 33 gauge at (10, 10) with a blue bar.
struct GaugeFixture : Host {
  TNewProgress gauge;
  GaugeView* view = nullptr;
  void SetUp() override {
    Host::SetUp();
    gauge.setBounds(10, 10, 153, 33);
    gauge.setForeColour(0x00FF0000);
    view = new GaugeView(gauge, &window);
  }
};

TEST_F(GaugeFixture, HalfFullBarWithThePercentageInverted) {
  gauge.setProgress(50);
  const QImage img = shot(view);
  const QColor blue(0, 0, 255), white(255, 255, 255), black(0, 0, 0);
  // The frame is black; the bar covers x = 1 to 75, the background 76 to 151.
  EXPECT_EQ(at(img, 0, 16), black);
  EXPECT_EQ(at(img, 152, 16), black);
  EXPECT_EQ(at(img, 76, 0), black);
  EXPECT_EQ(at(img, 76, 32), black);
  EXPECT_EQ(at(img, 1, 1), blue);
  EXPECT_EQ(at(img, 75, 1), blue);
  EXPECT_EQ(at(img, 76, 1), white);
  EXPECT_EQ(at(img, 151, 31), white);
  // The text is white exclusive-or what lies beneath: yellow over the bar, black over the
  // background, and nothing in between.
  const QColor overBar(255, 255, 0);
  int onBar = 0, onBack = 0;
  for (int y = 1; y < 32; ++y) {
    for (int x = 1; x < 152; ++x) {
      const QColor c = at(img, x, y);
      if (x <= 75) {
        EXPECT_TRUE(c == blue || c == overBar) << x << "," << y;
        onBar += c == overBar;
      } else {
        EXPECT_TRUE(c == white || c == black) << x << "," << y;
        onBack += c == black;
      }
    }
  }
  EXPECT_GT(onBar, 0);
  EXPECT_GT(onBack, 0);

  // Without the text only the bar is left.
  gauge.setShowText(false);
  const QImage plain = shot(view);
  for (int x = 60; x < 92; ++x) {
    EXPECT_EQ(at(plain, x, 16), x <= 75 ? blue : white) << x;
  }
}

TEST_F(GaugeFixture, VerticalBarAndPieAtBothEnds) {
  gauge.setShowText(false);
  gauge.setBounds(10, 10, 101, 101);
  const QColor blue(0, 0, 255), white(255, 255, 255);

  // The vertical bar fills from the bottom.
  gauge.setKind(GaugeKind::gkVerticalBar);
  gauge.setProgress(50);
  QImage img = shot(view);
  EXPECT_EQ(at(img, 50, 95), blue);
  EXPECT_EQ(at(img, 50, 5), white);

  // The pie at 0 %: an empty disc, outlined, in the window's colour around it.
  gauge.setKind(GaugeKind::gkPie);
  gauge.setColour(0x0000FFFF);  // yellow around the disc
  gauge.setProgress(0);
  img = shot(view);
  const QColor around(255, 255, 0);
  EXPECT_EQ(at(img, 50, 50), white);
  EXPECT_EQ(at(img, 50, 20), white);
  EXPECT_EQ(at(img, 3, 3), around);
  EXPECT_EQ(at(img, 97, 97), around);
  EXPECT_EQ(at(img, 50, 1), blue);  // the outline at the top

  // At 25 % the wedge covers the upper right quarter only.
  gauge.setProgress(25);
  img = shot(view);
  EXPECT_EQ(at(img, 70, 30), blue);
  EXPECT_EQ(at(img, 30, 30), white);
  EXPECT_EQ(at(img, 70, 70), white);

  // At 100 % the whole disc is filled.
  gauge.setProgress(100);
  img = shot(view);
  for (QPoint p : {QPoint(50, 50), QPoint(50, 10), QPoint(90, 50), QPoint(50, 90), QPoint(10, 50),
                   QPoint(30, 30), QPoint(30, 70)})
    EXPECT_EQ(at(img, p.x(), p.y()), blue) << p.x() << "," << p.y();
  EXPECT_EQ(at(img, 3, 3), around);
}

TEST_F(Host, PlatformPlacesDrawnItemsBeneathControls) {
  QtPlatform platform;
  WindowModel form("TForm");
  form.setName("창1");
  form.setCaption("그림 항목");
  form.setBounds(0, 0, 330, 190);
  platform.createWindowView(form);
  QWidget* area = platform.clientAreaOf(form);
  auto* control = new QWidget(area);  // a windowed control made before the drawn items
  control->setGeometry(250, 150, 60, 20);

  TBox box;
  box.setParentWindow(&form);
  box.setBounds(16, 16, 65, 65);
  TBox ring;
  ring.setParentWindow(&form);
  ring.setBounds(96, 16, 65, 65);
  ring.setShapeType(ShapeType::msEllipse);
  ring.setColour(0x00C08000);
  TLine line;
  line.setParentWindow(&form);
  line.setBounds(16, 96, 290, 2);
  TNewWatch clock;
  clock.setParentWindow(&form);
  clock.setBounds(176, 16, 66, 66);
  TNewProgress gauge;
  gauge.setParentWindow(&form);
  gauge.setBounds(16, 112, 153, 33);
  gauge.setForeColour(0x00800000);
  gauge.setProgress(50);
  TLine stray;  // no window: nothing to show it on
  for (ItemModel* item :
       std::initializer_list<ItemModel*>{&box, &ring, &line, &clock, &gauge, &stray})
    platform.createItemView(*item);

  EXPECT_TRUE(dynamic_cast<ShapeView*>(platform.itemView(box)));
  EXPECT_TRUE(dynamic_cast<LineView*>(platform.itemView(line)));
  EXPECT_TRUE(dynamic_cast<ClockView*>(platform.itemView(clock)));
  EXPECT_TRUE(dynamic_cast<GaugeView*>(platform.itemView(gauge)));
  EXPECT_EQ(platform.itemView(stray), nullptr);
  EXPECT_EQ(platform.itemView(box)->parentWidget(), area);
  EXPECT_EQ(platform.itemView(box)->geometry(), QRect(16, 16, 65, 65));
  // Drawn items stay beneath the control, in the order they were made.
  const QObjectList order = area->children();
  EXPECT_LT(order.indexOf(platform.itemView(box)), order.indexOf(platform.itemView(clock)));
  EXPECT_LT(order.indexOf(platform.itemView(gauge)), order.indexOf(control));

  platform.showWindow(form);
  QApplication::processEvents();
  const QImage img = area->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(at(img, 16 + 32, 16 + 32), QColor(192, 192, 192));  // the box
  EXPECT_EQ(at(img, 16 + 10, 112 + 16), QColor(0, 0, 128));     // the gauge's bar
  EXPECT_EQ(at(img, 100, 96), sys(0x80000010));                 // the line's first rule
  if (qEnvironmentVariableIsSet("QAV_SHOTS"))
    platform.windowView(form)->grab().save(qEnvironmentVariable("QAV_SHOTS") + "/drawn.png");
  platform.releaseViews();
}

}  // namespace
