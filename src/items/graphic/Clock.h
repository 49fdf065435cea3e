#pragma once
// The analogue clock: a face with twelve raised marks and hour, minute and optional second
// hands, shifted from the computer's time by an hour and minute offset. The view owns the
// one-second timer and calls tick(); the model decides what fires and what is redrawn.
#include <cstdint>
#include <functional>
#include <string>

#include "base/DateTime.h"
#include "items/graphic/ClockGeometry.h"
#include "items/graphic/DrawnItem.h"

namespace qav {

class TClock : public DrawnItem {
 public:
  explicit TClock(std::string className = "TClock");

  uint32_t arrowColour() const { return arrowColour_; }
  uint32_t faceColour() const { return faceColour_; }
  int32_t difHour() const { return difHour_; }
  int32_t difMinute() const { return difMinute_; }
  bool secArrow() const { return secArrow_; }

  void setArrowColour(uint32_t c) { assign(arrowColour_, c, Attr::Paint); }
  void setFaceColour(uint32_t c) { assign(faceColour_, c, Attr::Paint); }
  void setDifHour(int32_t v);    // kept as the remainder of 12, sign of the value
  void setDifMinute(int32_t v);  // kept as the remainder of 60
  void setSecArrow(bool v);

  // The three notifications of the timer.
  void setOnSecond(std::function<void()> f) { onSecond_ = std::move(f); }
  void setOnMinute(std::function<void()> f) { onMinute_ = std::move(f); }
  void setOnHour(std::function<void()> f) { onHour_ = std::move(f); }

  // The time the clock shows for the computer's time `now`.
  graphic::ClockTime displayed(const text::DateTime& now) const;

  // One timer tick: fires the second notification, the minute one when the displayed seconds
  // wrapped and the hour one when the displayed minutes wrapped since the last tick. Tells
  // whether the hands must be redrawn. A disabled clock ignores its timer.
  bool tick(const text::DateTime& now);

  // Called by the view at every full paint: the next tick then never counts a wrapped second.
  void painted() { lastTick_ = text::DateTime(); }

  graphic::ClockFace face() const { return graphic::clockFace(width(), height()); }
  std::vector<graphic::ClockHand> hands(const text::DateTime& now) const;

 private:
  uint32_t arrowColour_ = 0x00000000;
  uint32_t faceColour_ = 0x8000000F;
  int32_t difHour_ = 0, difMinute_ = 0;
  bool secArrow_ = true;
  text::DateTime lastTick_;
  std::function<void()> onSecond_, onMinute_, onHour_;
};

}  // namespace qav
