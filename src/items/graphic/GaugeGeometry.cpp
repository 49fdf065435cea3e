#include "items/graphic/GaugeGeometry.h"

#include <cmath>

#include "items/graphic/Rounding.h"

namespace qav::graphic {

int32_t gaugePercent(int32_t progress, int32_t minValue, int32_t maxValue) {
  if (maxValue == minValue) return 0;
  return clamp64((int64_t{progress} - minValue) * 100 / (int64_t{maxValue} - minValue));
}

std::string gaugeText(int32_t percent) {
  return std::to_string(percent) + "%";
}

GaugePaint gaugePaint(GaugeKind kind, int32_t width, int32_t height, bool border,
                      const GaugeColours& colours, int32_t percent) {
  GaugePaint g;
  const int32_t inset = border ? 1 : 0;
  const Rect pr{inset, inset, add(width, -inset), add(height, -inset)};
  g.paintRect = pr;
  g.W = add(pr.right, 1 - int64_t{pr.left});
  g.H = add(pr.bottom, 1 - int64_t{pr.top});
  const int64_t p = percent;
  // The ellipse of the pie and the needle runs to (W', H'), one further with a border.
  const int32_t Wp = add(pr.right, inset - int64_t{pr.left});
  const int32_t Hp = add(pr.bottom, inset - int64_t{pr.top});
  switch (kind) {
    case GaugeKind::gkText:
      g.ops.push_back({GaugeOp::Kind::Fill, pr, {}, {}, 0, 0, colours.back});
      break;
    case GaugeKind::gkHorizontalBar: {
      g.ops.push_back({GaugeOp::Kind::Fill, pr, {}, {}, 0, 0, colours.back});
      int32_t f = clamp64(int64_t{g.W} * p / 100);
      if (f > g.W) f = g.W;
      if (f >= 1)
        g.ops.push_back(
            {GaugeOp::Kind::Fill, {pr.left, pr.top, f, g.H}, {}, {}, 0, 0, colours.fore});
      break;
    }
    case GaugeKind::gkVerticalBar: {
      g.ops.push_back({GaugeOp::Kind::Fill, pr, {}, {}, 0, 0, colours.back});
      int32_t f = clamp64(int64_t{g.H} * p / 100);
      if (f >= g.H) f = add(g.H, -1);
      if (f >= 1)
        g.ops.push_back({GaugeOp::Kind::Fill,
                         {pr.left, add(g.H, -int64_t{f}), g.W, g.H},
                         {},
                         {},
                         0,
                         0,
                         colours.fore});
      break;
    }
    case GaugeKind::gkPie: {
      g.ops.push_back({GaugeOp::Kind::Fill, pr, {}, {}, 0, 0, colours.colour});
      const Rect ellipse{pr.left, pr.top, Wp, Hp};
      g.ops.push_back({GaugeOp::Kind::Ellipse, ellipse, {}, {}, 0, colours.fore, colours.back});
      if (p > 0) {
        const int32_t mx = Wp / 2, my = Hp / 2;
        const double a = (static_cast<double>(p) * 0.02 + 0.5) * kPi;
        const Point end{roundEven((1 - std::cos(a)) * mx), roundEven((1 - std::sin(a)) * my)};
        g.ops.push_back({GaugeOp::Kind::Wedge,
                         ellipse,
                         {mx, 0},
                         end,
                         static_cast<double>(p) * 3.6,
                         colours.fore,
                         colours.fore});
      }
      break;
    }
    case GaugeKind::gkNeedle: {
      g.ops.push_back({GaugeOp::Kind::Fill, pr, {}, {}, 0, 0, colours.colour});
      const Rect ellipse{pr.left, pr.top, Wp, add(2 * int64_t{Hp}, -1)};
      const int32_t B1 = add(pr.bottom, -1);
      // The upper half of the ellipse: from the right radial over the top to the left one.
      g.ops.push_back({GaugeOp::Kind::Wedge,
                       ellipse,
                       {add(pr.left, Wp), B1},
                       {pr.left, B1},
                       -180,
                       colours.fore,
                       colours.back});
      g.ops.push_back({GaugeOp::Kind::Line,
                       {},
                       {pr.left, pr.bottom},
                       {add(pr.left, Wp), pr.bottom},
                       0,
                       colours.fore,
                       0});
      if (p > 0) {
        const int32_t mx = width / 2;
        const double a = static_cast<double>(p) * 0.01 * kPi;
        const Point tip{roundEven((1 - std::cos(a)) * mx), roundEven((1 - std::sin(a)) * B1)};
        g.ops.push_back({GaugeOp::Kind::Line, {}, {mx, B1}, tip, 0, colours.fore, 0});
      }
      break;
    }
  }
  return g;
}

Point gaugeTextOrigin(const GaugePaint& paint, int32_t textWidth, int32_t textHeight) {
  return {clamp64((int64_t{paint.W} - textWidth) / 2),
          clamp64((int64_t{paint.H} - textHeight) / 2)};
}

}  // namespace qav::graphic
