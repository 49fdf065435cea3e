#pragma once
// Geometry of the gauge: the percentage, the paint rectangle inside the frame, and the fills,
// ellipses and wedges of each kind, so that a painter only draws them.
#include <cstdint>
#include <string>
#include <vector>

#include "items/graphic/Geometry.h"

namespace qav::graphic {

enum class GaugeKind { gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };

// 0 for an empty range, else how far progress lies from min to max, in whole percent.
int32_t gaugePercent(int32_t progress, int32_t minValue, int32_t maxValue);
// The percentage as the gauge writes it ("42%").
std::string gaugeText(int32_t percent);

struct GaugeOp {
  enum class Kind {
    Fill,     // rect filled with `fill`
    Ellipse,  // ellipse in rect, one-pixel outline in `pen`, inside `fill`
    Wedge,    // pie of the ellipse in rect between the radials through `from` and `to`,
              // sweeping `sweep` degrees clockwise from `from` (negative: counter-clockwise);
              // outline `pen`, inside `fill`
    Line,     // one-pixel stroke from `from` to `to` in `pen` (end point not drawn)
  };
  Kind kind = Kind::Fill;
  Rect rect;
  Point from, to;
  double sweep = 0;
  uint32_t pen = 0, fill = 0;
  bool operator==(const GaugeOp&) const = default;
};

struct GaugeColours {
  uint32_t colour = 0x80000005;  // around the pie and the needle's half-disc
  uint32_t fore = 0x00000000;    // filled part and outlines
  uint32_t back = 0x00FFFFFF;    // unfilled part
};

struct GaugePaint {
  // Inside the one-pixel frame when there is a border; what lies outside stays black.
  Rect paintRect;
  int32_t W = 0, H = 0;  // paintRect.right - left + 1 and bottom - top + 1
  std::vector<GaugeOp> ops;
};
GaugePaint gaugePaint(GaugeKind kind, int32_t width, int32_t height, bool border,
                      const GaugeColours& colours, int32_t percent);

// Where the percentage text of the given extent starts (absolute coordinates); the painter
// clips it to the paint rectangle and combines it by exclusive-or in white.
Point gaugeTextOrigin(const GaugePaint& paint, int32_t textWidth, int32_t textHeight);

}  // namespace qav::graphic
