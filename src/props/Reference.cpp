#include "props/Reference.h"

#include "base/Cp949.h"

namespace qav {

Reference splitReference(std::string_view ref) {
  Reference r;
  std::size_t colon = ref.rfind(':');
  if (colon == std::string_view::npos) {
    r.name = ref;
  } else {
    r.hasColon = true;
    r.qualifier = ref.substr(0, colon);
    r.name = ref.substr(colon + 1);
  }
  // At most 1000 characters of the name count. UTF-8 is never shorter than the CP949 form,
  // so only names of more than 1000 bytes need measuring.
  if (r.name.size() > 1000) {
    std::size_t cp = text::cp949Size(r.name);
    if (cp > 1000) {
      std::string cut = text::cutCp949(r.name, 1000);
      // The cut form is a prefix of the name unless a double-byte character straddles the
      // cut; keep the prefix of whole characters.
      std::size_t keep = 0;
      while (keep < cut.size() && keep < r.name.size() && cut[keep] == r.name[keep]) ++keep;
      r.name = r.name.substr(0, keep);
    }
  }
  return r;
}

}  // namespace qav
