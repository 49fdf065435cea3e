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

class TNewButton : public RecordControl {
 public:
  TNewButton();
  explicit TNewButton(const Record& record);

  const std::string& caption() const { return caption_; }
  void setCaption(std::string c);
  const Picture& glyph() const { return glyph_; }
  void setGlyph(Picture p);
  // Number of images side by side in the glyph (up, disabled, down, ...).
  int32_t numGlyphs() const { return numGlyphs_; }
  void setNumGlyphs(int32_t n);
  GlyphLayout layout() const { return layout_; }
  void setLayout(GlyphLayout l);
  // Pixels between glyph and caption.
  int32_t spacing() const { return spacing_; }
  void setSpacing(int32_t v);
  // Pixels between the edge and the glyph; -1 centres glyph and caption together.
  int32_t margin() const { return margin_; }
  void setMargin(int32_t v);

  void userClick() { fire(); }

 protected:
  const PropertyTable* propertyTable() const override;

 private:
  std::string caption_;
  Picture glyph_;
  int32_t numGlyphs_ = 1;
  GlyphLayout layout_ = GlyphLayout::Left;
  int32_t spacing_ = 4, margin_ = -1;
};

}  // namespace qav
