#pragma once
// The bitmap button: a push button with a caption and an optional picture (glyph).
// A click runs its Ivent2 script.
#include <cstdint>
#include <string>

#include "base/Picture.h"
#include "items/controls/ControlModel.h"

namespace qav {

// Place of the glyph relative to the caption.
enum class GlyphLayout { Left, Right, Top, Bottom };

class TNewButton : public CaptionControl {
 public:
  TNewButton() : CaptionControl("TNewButton", {2}, 2) {}
  explicit TNewButton(const Record& record);

  const Picture& glyph() const { return glyph_; }
  void setGlyph(Picture p) { assign(glyph_, std::move(p), Attr::Picture); }
  // Number of images side by side in the glyph (up, disabled, down, ...).
  int32_t numGlyphs() const { return numGlyphs_; }
  void setNumGlyphs(int32_t n) { assign(numGlyphs_, n, Attr::Picture); }
  GlyphLayout layout() const { return layout_; }
  void setLayout(GlyphLayout l) { assign(layout_, l, Attr::Style); }
  // Pixels between glyph and caption.
  int32_t spacing() const { return spacing_; }
  void setSpacing(int32_t v) { assign(spacing_, v, Attr::Style); }
  // Pixels between the edge and the glyph; -1 centres glyph and caption together.
  int32_t margin() const { return margin_; }
  void setMargin(int32_t v) { assign(margin_, v, Attr::Style); }

  void userClick() { fire(); }

 protected:
  const PropertyTable* propertyTable() const override;

 private:
  Picture glyph_;
  int32_t numGlyphs_ = 1;
  GlyphLayout layout_ = GlyphLayout::Left;
  int32_t spacing_ = 4, margin_ = -1;
};

}  // namespace qav
