#include "items/graphic/NewProgress.h"

#include <cstdio>

#include "items/CommonRows.h"
#include "lang/Texts.h"

namespace qav {
namespace {

// The toolkit's range error, with its two bounds.
ItemError rangeError(int64_t low, int64_t high) {
  char text[64];
  std::snprintf(text, sizeof text, "Value must be between %lld and %lld",
                static_cast<long long>(low), static_cast<long long>(high));
  return ItemError(text);
}

}  // namespace

TGauge::TGauge(std::string className) : DrawnItem(std::move(className)) {
  setColour(0x80000005);
  setParentColour(true);
  setBounds(0, 0, 100, 100);
}

void TGauge::setMinValue(int32_t v) {
  if (!loading_ && v > maxValue_) throw rangeError(-2147483647, int64_t{maxValue_} - 1);
  if (v == minValue_) return;
  minValue_ = v;
  if (progress_ < v) progress_ = v;
  notify(Attr::Paint);
}

void TGauge::setMaxValue(int32_t v) {
  if (!loading_ && v < minValue_) throw rangeError(int64_t{minValue_} + 1, 2147483647);
  if (v == maxValue_) return;
  maxValue_ = v;
  if (progress_ > v) progress_ = v;
  notify(Attr::Paint);
}

void TGauge::setProgress(int32_t v) {
  // Lower bound first: a range left inverted by a damaged record still gives a value.
  if (v < minValue_)
    v = minValue_;
  else if (v > maxValue_)
    v = maxValue_;
  if (v == progress_) return;
  const int32_t before = percent();
  progress_ = v;
  if (percent() != before) notify(Attr::Paint);
}

graphic::GaugePaint TGauge::paint() const {
  return graphic::gaugePaint(kind_, width(), height(), border_,
                             {colour(), foreColour_, backColour_}, percent());
}

TNewProgress::TNewProgress() : TGauge("TNewProgress") {
  setBounds(0, 0, 153, 33);
  setKind(GaugeKind::gkHorizontalBar);
}

const PropertyTable* TNewProgress::propertyTable() const {
  using T = TNewProgress;
  static const PropTable<T> table{
      rows::designPlaced<T>(),
      rows::colour<T>(prop::kColour, &T::backColour, &T::setBackColour),
      rows::colour<T>(prop::kBarColour, &T::foreColour, &T::setForeColour),
      rows::choice<T, GaugeKind>(prop::kStyle,
                                 // the text and needle kinds have no word
                                 {{words::kHorizontalBar, GaugeKind::gkHorizontalBar},
                                  {words::kVerticalBar, GaugeKind::gkVerticalBar},
                                  {words::kCircle, GaugeKind::gkPie}},
                                 &T::kind, &T::setKind),
      rows::truth<T>(prop::kShowText, &T::showText, &T::setShowText),
      rows::number<T>(prop::kMinValue, &T::minValue, &T::setMinValue),
      rows::number<T>(prop::kMaxValue, &T::maxValue, &T::setMaxValue),
      rows::number<T>(prop::kProgress, &T::progress, &T::setProgress),
      rows::parents<T>(),
      rows::hint<T>(),
  };
  return &table;
}

}  // namespace qav
