#pragma once
// The gauge: how far a value lies between a minimum and a maximum, as a bar, a pie or a
// needle, with the percentage over it; and the gauge item placed on windows with its Korean
// property table.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "items/graphic/DrawnItem.h"
#include "items/graphic/GaugeGeometry.h"

namespace qav {

using graphic::GaugeKind;

class TGauge : public DrawnItem {
 public:
  explicit TGauge(std::string className = "TGauge");

  GaugeKind kind() const { return kind_; }
  bool showText() const { return showText_; }
  bool border() const { return border_; }  // one-pixel black frame (single border style)
  uint32_t foreColour() const { return foreColour_; }
  uint32_t backColour() const { return backColour_; }
  int32_t minValue() const { return minValue_; }
  int32_t maxValue() const { return maxValue_; }
  int32_t progress() const { return progress_; }
  int32_t percent() const { return graphic::gaugePercent(progress_, minValue_, maxValue_); }

  // Each setter repaints only when the stored value changes.
  void setKind(GaugeKind k) { change(kind_, k, Attr::Paint); }
  void setShowText(bool v) { change(showText_, v, Attr::Paint); }
  void setBorder(bool v) { change(border_, v, Attr::Paint); }
  void setForeColour(uint32_t c) { change(foreColour_, c, Attr::Paint); }
  void setBackColour(uint32_t c) { change(backColour_, c, Attr::Paint); }
  // Throw ItemError for an inverted range, except while the gauge is being loaded.
  void setMinValue(int32_t v);
  void setMaxValue(int32_t v);
  // Clamped into the range; repaints only when the percentage changes.
  void setProgress(int32_t v);

  // While loading, the range check is skipped (the record may carry the minimum first).
  void setLoading(bool v) { loading_ = v; }

  graphic::GaugePaint paint() const;

 private:
  GaugeKind kind_ = GaugeKind::gkHorizontalBar;
  bool showText_ = true, border_ = true;
  uint32_t foreColour_ = 0x00000000, backColour_ = 0x00FFFFFF;
  int32_t minValue_ = 0, maxValue_ = 100, progress_ = 0;
  bool loading_ = false;
};

struct Record;

class TNewProgress : public TGauge {
 public:
  TNewProgress();
  static std::unique_ptr<TNewProgress> fromRecord(const Record& record);

  void applyDesignFlags() override {
    setEnabled(enabledCheck());
    setVisible(visibleCheck());
  }

 protected:
  const PropertyTable* propertyTable() const override;
};

}  // namespace qav
