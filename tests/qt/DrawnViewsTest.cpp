// The drawn items on screen: pixels of the worked examples, what shows through where an item
// draws nothing, clicks, and the clock's own timer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <string>

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
const QColor kBlack(0, 0, 0), kWhite(255, 255, 255), kSilver(192, 192, 192);
const QColor kBlue(0, 0, 255), kGreen(0, 255, 0);

// A system colour as it lands in a picture of 8 bits a channel.
QColor sys(uint32_t code) {
  return QColor(toQColor(code, QApplication::palette()).rgb());
}

QColor at(const QImage& img, int x, int y) {
  return QColor(img.pixel(x, y));
}

struct Px {
  int x, y;
  QColor colour;
};
void expectPixels(const QImage& img, std::initializer_list<Px> pixels, const std::string& what) {
  for (const Px& p : pixels)
    EXPECT_EQ(at(img, p.x, p.y), p.colour) << what << " at " << p.x << "," << p.y;
}

// A window of known colour to place views on, and the picture of a view on it.
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
  QImage shot(QWidget* view) {
    QApplication::processEvents();
    return window.grab(view->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
  }
};

// The default box, 65 by 65.
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
  const QColor grey(128, 128, 128), red(255, 0, 0);
  const QImage img = shot(view);
  // White outline along the inside of the 64 by 64 figure, silver inside over the shadow.
  expectPixels(img,
               {{0, 0, kWhite},
                {63, 0, kWhite},
                {0, 63, kWhite},
                {63, 63, kWhite},
                {1, 1, kSilver},
                {32, 32, kSilver},
                {64, 0, kWindow},
                {0, 64, kWindow}},
               "figure");
  for (int i = 1; i <= 64; ++i) expectPixels(img, {{64, i, grey}, {i, 64, grey}}, "shadow");

  box.setBorders(3);
  box.setColour(0x000000FF);
  expectPixels(shot(view), {{32, 32, red}, {1, 32, kWhite}, {3, 32, red}}, "3-pixel outline");
  // Without an outline colour the outline is drawn in the fill colour.
  box.setBorders(0);
  expectPixels(shot(view), {{0, 0, red}}, "no outline");
}

TEST_F(BoxFixture, OutlinesAndRoundedRectangles) {
  box.setShadows(0);
  box.setBorderColour(0x00000000);
  ASSERT_EQ(box.width(), 64);

  box.setShapeType(ShapeType::msEllipse);
  box.setFilled(false);
  expectPixels(shot(view),
               {{31, 0, kBlack},
                {0, 31, kBlack},
                {63, 32, kBlack},
                {32, 63, kBlack},
                {32, 32, kWindow},
                {0, 0, kWindow}},
               "unfilled ellipse");
  box.setFilled(true);
  expectPixels(shot(view), {{32, 32, kSilver}, {0, 0, kWindow}}, "filled ellipse");

  box.setShapeType(ShapeType::msRoundRect);
  box.setFilled(false);
  expectPixels(shot(view), {{32, 32, kSilver}, {32, 0, kBlack}, {0, 0, kWindow}},
               "rounded rectangle, always filled");

  // The unfilled rectangle's outline runs through x + W and y + H, one further than the filled
  // one: here just outside the item.
  box.setShapeType(ShapeType::msRectangle);
  expectPixels(
      shot(view),
      {{0, 0, kBlack}, {63, 0, kBlack}, {0, 63, kBlack}, {63, 63, kWindow}, {32, 32, kWindow}},
      "unfilled rectangle");
  box.setShapeType(ShapeType::msDiamond);
  expectPixels(
      shot(view),
      {{32, 0, kBlack}, {0, 32, kBlack}, {16, 16, kBlack}, {32, 32, kWindow}, {2, 2, kWindow}},
      "unfilled diamond");
}

TEST_F(BoxFixture, TrianglesPointTheWayOfTheirAngle) {
  box.setShadows(0);
  box.setShapeType(ShapeType::msTriangle);
  struct Case {
    int angle;
    QPoint inside, outside;
  };
  const Case cases[] = {
      {0, {10, 32}, {60, 5}},    {45, {50, 10}, {10, 50}},   {90, {32, 50}, {5, 5}},
      {135, {10, 10}, {55, 55}}, {180, {55, 32}, {5, 5}},    {-45, {55, 55}, {10, 10}},
      {-90, {32, 10}, {5, 60}},  {-135, {10, 55}, {55, 10}},
  };
  for (const Case& c : cases) {
    box.setAngle(c.angle);
    ASSERT_EQ(box.angle(), c.angle);
    expectPixels(shot(view),
                 {{c.inside.x(), c.inside.y(), kSilver}, {c.outside.x(), c.outside.y(), kWindow}},
                 "triangle " + std::to_string(c.angle));
  }
  box.setAngle(135);
  box.setFilled(false);
  expectPixels(shot(view), {{10, 10, kWindow}, {0, 0, kWhite}, {0, 40, kWhite}},
               "unfilled triangle");
}

TEST_F(BoxFixture, RepeatedFiguresLineFiguresAndText) {
  box.setShadows(0);
  box.setRepeatMode(RepeatMode::rpBoth);
  box.setBounds(10, 10, 70, 70);
  box.setShapeW(10);
  box.setShapeH(10);
  expectPixels(shot(view), {{5, 5, kSilver}, {65, 45, kSilver}, {15, 5, kWindow}, {5, 15, kWindow}},
               "grid of figures every 20 pixels");

  // Line figures take the fill colour, never the border colour, and leave out their end.
  box.setRepeatMode(RepeatMode::rpNone);
  box.setBounds(10, 10, 40, 40);
  box.setShapeType(ShapeType::msLine);
  box.setBorderColour(0x00FF0000);
  box.setAngle(0);
  expectPixels(shot(view), {{0, 20, kSilver}, {39, 20, kSilver}, {20, 19, kWindow}}, "level line");
  box.setAngle(135);
  expectPixels(shot(view), {{0, 0, kSilver}, {39, 39, kSilver}, {39, 0, kWindow}}, "diagonal");

  // The text figure is centred on the figure and turns with the angle.
  box.setBounds(10, 10, 120, 120);
  box.setShapeType(ShapeType::msText);
  box.setColour(0x00000000);
  box.setText("WWWWWW");
  auto inked = [&] {
    const QImage img = shot(view);
    QRect r;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if (at(img, x, y) == kBlack) r |= QRect(x, y, 1, 1);
    return r;
  };
  box.setAngle(0);
  const QRect level = inked();
  EXPECT_GT(level.width(), level.height());
  EXPECT_NEAR(level.center().x(), 60, 4);
  EXPECT_NEAR(level.center().y(), 60, 6);
  box.setAngle(90);
  const QRect upright = inked();
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
  QTest::mousePress(view, Qt::LeftButton, {}, QPoint(20, 20));
  QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(80, 20));  // released outside
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(view->focusPolicy(), Qt::NoFocus);
}

TEST_F(Host, LineRulesInTheButtonColours) {
  TLine line;
  line.setBounds(10, 10, 50, 20);
  auto* view = new LineView(line, &window);
  const QColor dark = sys(0x80000010), light = sys(0x80000014);
  ASSERT_NE(dark, light);

  expectPixels(shot(view),
               {{0, 0, dark}, {49, 0, dark}, {0, 1, light}, {49, 1, light}, {25, 2, kWindow}},
               "new line: lowered top rule");
  line.setStyle(BevelStyle::bsRaised);
  expectPixels(shot(view), {{10, 0, light}, {10, 1, dark}}, "raised top rule");
  line.setStyle(BevelStyle::bsLowered);
  line.setShape(BevelShape::bsRightLine);
  expectPixels(shot(view), {{48, 0, dark}, {49, 19, light}, {47, 10, kWindow}}, "right rule");
  // The box outline: the second colour owns the top-right and bottom-left corners.
  line.setShape(BevelShape::bsBox);
  expectPixels(shot(view),
               {{0, 0, dark},
                {0, 18, dark},
                {49, 0, light},
                {0, 19, light},
                {49, 19, light},
                {25, 10, kWindow}},
               "box outline");
  // A bottom rule one pixel high: its first rule falls outside, the second on row 0.
  line.setShape(BevelShape::bsBottomLine);
  line.setBounds(10, 10, 50, 1);
  expectPixels(shot(view), {{25, 0, light}}, "flat bottom rule");
}

// A 66 by 66 clock on a green face, without its second hand, showing a time the test sets.
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
  const QColor light = sys(0x80000014), dark = sys(0x80000010);
  ASSERT_NE(light, dark);
  // 6 by 6 squares centred 28 pixels from (33, 33).
  for (const QPoint& tl : {QPoint(30, 2), QPoint(58, 30), QPoint(30, 58), QPoint(2, 30)}) {
    const int l = tl.x(), t = tl.y(), r = l + 5, b = t + 5;
    expectPixels(img,
                 {{l, t, light},
                  {l, t + 3, light},
                  {l + 3, t, light},
                  {r, t, dark},
                  {r, t + 3, dark},
                  {l + 3, b, dark},
                  {l, b, dark},
                  {l + 2, t + 2, kGreen},
                  {l - 1, b, kGreen},
                  {r + 1, b, kGreen}},
                 "quarter mark");
  }
  // The one o'clock mark is 4 by 4 around (47, 9); the face fills the whole item.
  expectPixels(img,
               {{45, 7, light}, {48, 10, dark}, {46, 8, kGreen}, {0, 0, kGreen}, {65, 65, kGreen}},
               "small mark and face");
}

TEST_F(ClockFixture, HandsFollowTheTimeAndTheOffsets) {
  // 03:00: the minute hand up to (33, 10), the hour hand right to (48, 33).
  expectPixels(shot(view), {{33, 15, kBlack}, {44, 33, kBlack}, {20, 45, kGreen}}, "03:00");
  clock.setDifHour(1);
  expectPixels(shot(view), {{46, 33, kGreen}, {42, 38, kBlack}, {33, 15, kBlack}}, "04:00");
  clock.setDifHour(0);

  // Without the second hand the hands move only when the seconds wrap: at 03:15:30 the
  // picture still shows 03:00, at 03:16:05 it shows the new time.
  now = {2024, 5, 1, 3, 15, 30, 0};
  view->tick();
  expectPixels(shot(view), {{33, 15, kBlack}}, "03:15:30");
  now = {2024, 5, 1, 3, 16, 5, 0};
  view->tick();
  expectPixels(shot(view), {{33, 15, kGreen}, {53, 35, kBlack}}, "03:16:05");
}

TEST_F(ClockFixture, TheTimerRunsOnlyWhileTheClockIsEnabled) {
  shot(view);
  EXPECT_TRUE(view->timer().isActive());
  EXPECT_EQ(view->timer().interval(), 1000);

  // With the second hand every tick recomposes the hands.
  clock.setSecArrow(true);
  shot(view);
  const int before = view->compositions();
  now.second = 1;
  view->tick();
  now.second = 2;
  view->tick();
  EXPECT_EQ(view->compositions(), before + 2);
  // The second hand of 03:00:02 ends at (38, 9), its end point left out.
  expectPixels(shot(view), {{37, 12, kBlack}, {38, 10, kBlack}, {38, 9, kGreen}}, "second hand");

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

// The default 153 by 33 gauge with a blue bar.
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
  // Black frame; the bar covers x = 1 to 75, the background 76 to 151.
  expectPixels(img,
               {{0, 16, kBlack},
                {152, 16, kBlack},
                {76, 0, kBlack},
                {76, 32, kBlack},
                {1, 1, kBlue},
                {75, 1, kBlue},
                {76, 1, kWhite},
                {151, 31, kWhite}},
               "frame and bar");
  // The text is white exclusive-or what lies beneath: yellow over the bar, black over the
  // background, and nothing in between.
  const QColor overBar(255, 255, 0);
  int onBar = 0, onBack = 0;
  for (int y = 1; y < 32; ++y) {
    for (int x = 1; x < 152; ++x) {
      const QColor c = at(img, x, y);
      if (x <= 75) {
        EXPECT_TRUE(c == kBlue || c == overBar) << x << "," << y;
        onBar += c == overBar;
      } else {
        EXPECT_TRUE(c == kWhite || c == kBlack) << x << "," << y;
        onBack += c == kBlack;
      }
    }
  }
  EXPECT_GT(onBar, 0);
  EXPECT_GT(onBack, 0);
  gauge.setShowText(false);
  expectPixels(shot(view), {{60, 16, kBlue}, {75, 16, kBlue}, {76, 16, kWhite}}, "no text");
}

TEST_F(GaugeFixture, VerticalBarAndPieAtBothEnds) {
  gauge.setShowText(false);
  gauge.setBounds(10, 10, 101, 101);
  gauge.setKind(GaugeKind::gkVerticalBar);
  gauge.setProgress(50);
  expectPixels(shot(view), {{50, 95, kBlue}, {50, 5, kWhite}}, "vertical bar from the bottom");

  const QColor around(255, 255, 0);
  gauge.setKind(GaugeKind::gkPie);
  gauge.setColour(0x0000FFFF);
  gauge.setProgress(0);
  expectPixels(
      shot(view),
      {{50, 50, kWhite}, {50, 20, kWhite}, {3, 3, around}, {97, 97, around}, {50, 1, kBlue}},
      "empty disc at 0 %");
  gauge.setProgress(25);
  expectPixels(shot(view), {{70, 30, kBlue}, {30, 30, kWhite}, {70, 70, kWhite}},
               "upper right quarter at 25 %");
  gauge.setProgress(100);
  expectPixels(shot(view),
               {{50, 50, kBlue},
                {50, 10, kBlue},
                {90, 50, kBlue},
                {50, 90, kBlue},
                {10, 50, kBlue},
                {30, 30, kBlue},
                {30, 70, kBlue},
                {3, 3, around}},
               "whole disc at 100 %");
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

  TBox box, ring;
  TLine line, stray;  // the stray line has no window to be shown on
  TNewWatch clock;
  TNewProgress gauge;
  box.setBounds(16, 16, 65, 65);
  ring.setBounds(96, 16, 65, 65);
  ring.setShapeType(ShapeType::msEllipse);
  ring.setColour(0x00C08000);
  line.setBounds(16, 96, 290, 2);
  clock.setBounds(176, 16, 66, 66);
  gauge.setBounds(16, 112, 153, 33);
  gauge.setForeColour(0x00800000);
  gauge.setProgress(50);
  ItemModel* placed[] = {&box, &ring, &line, &clock, &gauge};
  for (ItemModel* item : placed) item->setParentWindow(&form);
  for (ItemModel* item : placed) platform.createItemView(*item);
  platform.createItemView(stray);

  EXPECT_TRUE(dynamic_cast<ShapeView*>(platform.itemView(box)));
  EXPECT_TRUE(dynamic_cast<LineView*>(platform.itemView(line)));
  EXPECT_TRUE(dynamic_cast<ClockView*>(platform.itemView(clock)));
  EXPECT_TRUE(dynamic_cast<GaugeView*>(platform.itemView(gauge)));
  EXPECT_EQ(platform.itemView(stray), nullptr);
  EXPECT_EQ(platform.itemView(box)->parentWidget(), area);
  // Drawn items stay beneath the control, in the order they were made.
  const QObjectList order = area->children();
  EXPECT_LT(order.indexOf(platform.itemView(box)), order.indexOf(platform.itemView(clock)));
  EXPECT_LT(order.indexOf(platform.itemView(gauge)), order.indexOf(control));

  platform.showWindow(form);
  QApplication::processEvents();
  const QImage img = area->grab().toImage().convertToFormat(QImage::Format_RGB32);
  expectPixels(img, {{48, 48, kSilver}, {26, 128, QColor(0, 0, 128)}, {100, 96, sys(0x80000010)}},
               "box, gauge and line on the window");
  if (qEnvironmentVariableIsSet("QAV_SHOTS"))
    platform.windowView(form)->grab().save(qEnvironmentVariable("QAV_SHOTS") + "/drawn.png");
  platform.releaseViews();
}

}  // namespace
