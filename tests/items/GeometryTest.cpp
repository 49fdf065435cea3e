// Pixel geometry of the drawn items, checked against worked numbers.
#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <utility>

#include "items/graphic/ClockGeometry.h"
#include "items/graphic/GaugeGeometry.h"
#include "items/graphic/LineGeometry.h"
#include "items/graphic/ShapeGeometry.h"

namespace qav::graphic {
namespace {

using Pixels = std::map<std::pair<int, int>, uint32_t>;

// Draws horizontal and vertical strokes the way the canvas does: the end point is left out.
Pixels raster(const std::vector<Segment>& strokes) {
  Pixels px;
  for (const Segment& s : strokes) {
    EXPECT_TRUE(s.from.x == s.to.x || s.from.y == s.to.y) << "diagonal stroke";
    int dx = (s.to.x > s.from.x) - (s.to.x < s.from.x);
    int dy = (s.to.y > s.from.y) - (s.to.y < s.from.y);
    for (Point p = s.from; !(p == s.to); p.x += dx, p.y += dy) px[{p.x, p.y}] = s.colour;
  }
  return px;
}

TEST(ShapeAngles, NormalisedIntoOneTurnAndSnappedForTrianglesAndLines) {
  const ShapeType rect = ShapeType::msRectangle, tri = ShapeType::msTriangle;
  EXPECT_EQ(normaliseAngle(270, rect), -90);
  EXPECT_EQ(normaliseAngle(-270, rect), 90);
  EXPECT_EQ(normaliseAngle(540, rect), 180);
  EXPECT_EQ(normaliseAngle(-180, rect), 180);
  EXPECT_EQ(normaliseAngle(180, rect), 180);
  EXPECT_EQ(normaliseAngle(-179, rect), -179);
  EXPECT_EQ(normaliseAngle(181, rect), -179);
  EXPECT_EQ(normaliseAngle(-181, rect), 179);
  EXPECT_EQ(normaliseAngle(360, rect), 0);
  EXPECT_EQ(normaliseAngle(30, rect), 30);
  EXPECT_EQ(normaliseAngle(INT_MIN, rect), -128);
  EXPECT_EQ(normaliseAngle(30, tri), 45);
  EXPECT_EQ(normaliseAngle(20, tri), 0);
  EXPECT_EQ(normaliseAngle(-23, tri), -45);
  EXPECT_EQ(normaliseAngle(-22, ShapeType::msLine), 0);
  EXPECT_EQ(normaliseAngle(400, ShapeType::msLine), 45);
  // Snapping near the negative half turn stays inside -179..180.
  EXPECT_EQ(normaliseAngle(-170, tri), 180);
  EXPECT_EQ(normaliseAngle(-157, tri), -135);
}

TEST(ShapeGridTest, RepetitionFollowsModeAndSpacing) {
  ShapeGrid g = shapeGrid(RepeatMode::rpBoth, 100, 50, 20, 20, 3, 4);
  EXPECT_EQ(g.columns, 6);
  EXPECT_EQ(g.rows, 3);
  EXPECT_EQ(g.origin(0, 0), (Point{3, 4}));
  EXPECT_EQ(g.origin(2, 1), (Point{43, 24}));
  g = shapeGrid(RepeatMode::rpHoriz, 100, 50, 20, 20, 0, 0);
  EXPECT_EQ(g.columns, 6);
  EXPECT_EQ(g.rows, 1);
  g = shapeGrid(RepeatMode::rpVert, 100, 50, 20, 20, 0, 0);
  EXPECT_EQ(g.columns, 1);
  EXPECT_EQ(g.rows, 3);
  g = shapeGrid(RepeatMode::rpNone, 100, 50, 20, 20, 0, 0);
  EXPECT_EQ(g.count(), 1);
  // Spacings of 0 or less disable repetition instead of dividing by zero.
  g = shapeGrid(RepeatMode::rpBoth, 100, 50, 0, -5, 0, 0);
  EXPECT_EQ(g.count(), 1);
  // A negative size draws nothing; a huge grid is bounded.
  EXPECT_EQ(shapeGrid(RepeatMode::rpHoriz, -100, 50, 20, 20, 0, 0).count(), 0);
  g = shapeGrid(RepeatMode::rpBoth, INT_MAX, INT_MAX, 1, 1, 0, 0);
  EXPECT_LE(g.count(), kMaxFigures);
  EXPECT_GT(g.count(), 0);
}

ShapeStyle styleOf(ShapeType type, int angle = 0, int W = 10, int H = 7) {
  ShapeStyle s;
  s.type = type;
  s.angle = angle;
  s.shapeW = W;
  s.shapeH = H;
  s.colour = 0x00C0C0C0;
  s.borderColour = 0x00FFFFFF;
  s.shadowColour = 0x00808080;
  return s;
}

TEST(ShapeFigures, TrianglePointsForEveryAngle) {
  // W = 10, H = 7 at (3, 4): w = 5, h = 3, W2 = 10, H2 = 6.
  const std::map<int, std::vector<Point>> expected = {
      {0, {{3, 4}, {13, 7}, {3, 10}}},    {45, {{3, 4}, {13, 4}, {13, 10}}},
      {90, {{8, 4}, {13, 10}, {3, 10}}},  {135, {{3, 4}, {13, 4}, {3, 10}}},
      {180, {{3, 7}, {13, 4}, {13, 10}}}, {-45, {{13, 4}, {13, 10}, {3, 10}}},
      {-90, {{3, 4}, {13, 4}, {8, 10}}},  {-135, {{3, 4}, {3, 10}, {13, 10}}},
  };
  for (const auto& [angle, pts] : expected) {
    auto ops = figureOps(styleOf(ShapeType::msTriangle, angle), {3, 4});
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].kind, ShapeOp::Kind::Polygon);
    std::vector<Point> closed = pts;
    closed.push_back(pts.front());
    EXPECT_EQ(ops[0].points, closed) << angle;
  }
  ShapeStyle outline = styleOf(ShapeType::msTriangle, 90);
  outline.filled = false;
  auto ops = figureOps(outline, {3, 4});
  EXPECT_EQ(ops[0].kind, ShapeOp::Kind::Polyline);
  EXPECT_FALSE(ops[0].brush.has_value());
  // An angle left unsnapped by a later change of figure draws the nearest multiple of 45.
  EXPECT_EQ(figureOps(styleOf(ShapeType::msTriangle, 30), {3, 4})[0].points,
            figureOps(styleOf(ShapeType::msTriangle, 45), {3, 4})[0].points);
}

TEST(ShapeFigures, LineSegmentsUseTheAngleFoldedIntoAHalfTurn) {
  auto seg = [](int angle) {
    return figureOps(styleOf(ShapeType::msLine, angle), {3, 4})[0].points;
  };
  EXPECT_EQ(seg(0), (std::vector<Point>{{3, 7}, {13, 7}}));
  EXPECT_EQ(seg(45), (std::vector<Point>{{3, 11}, {13, 4}}));
  EXPECT_EQ(seg(90), (std::vector<Point>{{8, 4}, {8, 11}}));
  EXPECT_EQ(seg(135), (std::vector<Point>{{3, 4}, {13, 11}}));
  EXPECT_EQ(seg(-45), seg(45));
  EXPECT_EQ(seg(-90), seg(90));
  EXPECT_EQ(seg(180), seg(0));
  EXPECT_EQ(seg(-135), seg(135));
}

TEST(ShapeFigures, RectanglesDiamondsAndEllipses) {
  ShapeStyle s = styleOf(ShapeType::msRectangle, 0, 11, 9);
  auto ops = figureOps(s, {2, 1});
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].kind, ShapeOp::Kind::Rectangle);
  EXPECT_EQ(ops[0].rect, (Rect{2, 1, 13, 10}));
  s.filled = false;
  ops = figureOps(s, {2, 1});
  EXPECT_EQ(ops[0].kind, ShapeOp::Kind::Polyline);
  EXPECT_EQ(ops[0].points, (std::vector<Point>{{2, 1}, {13, 1}, {13, 10}, {2, 10}, {2, 1}}));

  s = styleOf(ShapeType::msDiamond, 0, 11, 9);
  ops = figureOps(s, {0, 0});
  EXPECT_EQ(ops[0].kind, ShapeOp::Kind::Polygon);
  EXPECT_EQ(ops[0].points, (std::vector<Point>{{5, 0}, {10, 4}, {5, 8}, {0, 4}, {5, 0}}));

  // A rounded rectangle is filled whatever the filled switch says.
  s = styleOf(ShapeType::msRoundRect, 0, 11, 9);
  s.filled = false;
  ops = figureOps(s, {0, 0});
  EXPECT_EQ(ops[0].kind, ShapeOp::Kind::RoundRect);
  EXPECT_EQ(ops[0].corner, (Point{5, 4}));
  EXPECT_EQ(ops[0].brush, 0x00C0C0C0u);

  // An unfilled ellipse draws its whole outline.
  s = styleOf(ShapeType::msEllipse, 0, 11, 9);
  EXPECT_EQ(figureOps(s, {0, 0})[0].kind, ShapeOp::Kind::Ellipse);
  s.filled = false;
  ops = figureOps(s, {0, 0});
  EXPECT_EQ(ops[0].kind, ShapeOp::Kind::EllipseOutline);
  EXPECT_EQ(ops[0].rect, (Rect{0, 0, 11, 9}));
  EXPECT_FALSE(ops[0].brush.has_value());
}

TEST(ShapeFigures, ShadowPassThenMainPassWithTheirColours) {
  ShapeStyle s = styleOf(ShapeType::msRectangle, 0, 64, 64);
  s.border = true;
  s.borderWidth = 3;
  s.shadow = true;
  s.shadowX = 2;
  s.shadowY = 5;
  auto ops = figureOps(s, {0, 0});
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_EQ(ops[0].rect, (Rect{2, 5, 66, 69}));
  EXPECT_EQ(ops[0].pen, 0x00808080u);
  EXPECT_EQ(ops[0].brush, 0x00808080u);
  EXPECT_EQ(ops[0].penWidth, 3);
  EXPECT_EQ(ops[1].rect, (Rect{0, 0, 64, 64}));
  EXPECT_EQ(ops[1].pen, 0x00FFFFFFu);
  EXPECT_EQ(ops[1].brush, 0x00C0C0C0u);
  EXPECT_EQ(ops[1].penWidth, 3);
  // Without a border the outline takes the fill colour.
  s.border = false;
  EXPECT_EQ(figureOps(s, {0, 0})[1].pen, 0x00C0C0C0u);

  // The rounded rectangle's shadow uses a one-pixel pen.
  s.type = ShapeType::msRoundRect;
  ops = figureOps(s, {0, 0});
  EXPECT_EQ(ops[0].penWidth, 1);
  EXPECT_EQ(ops[1].penWidth, 3);

  // The line figure: shadow colour, then the fill colour even with a border; no brush.
  s.type = ShapeType::msLine;
  s.border = true;
  ops = figureOps(s, {0, 0});
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_EQ(ops[0].pen, 0x00808080u);
  EXPECT_EQ(ops[1].pen, 0x00C0C0C0u);
  EXPECT_FALSE(ops[1].brush.has_value());
  EXPECT_EQ(ops[0].points[0], (Point{2, 37}));
}

TEST(ShapeFigures, TextIsCentredOnTheFigureWhateverTheAngle) {
  EXPECT_EQ(textOffsets(0, 40, 10), (Point{20, -5}));
  EXPECT_EQ(textOffsets(90, 40, 10), (Point{5, 20}));
  EXPECT_EQ(textOffsets(180, 40, 10), (Point{-20, 5}));
  EXPECT_EQ(textOffsets(-90, 40, 10), (Point{-5, -20}));
  EXPECT_EQ(textOffsets(0, -40, -10), textOffsets(0, 40, 10));  // extents taken non-negative

  ShapeStyle s = styleOf(ShapeType::msText, 90, 64, 64);
  s.textWidth = 40;
  s.textHeight = 10;
  s.shadow = true;
  auto ops = figureOps(s, {0, 0});
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_EQ(ops[1].kind, ShapeOp::Kind::Text);
  EXPECT_EQ(ops[1].at, (Point{32 - 5, 32 + 20}));
  EXPECT_EQ(ops[1].escapement, 900);
  EXPECT_EQ(ops[1].pen, 0x00C0C0C0u);
  EXPECT_EQ(ops[0].at, (Point{2 + 27, 2 + 52}));
  EXPECT_EQ(ops[0].pen, 0x00808080u);
}

TEST(LineStrokes, FourRulesAndTheirColours) {
  auto top = bevelStrokes(BevelShape::bsTopLine, BevelStyle::bsLowered, 50, 50);
  Pixels px = raster(top);
  EXPECT_EQ(px.size(), 100u);
  EXPECT_EQ((px[{0, 0}]), kButtonShadow);
  EXPECT_EQ((px[{49, 0}]), kButtonShadow);
  EXPECT_EQ((px[{0, 1}]), kButtonHighlight);
  EXPECT_EQ(px.count({50, 0}), 0u);  // the end point is not drawn

  px = raster(bevelStrokes(BevelShape::bsBottomLine, BevelStyle::bsLowered, 30, 20));
  EXPECT_EQ((px[{5, 18}]), kButtonShadow);
  EXPECT_EQ((px[{5, 19}]), kButtonHighlight);
  px = raster(bevelStrokes(BevelShape::bsLeftLine, BevelStyle::bsLowered, 30, 20));
  EXPECT_EQ((px[{0, 19}]), kButtonShadow);
  EXPECT_EQ((px[{1, 0}]), kButtonHighlight);
  EXPECT_EQ(px.count({0, 20}), 0u);
  px = raster(bevelStrokes(BevelShape::bsRightLine, BevelStyle::bsRaised, 30, 20));
  EXPECT_EQ((px[{28, 7}]), kButtonHighlight);
  EXPECT_EQ((px[{29, 7}]), kButtonShadow);

  // A bottom line one pixel high draws its first rule outside, at row -1.
  auto thin = bevelStrokes(BevelShape::bsBottomLine, BevelStyle::bsLowered, 30, 1);
  EXPECT_EQ(thin[0].from.y, -1);
  EXPECT_EQ(thin[1].from.y, 0);
}

TEST(LineStrokes, BoxAndFrameOutlines) {
  Pixels px = raster(bevelStrokes(BevelShape::bsBox, BevelStyle::bsLowered, 5, 4));
  const uint32_t S = kButtonShadow, L = kButtonHighlight;
  // Rows of the 5 by 4 box; 0 marks a pixel left alone.
  const uint32_t expected[4][5] = {
      {S, S, S, S, L}, {S, 0, 0, 0, L}, {S, 0, 0, 0, L}, {L, L, L, L, L}};
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) {
      auto it = px.find({x, y});
      EXPECT_EQ(it == px.end() ? 0u : it->second, expected[y][x]) << x << "," << y;
    }
  EXPECT_EQ(px.size(), 14u);

  // The frame: an outline in the second colour one pixel in, then one in the first colour.
  px = raster(bevelStrokes(BevelShape::bsFrame, BevelStyle::bsLowered, 6, 5));
  EXPECT_EQ((px[{5, 4}]), L);
  EXPECT_EQ((px[{1, 1}]), L);
  EXPECT_EQ((px[{4, 1}]), S);  // drawn last, over the inner outline
  EXPECT_EQ(px.count({2, 2}), 0u);
}

TEST(ClockFaceGeometry, SmallAndWideClocks) {
  ClockFace f = clockFace(66, 66);
  EXPECT_EQ(f.cx, 33);
  EXPECT_EQ(f.cy, 33);
  EXPECT_EQ(f.m, 6);
  EXPECT_EQ(f.r, 25);
  // Quarter marks: 6 by 6 squares centred 28 pixels from the centre.
  EXPECT_EQ(f.marks[0], (Rect{30, 2, 36, 8}));
  EXPECT_EQ(f.marks[3], (Rect{58, 30, 64, 36}));
  EXPECT_EQ(f.marks[6], (Rect{30, 58, 36, 64}));
  EXPECT_EQ(f.marks[9], (Rect{2, 30, 8, 36}));
  // The other marks are 4 by 4 and lie symmetrically.
  EXPECT_EQ(f.marks[1], (Rect{45, 7, 49, 11}));
  EXPECT_EQ(f.marks[2], (Rect{55, 17, 59, 21}));
  EXPECT_EQ(f.marks[11], (Rect{17, 7, 21, 11}));
  EXPECT_EQ(f.marks[4].top, 66 - f.marks[2].bottom);

  f = clockFace(200, 100);
  EXPECT_EQ(f.cx, 100);
  EXPECT_EQ(f.cy, 50);
  EXPECT_EQ(f.r0, 50);
  EXPECT_EQ(f.m, 6);
  EXPECT_EQ(f.r, 42);

  f = clockFace(400, 401);
  EXPECT_EQ(f.m, 25);
  EXPECT_EQ(f.r, 173);
  EXPECT_EQ(f.marks[0].width(), 24);
}

TEST(ClockFaceGeometry, MarksAreRaisedFrames) {
  ClockFace f = clockFace(66, 66);
  ASSERT_EQ(f.markFrames.size(), 48u);
  Pixels px = raster(std::vector<Segment>(f.markFrames.begin(), f.markFrames.begin() + 4));
  // The twelve o'clock mark, 30..35 by 2..7.
  EXPECT_EQ((px[{30, 2}]), kButtonHighlight);
  EXPECT_EQ((px[{34, 2}]), kButtonHighlight);
  EXPECT_EQ((px[{35, 2}]), kButtonShadow);
  EXPECT_EQ((px[{30, 6}]), kButtonHighlight);
  EXPECT_EQ((px[{30, 7}]), kButtonShadow);  // the shadow owns the bottom-left pixel
  EXPECT_EQ((px[{35, 7}]), kButtonShadow);
  EXPECT_EQ(px.count({33, 4}), 0u);  // the inside keeps the face colour
  EXPECT_EQ(px.count({36, 2}), 0u);
  EXPECT_EQ(px.size(), 20u);
}

TEST(ClockTimeAndHands, OffsetsAndHandPositions) {
  EXPECT_EQ(displayedTime(0, 10, 5, -1, 0), (ClockTime{23, 10, 5}));
  EXPECT_EQ(displayedTime(13, 30, 0, 2, -45), (ClockTime{14, 45, 0}));
  EXPECT_EQ(displayedTime(23, 50, 0, 1, 15), (ClockTime{25, 5, 0}));
  EXPECT_EQ(displayedTime(0, 0, 0, -11, -59), (ClockTime{12, 1, 0}));

  ClockFace f = clockFace(66, 66);
  auto hands = clockHands(f, {3, 0, 0}, true);
  ASSERT_EQ(hands.size(), 3u);
  EXPECT_EQ(hands[0], (ClockHand{{33, 33}, {33, 8}, 1}));
  EXPECT_EQ(hands[1], (ClockHand{{33, 33}, {33, 10}, 3}));
  EXPECT_EQ(hands[2], (ClockHand{{33, 33}, {48, 33}, 6}));
  hands = clockHands(f, {21, 30, 45}, false);
  ASSERT_EQ(hands.size(), 2u);
  EXPECT_EQ(hands[0].to, (Point{33, 56}));  // minute hand straight down
  EXPECT_EQ(hands[0].penWidth, 3);
  // 9:30: the hour hand halfway between nine and ten, left of and above the centre.
  EXPECT_EQ(hands[1].to, (Point{33 - 14, 33 - 3}));
  EXPECT_EQ(hands[1].penWidth, 6);
}

TEST(GaugeGeometryTest, PercentageAndText) {
  EXPECT_EQ(gaugePercent(50, 0, 100), 50);
  EXPECT_EQ(gaugePercent(105, 0, 1000), 10);
  EXPECT_EQ(gaugePercent(7, 7, 7), 0);
  EXPECT_EQ(gaugePercent(-50, -100, 0), 50);
  EXPECT_EQ(gaugePercent(2, 0, 3), 66);
  EXPECT_EQ(gaugePercent(INT_MAX, INT_MIN, INT_MAX), 100);
  EXPECT_EQ(gaugePercent(0, INT_MIN, INT_MAX), 50);
  EXPECT_EQ(gaugeText(42), "42%");
  EXPECT_EQ(gaugeText(0), "0%");
}

TEST(GaugeGeometryTest, BarsInsideTheFrame) {
  const GaugeColours c{0x80000005, 0x00000000, 0x00FFFFFF};
  GaugePaint g = gaugePaint(GaugeKind::gkHorizontalBar, 153, 33, true, c, 50);
  EXPECT_EQ(g.paintRect, (Rect{1, 1, 152, 32}));
  EXPECT_EQ(g.W, 152);
  EXPECT_EQ(g.H, 32);
  ASSERT_EQ(g.ops.size(), 2u);
  EXPECT_EQ(g.ops[0].rect, g.paintRect);
  EXPECT_EQ(g.ops[0].fill, 0x00FFFFFFu);
  EXPECT_EQ(g.ops[1].rect, (Rect{1, 1, 76, 32}));  // x = 1 to 75
  EXPECT_EQ(g.ops[1].fill, 0x00000000u);
  EXPECT_EQ(gaugePaint(GaugeKind::gkHorizontalBar, 153, 33, true, c, 0).ops.size(), 1u);
  EXPECT_EQ(gaugePaint(GaugeKind::gkHorizontalBar, 153, 33, true, c, 100).ops[1].rect,
            (Rect{1, 1, 152, 32}));
  g = gaugePaint(GaugeKind::gkHorizontalBar, 153, 33, false, c, 50);
  EXPECT_EQ(g.paintRect, (Rect{0, 0, 153, 33}));
  EXPECT_EQ(g.ops[1].rect, (Rect{0, 0, 77, 34}));

  g = gaugePaint(GaugeKind::gkVerticalBar, 153, 33, true, c, 50);
  EXPECT_EQ(g.ops[1].rect, (Rect{1, 16, 152, 32}));
  g = gaugePaint(GaugeKind::gkVerticalBar, 153, 33, true, c, 100);
  EXPECT_EQ(g.ops[1].rect, (Rect{1, 1, 152, 32}));

  g = gaugePaint(GaugeKind::gkText, 153, 33, true, c, 70);
  ASSERT_EQ(g.ops.size(), 1u);
  EXPECT_EQ(g.ops[0].fill, 0x00FFFFFFu);
  EXPECT_EQ(gaugeTextOrigin(g, 30, 13), (Point{61, 9}));
  EXPECT_EQ(gaugeTextOrigin(g, 160, 40), (Point{-4, -4}));
}

TEST(GaugeGeometryTest, PieAndNeedle) {
  const GaugeColours c{0x80000005, 0x000000FF, 0x00FFFFFF};
  GaugePaint g = gaugePaint(GaugeKind::gkPie, 100, 100, true, c, 0);
  ASSERT_EQ(g.ops.size(), 2u);  // an empty disc
  EXPECT_EQ(g.ops[0].fill, 0x80000005u);
  EXPECT_EQ(g.ops[1].kind, GaugeOp::Kind::Ellipse);
  EXPECT_EQ(g.ops[1].rect, (Rect{1, 1, 99, 99}));
  EXPECT_EQ(g.ops[1].pen, 0x000000FFu);
  EXPECT_EQ(g.ops[1].fill, 0x00FFFFFFu);

  g = gaugePaint(GaugeKind::gkPie, 100, 100, true, c, 100);
  ASSERT_EQ(g.ops.size(), 3u);  // the whole disc: both radials at twelve o'clock
  EXPECT_EQ(g.ops[2].kind, GaugeOp::Kind::Wedge);
  EXPECT_EQ(g.ops[2].from, (Point{49, 0}));
  EXPECT_EQ(g.ops[2].to, (Point{49, 0}));
  EXPECT_DOUBLE_EQ(g.ops[2].sweep, 360);
  EXPECT_EQ(g.ops[2].fill, 0x000000FFu);
  g = gaugePaint(GaugeKind::gkPie, 100, 100, true, c, 25);
  EXPECT_EQ(g.ops[2].to, (Point{98, 49}));
  g = gaugePaint(GaugeKind::gkPie, 100, 100, true, c, 50);
  EXPECT_EQ(g.ops[2].to, (Point{49, 98}));
  g = gaugePaint(GaugeKind::gkPie, 100, 100, false, c, 50);
  EXPECT_EQ(g.ops[1].rect, (Rect{0, 0, 100, 100}));

  g = gaugePaint(GaugeKind::gkNeedle, 100, 100, true, c, 50);
  ASSERT_EQ(g.ops.size(), 4u);
  EXPECT_EQ(g.ops[1].rect, (Rect{1, 1, 99, 197}));
  EXPECT_EQ(g.ops[2].from, (Point{1, 99}));
  EXPECT_EQ(g.ops[2].to, (Point{100, 99}));
  EXPECT_EQ(g.ops[3].from, (Point{50, 98}));
  EXPECT_EQ(g.ops[3].to, (Point{50, 0}));
  EXPECT_EQ(gaugePaint(GaugeKind::gkNeedle, 100, 100, true, c, 100).ops[3].to, (Point{100, 98}));
  EXPECT_EQ(gaugePaint(GaugeKind::gkNeedle, 100, 100, true, c, 0).ops.size(), 3u);
}

}  // namespace
}  // namespace qav::graphic
