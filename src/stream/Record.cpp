#include "stream/Record.h"

#include "base/Cp949.h"

namespace qav {

namespace {

Value tagged(Tag tag, std::string text = {}) {
  Value v;
  v.tag = tag;
  v.text = std::move(text);
  return v;
}

}  // namespace

Value Value::makeInteger(int32_t n) {
  Value v = tagged((n >= -128 && n <= 127)       ? Tag::Int8
                   : (n >= -32768 && n <= 32767) ? Tag::Int16
                                                 : Tag::Int32);
  v.integer = n;
  return v;
}

Value Value::makeText(std::string utf8) {
  const Tag tag = text::cp949Size(utf8) <= 255 ? Tag::String : Tag::LString;
  return tagged(tag, std::move(utf8));
}

Value Value::makeBool(bool b) {
  return tagged(b ? Tag::True : Tag::False);
}

Value Value::makeIdent(std::string ident) {
  return tagged(Tag::Ident, std::move(ident));
}

Value Value::makeLines(const std::vector<std::string>& lines) {
  Value v = tagged(Tag::List);
  v.list.reserve(lines.size());
  for (const auto& l : lines) v.list.push_back(makeText(l));
  return v;
}

Value Value::makeBinary(std::string bytes) {
  return tagged(Tag::Binary, std::move(bytes));
}

Value Value::makeExtended(double d) {
  Value v = tagged(Tag::Extended);
  v.extended = d;
  return v;
}

const Value* Record::find(std::string_view propertyName) const {
  const Value* found = nullptr;
  for (const auto& p : properties)
    if (p.name == propertyName) found = &p.value;
  return found;
}

void Record::set(std::string propertyName, Value v) {
  for (auto& p : properties)
    if (p.name == propertyName) {
      p.value = std::move(v);
      return;
    }
  properties.push_back(Property{std::move(propertyName), std::move(v)});
}

}  // namespace qav
