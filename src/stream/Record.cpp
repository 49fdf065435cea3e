#include "stream/Record.h"

#include "base/Cp949.h"

namespace qav {

Value Value::makeInteger(int32_t n) {
  Value v;
  v.tag = (n >= -128 && n <= 127)       ? Tag::Int8
          : (n >= -32768 && n <= 32767) ? Tag::Int16
                                        : Tag::Int32;
  v.integer = n;
  return v;
}

Value Value::makeText(std::string utf8) {
  Value v;
  v.tag = text::cp949Size(utf8) <= 255 ? Tag::String : Tag::LString;
  v.text = std::move(utf8);
  return v;
}

Value Value::makeBool(bool b) {
  Value v;
  v.tag = b ? Tag::True : Tag::False;
  return v;
}

Value Value::makeIdent(std::string ident) {
  Value v;
  v.tag = Tag::Ident;
  v.text = std::move(ident);
  return v;
}

Value Value::makeLines(const std::vector<std::string>& lines) {
  Value v;
  v.tag = Tag::List;
  v.list.reserve(lines.size());
  for (const auto& l : lines) v.list.push_back(makeText(l));
  return v;
}

Value Value::makeBinary(std::string bytes) {
  Value v;
  v.tag = Tag::Binary;
  v.text = std::move(bytes);
  return v;
}

Value Value::makeExtended(double d) {
  Value v;
  v.tag = Tag::Extended;
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
