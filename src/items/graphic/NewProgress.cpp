#include "items/graphic/NewProgress.h"

#include <array>
#include <cstdio>

#include "lang/Words.h"

namespace qav {
namespace {

// The toolkit's range error, with its two bounds.
ItemError rangeError(int64_t low, int64_t high) {
  char text[64];
  std::snprintf(text, sizeof text, "Value must be between %lld and %lld",
                static_cast<long long>(low), static_cast<long long>(high));
  return ItemError(text);
}

struct KindWord {
  std::string_view word;
  GaugeKind kind;
};
// The kinds scripts can name; the text and needle kinds have no word.
constexpr std::array<KindWord, 3> kKindWords = {{
    {words::kHorizontalBar, GaugeKind::gkHorizontalBar},
    {words::kVerticalBar, GaugeKind::gkVerticalBar},
    {words::kCircle, GaugeKind::gkPie},
}};

}  // namespace

TGauge::TGauge(std::string className) : DrawnItem(std::move(className)) {
  setColour(0x80000005);
  setParentColour(true);
  setBounds(0, 0, 100, 100);
}

void TGauge::setKind(GaugeKind k) {
  if (k == kind_) return;
  kind_ = k;
  notify(Attr::Paint);
}

void TGauge::setShowText(bool v) {
  if (v == showText_) return;
  showText_ = v;
  notify(Attr::Paint);
}

void TGauge::setBorder(bool v) {
  if (v == border_) return;
  border_ = v;
  notify(Attr::Paint);
}

void TGauge::setForeColour(uint32_t c) {
  if (c == foreColour_) return;
  foreColour_ = c;
  notify(Attr::Paint);
}

void TGauge::setBackColour(uint32_t c) {
  if (c == backColour_) return;
  backColour_ = c;
  notify(Attr::Paint);
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

const std::vector<DrawnItem::Row<TNewProgress>>& TNewProgress::rows() {
  using G = TNewProgress;
  static const std::vector<Row<G>> table = {
      accessRow<G>(),
      existsRow<G>(),
      leftRow<G>(),
      topRow<G>(),
      widthRow<G>(),
      heightRow<G>(),
      cursorRow<G>(),
      {prop::kColour, [](G& g, std::string_view v) { g.setBackColour(WordToColour(v)); },
       [](const G& g, std::string& r) { ColourToWord(g.backColour(), r); }},
      {prop::kBarColour, [](G& g, std::string_view v) { g.setForeColour(WordToColour(v)); },
       [](const G& g, std::string& r) { ColourToWord(g.foreColour(), r); }},
      {prop::kStyle,
       [](G& g, std::string_view v) {
         for (const KindWord& w : kKindWords)
           if (w.word == v) g.setKind(w.kind);
       },
       [](const G& g, std::string& r) {
         for (const KindWord& w : kKindWords)
           if (w.kind == g.kind()) r = w.word;
       }},
      {prop::kShowText, [](G& g, std::string_view v) { g.setShowText(WordToTruth(v)); },
       [](const G& g, std::string& r) { r = TruthToWord(g.showText()); }},
      {prop::kMinValue, [](G& g, std::string_view v) { g.setMinValue(TextToNumber(v)); },
       [](const G& g, std::string& r) { r = text::decimal(g.minValue()); }},
      {prop::kMaxValue, [](G& g, std::string_view v) { g.setMaxValue(TextToNumber(v)); },
       [](const G& g, std::string& r) { r = text::decimal(g.maxValue()); }},
      {prop::kProgress, [](G& g, std::string_view v) { g.setProgress(TextToNumber(v)); },
       [](const G& g, std::string& r) { r = text::decimal(g.progress()); }},
      {prop::kParentColour, [](G& g, std::string_view v) { g.setParentColour(WordToTruth(v)); },
       [](const G& g, std::string& r) { r = TruthToWord(g.parentColour()); }},
      {prop::kParentFont, [](G& g, std::string_view v) { g.setParentFont(WordToTruth(v)); },
       [](const G& g, std::string& r) { r = TruthToWord(g.parentFont()); }},
      hintRow<G>(),
  };
  return table;
}

void TNewProgress::SetItemProperty(std::string_view name, std::string_view value) {
  setByRows<TNewProgress>(rows(), *this, name, value);
}

void TNewProgress::GetItemProperty(std::string_view name, std::string& result) const {
  getByRows<TNewProgress>(rows(), *this, name, result);
}

}  // namespace qav
