#pragma once
// A picture held by an image item or a button glyph: the kind and the bytes of a complete
// image file (a BMP for "TBitmap", an ICO for "TIcon", the metafile bytes for "TMetafile").
// Decoding is the view's business; the core only carries the bytes.
#include <string>

namespace qav {

struct Picture {
  std::string kind;  // "TBitmap", "TIcon", "TMetafile"; empty for no picture
  std::string bytes;
  bool empty() const { return bytes.empty(); }
  bool operator==(const Picture&) const = default;
};

}  // namespace qav
