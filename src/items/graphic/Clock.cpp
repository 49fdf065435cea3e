#include "items/graphic/Clock.h"

namespace qav {

TClock::TClock(std::string className) : DrawnItem(std::move(className)) {
  setBounds(0, 0, 66, 66);
}

void TClock::setDifHour(int32_t v) {
  assign(difHour_, v % 12, Attr::Paint);
}

void TClock::setDifMinute(int32_t v) {
  assign(difMinute_, v % 60, Attr::Paint);
}

void TClock::setSecArrow(bool v) {
  secArrow_ = v;
  lastTick_ = text::DateTime();
  notify(Attr::Paint);
}

graphic::ClockTime TClock::displayed(const text::DateTime& now) const {
  return graphic::displayedTime(now.hour, now.minute, now.second, difHour_, difMinute_);
}

bool TClock::tick(const text::DateTime& now) {
  if (!enabled()) return false;
  const graphic::ClockTime t1 = displayed(now), t0 = displayed(lastTick_);
  if (onSecond_) onSecond_();
  const bool secondsWrapped = t1.second < t0.second;
  if (secondsWrapped && onMinute_) onMinute_();
  if (t1.minute < t0.minute && onHour_) onHour_();
  lastTick_ = now;
  return secArrow_ || secondsWrapped;
}

std::vector<graphic::ClockHand> TClock::hands(const text::DateTime& now) const {
  return graphic::clockHands(face(), displayed(now), secArrow_);
}

}  // namespace qav
