#include "items/graphic/ClockGeometry.h"

#include <algorithm>
#include <cmath>

#include "items/graphic/Rounding.h"

namespace qav::graphic {
namespace {

// The point at distance `length` from the centre in direction theta, clockwise from twelve.
Point onDial(const ClockFace& f, double length, double theta) {
  return {add(f.cx, truncate(length * std::sin(theta))),
          add(f.cy, truncate(-length * std::cos(theta)))};
}

}  // namespace

ClockTime displayedTime(int32_t hour, int32_t minute, int32_t second, int32_t difHour,
                        int32_t difMinute) {
  int64_t t = int64_t{difHour} * 60 + difMinute + int64_t{hour} * 60 + minute;
  if (t < 0) t += 1440;
  return {clamp64(t / 60), clamp64(t % 60), second};
}

ClockFace clockFace(int32_t width, int32_t height) {
  ClockFace f;
  f.cx = width / 2;
  f.cy = height / 2;
  f.r0 = std::min(f.cx, f.cy);
  f.m = std::max(f.r0 / 8, 6);
  f.r = add(f.r0, -(int64_t{f.m} + 2));
  const double R = static_cast<double>(f.r) + f.m / 2;
  for (int i = 0; i < 12; ++i) {
    const int k = i * 5;
    const Point c = onDial(f, R, k * 2 * kPi / 60);
    const int32_t half = k % 15 == 0 ? f.m / 2 : 2;
    Rect& mark = f.marks[static_cast<std::size_t>(i)];
    mark = {add(c.x, -half), add(c.y, -half), add(c.x, half), add(c.y, half)};
    for (const Segment& s : frame3D(mark.left, mark.top, add(mark.right, -1), add(mark.bottom, -1),
                                    kButtonHighlight, kButtonShadow))
      f.markFrames.push_back(s);
  }
  return f;
}

std::vector<ClockHand> clockHands(const ClockFace& face, const ClockTime& time, bool secondHand) {
  std::vector<ClockHand> hands;
  const Point centre{face.cx, face.cy};
  const double r = face.r;
  if (secondHand) hands.push_back({centre, onDial(face, r, time.second * 2 * kPi / 60), 1});
  hands.push_back({centre, onDial(face, 0.95 * r, time.minute * 2 * kPi / 60), 3});
  const double hourAngle = time.minute * 2 * kPi / 60 / 12 + (time.hour % 12) * 2 * kPi / 12;
  hands.push_back({centre, onDial(face, 0.6 * r, hourAngle), 6});
  return hands;
}

}  // namespace qav::graphic
