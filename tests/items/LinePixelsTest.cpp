// The pixels of one-pixel strokes: where a stroke starts and stops, and that a stroke reaching
// far outside the painted area costs no more than the area.
#include <gtest/gtest.h>

#include <climits>

#include "items/graphic/LinePixels.h"

namespace qav::graphic {
namespace {

const Rect kWide{-1000, -1000, 1000, 1000};

TEST(LinePixels, StrokesStopOneShortOfTheirEndInEveryDirection) {
  EXPECT_EQ(linePixels({0, 0}, {4, 0}, kWide),
            (std::vector<Point>{{0, 0}, {1, 0}, {2, 0}, {3, 0}}));
  EXPECT_EQ(linePixels({2, 5}, {2, 2}, kWide), (std::vector<Point>{{2, 5}, {2, 4}, {2, 3}}));
  EXPECT_EQ(linePixels({3, 3}, {0, 0}, kWide), (std::vector<Point>{{3, 3}, {2, 2}, {1, 1}}));
  EXPECT_EQ(linePixels({0, 3}, {3, 0}, kWide), (std::vector<Point>{{0, 3}, {1, 2}, {2, 1}}));
  // A stroke of no length draws nothing; a one-pixel stroke draws its start only.
  EXPECT_TRUE(linePixels({7, 7}, {7, 7}, kWide).empty());
  EXPECT_EQ(linePixels({7, 7}, {8, 7}, kWide), (std::vector<Point>{{7, 7}}));
}

TEST(LinePixels, SlopesTakeTheNearestPixelAndHalvesStayOnTheStartSide) {
  // Two across, one down: the middle step lies half-way and stays on the start's row.
  EXPECT_EQ(linePixels({0, 0}, {4, 2}, kWide),
            (std::vector<Point>{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
  EXPECT_EQ(linePixels({4, 2}, {0, 0}, kWide),
            (std::vector<Point>{{4, 2}, {3, 2}, {2, 1}, {1, 1}}));
  // Steep strokes step along the vertical axis.
  EXPECT_EQ(linePixels({0, 0}, {1, 3}, kWide), (std::vector<Point>{{0, 0}, {0, 1}, {1, 2}}));
  // Every step of a shallow stroke draws exactly one pixel.
  const auto px = linePixels({0, 0}, {100, 37}, kWide);
  ASSERT_EQ(px.size(), 100u);
  for (std::size_t i = 0; i < px.size(); ++i) {
    EXPECT_EQ(px[i].x, static_cast<int>(i));
    EXPECT_NEAR(px[i].y, i * 37.0 / 100, 0.5);
  }
}

TEST(LinePixels, OnlyTheClipIsWalkedHoweverLongTheStroke) {
  const Rect clip{0, 0, 10, 10};
  const auto across = linePixels({INT_MIN, 5}, {INT_MAX, 5}, clip);
  ASSERT_EQ(across.size(), 10u);
  EXPECT_EQ(across.front(), (Point{0, 5}));
  EXPECT_EQ(across.back(), (Point{9, 5}));
  // A diagonal from far away still lands on the pixels of the exact line.
  const auto diagonal = linePixels({-2000000000, -2000000000}, {2000000000, 2000000000}, clip);
  ASSERT_EQ(diagonal.size(), 10u);
  for (const Point& p : diagonal) EXPECT_EQ(p.x, p.y);
  // Strokes that miss the clip, or an empty clip, give nothing.
  EXPECT_TRUE(linePixels({-50, 20}, {50, 20}, clip).empty());
  EXPECT_TRUE(linePixels({0, 0}, {5, 0}, Rect{3, 3, 3, 9}).empty());
  // The end point is left out even when the clip would include it.
  EXPECT_EQ(linePixels({9, 0}, {9, 9}, clip).back(), (Point{9, 8}));
}

}  // namespace
}  // namespace qav::graphic
