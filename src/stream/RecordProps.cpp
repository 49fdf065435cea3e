#include "stream/RecordProps.h"

#include "base/Text.h"
#include "stream/LoadError.h"

namespace qav {
namespace {

constexpr std::string_view kStrings = ".Strings";

uint32_t readLe32(std::string_view bytes, std::size_t at) {
  uint32_t n = 0;
  for (int i = 3; i >= 0; --i) n = n << 8 | static_cast<unsigned char>(bytes[at + i]);
  return n;
}

// A 4-byte length followed by at least that many bytes; the picture is those bytes.
Picture sizedBitmap(std::string_view bytes, std::size_t at) {
  if (bytes.size() < at || bytes.size() - at < 4) return {};
  uint32_t n = readLe32(bytes, at);
  at += 4;
  if (n == 0 || n > bytes.size() - at) return {};
  return Picture{"TBitmap", std::string(bytes.substr(at, n))};
}

}  // namespace

RecordProps::RecordProps(const Record& record)
    : record_(record), class_(ClassRegistry::instance().find(record.className)) {
  if (!class_) throw LoadError("unknown class " + record.className);
}

bool RecordProps::has(std::string_view streamName) const {
  return record_.find(streamName) != nullptr;
}

const Value* RecordProps::value(std::string_view name) const {
  if (const Value* v = record_.find(name)) return v;
  if (const PropInfo* p = class_->find(name); p && p->ctorValue) return &*p->ctorValue;
  return nullptr;
}

int32_t RecordProps::integer(std::string_view name) const {
  const Value* v = value(name);
  if (!v) return 0;
  if (v->isInteger()) return v->integer;
  if (v->tag == Tag::True) return 1;
  if (v->tag != Tag::Ident) return 0;
  const PropInfo* p = class_->find(name);
  std::optional<int32_t> n;
  switch (p ? p->kind : PropKind::Integer) {
    case PropKind::Colour:
      n = colourConstant(v->text);
      break;
    case PropKind::Cursor:
      n = cursorConstant(v->text);
      break;
    case PropKind::Charset:
      n = charsetConstant(v->text);
      break;
    case PropKind::Enum:
      return ordinal(name);
    default:
      break;
  }
  return n.value_or(0);
}

bool RecordProps::boolean(std::string_view name) const {
  const Value* v = value(name);
  return v && v->tag == Tag::True;
}

std::string RecordProps::text(std::string_view name) const {
  const Value* v = value(name);
  return v && v->isText() ? v->text : std::string();
}

std::vector<std::string> RecordProps::lines(std::string_view name) const {
  std::string streamName(name);
  if (!streamName.ends_with(kStrings)) streamName += kStrings;
  std::vector<std::string> out;
  const Value* v = value(streamName);
  if (!v || v->tag != Tag::List) return out;
  out.reserve(v->list.size());
  for (const auto& line : v->list) out.push_back(line.isText() ? line.text : std::string());
  return out;
}

std::string RecordProps::ident(std::string_view name) const {
  const Value* v = value(name);
  return v && v->tag == Tag::Ident ? v->text : std::string();
}

int32_t RecordProps::ordinal(std::string_view name) const {
  const Value* v = value(name);
  const PropInfo* p = class_->find(name);
  if (!v || !p || v->tag != Tag::Ident) return 0;
  for (std::size_t i = 0; i < p->idents.size(); ++i)
    if (text::equalsIgnoreAsciiCase(p->idents[i], v->text)) return static_cast<int32_t>(i);
  return 0;
}

std::vector<std::string> RecordProps::set(std::string_view name) const {
  const Value* v = value(name);
  return v && v->tag == Tag::Set ? v->set : std::vector<std::string>();
}

double RecordProps::dateTime(std::string_view name) const {
  const Value* v = value(name);
  if (!v) return 0;
  if (v->tag == Tag::Extended) return v->extended;
  if (v->isInteger()) return v->integer;
  return 0;
}

std::string RecordProps::binary(std::string_view name) const {
  const Value* v = value(name);
  return v && v->tag == Tag::Binary ? v->text : std::string();
}

Font RecordProps::font(const Font& base) const {
  Font f = base;
  if (value("Font.Charset")) f.charset = integer("Font.Charset");
  if (value("Font.Color")) f.colour = static_cast<uint32_t>(integer("Font.Color"));
  if (value("Font.Height")) f.height = integer("Font.Height");
  if (const Value* v = value("Font.Name"); v && v->isText()) f.name = v->text;
  if (const Value* v = value("Font.Style"); v && v->tag == Tag::Set) {
    f.bold = f.italic = f.underline = f.strikeOut = false;
    for (const auto& m : v->set) {
      if (text::equalsIgnoreAsciiCase(m, "fsBold")) f.bold = true;
      if (text::equalsIgnoreAsciiCase(m, "fsItalic")) f.italic = true;
      if (text::equalsIgnoreAsciiCase(m, "fsUnderline")) f.underline = true;
      if (text::equalsIgnoreAsciiCase(m, "fsStrikeOut")) f.strikeOut = true;
    }
  }
  return f;
}

Picture RecordProps::picture(std::string_view name) const {
  const Value* v = value(name);
  if (!v || v->tag != Tag::Binary) return {};
  std::string_view bytes = v->text;
  if (name == "Glyph.Data") return sizedBitmap(bytes, 0);
  if (name == "Icon.Data") return bytes.empty() ? Picture{} : Picture{"TIcon", std::string(bytes)};
  // The picture's kind as a short text, then the picture itself.
  if (bytes.empty()) return {};
  std::size_t kindLength = static_cast<unsigned char>(bytes[0]);
  if (kindLength == 0 || kindLength + 1 > bytes.size()) return {};
  std::string kind(bytes.substr(1, kindLength));
  std::size_t at = kindLength + 1;
  if (kind == "TBitmap") return sizedBitmap(bytes, at);
  if (at >= bytes.size()) return {};
  return Picture{std::move(kind), std::string(bytes.substr(at))};
}

}  // namespace qav
