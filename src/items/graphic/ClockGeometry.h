#pragma once
// Geometry of the analogue clock: the displayed time with its offsets, the face (centre, hand
// radius, the twelve raised marks) and the hands in drawing order.
#include <array>
#include <cstdint>
#include <vector>

#include "items/graphic/Geometry.h"

namespace qav::graphic {

// The time the clock shows. The hour may reach 24 or more; only its remainder of 12 is drawn.
struct ClockTime {
  int32_t hour = 0, minute = 0, second = 0;
  bool operator==(const ClockTime&) const = default;
};
ClockTime displayedTime(int32_t hour, int32_t minute, int32_t second, int32_t difHour,
                        int32_t difMinute);

struct ClockFace {
  int32_t cx = 0, cy = 0;  // centre
  int32_t r0 = 0;          // the smaller of cx and cy
  int32_t m = 6;           // size of the quarter marks
  int32_t r = 0;           // hand radius
  // The twelve mark squares from twelve o'clock clockwise (right and bottom exclusive).
  std::array<Rect, 12> marks{};
  // Their raised frames: highlight on the left column and top row, shadow on the right column
  // and bottom row, in drawing order.
  std::vector<Segment> markFrames;
};
ClockFace clockFace(int32_t width, int32_t height);

struct ClockHand {
  Point from, to;
  int32_t penWidth = 1;
  bool operator==(const ClockHand&) const = default;
};
// The hands in drawing order: the second hand (when shown), the minute hand, the hour hand.
std::vector<ClockHand> clockHands(const ClockFace& face, const ClockTime& time, bool secondHand);

}  // namespace qav::graphic
