#include "stream/RecordJson.h"

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>

#include "base/Cp949.h"
#include "stream/StreamFormat.h"

namespace qav {
namespace {

using Json = nlohmann::ordered_json;

// A record nests at most kMaxNesting levels; each level takes at most four JSON levels (a
// collection, its array, an item, its properties), and the document a few more.
constexpr std::size_t kMaxJsonDepth = 4 * kMaxNesting + 8;

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char kHex[] = "0123456789ABCDEF";

std::string toBase64(std::string_view bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    uint32_t n = static_cast<uint8_t>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) n |= static_cast<uint8_t>(bytes[i + 1]) << 8;
    if (i + 2 < bytes.size()) n |= static_cast<uint8_t>(bytes[i + 2]);
    out += kBase64[n >> 18 & 63];
    out += kBase64[n >> 12 & 63];
    out += i + 1 < bytes.size() ? kBase64[n >> 6 & 63] : '=';
    out += i + 2 < bytes.size() ? kBase64[n & 63] : '=';
  }
  return out;
}

int base64Digit(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

// Strict base64 with padding; nothing when the text is not that.
std::optional<std::string> fromBase64(std::string_view s) {
  if (s.size() % 4 != 0) return std::nullopt;
  std::string out;
  out.reserve(s.size() / 4 * 3);
  for (std::size_t i = 0; i < s.size(); i += 4) {
    bool last = i + 4 == s.size();
    int pad = last ? (s[i + 3] == '=') + (s[i + 2] == '=') : 0;
    if (pad == 1 && s[i + 2] == '=') return std::nullopt;  // "x=y=" is not padding
    uint32_t n = 0;
    for (int k = 0; k < 4; ++k) {
      int d = k >= 4 - pad ? 0 : base64Digit(s[i + k]);
      if (d < 0) return std::nullopt;
      n = n << 6 | static_cast<uint32_t>(d);
    }
    out += static_cast<char>(n >> 16 & 0xFF);
    if (pad < 2) out += static_cast<char>(n >> 8 & 0xFF);
    if (pad < 1) out += static_cast<char>(n & 0xFF);
  }
  return out;
}

std::string toHex(const std::array<uint8_t, 10>& raw) {
  std::string out;
  for (uint8_t b : raw) {
    out += kHex[b >> 4];
    out += kHex[b & 15];
  }
  return out;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Appends a member even when the name is already there: records may repeat a property.
void appendMember(Json& object, const std::string& key, Json value) {
  object.get_ref<Json::object_t&>().push_back({key, std::move(value)});
}

// ---- records to JSON ----

const char* integerTagName(Tag tag) {
  return tag == Tag::Int8 ? "int8" : tag == Tag::Int16 ? "int16" : "int32";
}

Json integerToJson(const Value& v) {
  if (Value::makeInteger(v.integer).tag == v.tag) return v.integer;
  Json j = Json::object();
  j[integerTagName(v.tag)] = v.integer;
  return j;
}

Json propertiesToJson(const std::vector<Property>& props);

Json valueToJson(const Value& v) {
  switch (v.tag) {
    case Tag::Int8:
    case Tag::Int16:
    case Tag::Int32:
      return integerToJson(v);
    case Tag::String:
      return v.text;
    case Tag::LString:
      if (text::cp949Size(v.text) > 255) return v.text;
      return Json{{"long", v.text}};
    case Tag::True:
      return true;
    case Tag::False:
      return false;
    case Tag::Ident:
      return Json{{"ident", v.text}};
    case Tag::List: {
      Json a = Json::array();
      for (const Value& e : v.list) a.push_back(valueToJson(e));
      return a;
    }
    case Tag::Set: {
      Json a = Json::array();
      for (const std::string& m : v.set) a.push_back(m);
      return Json{{"set", std::move(a)}};
    }
    case Tag::Binary:
      return Json{{"binary", toBase64(v.text)}};
    case Tag::Extended: {
      Json j = Json::object();
      bool finite = std::isfinite(v.extended);
      j["extended"] = finite ? Json(v.extended) : Json(nullptr);
      // The raw bytes only when the number alone would not give them back.
      if (v.raw && (!finite || doubleToExtended(v.extended) != *v.raw)) j["raw"] = toHex(*v.raw);
      return j;
    }
    case Tag::Nil:
      return Json{{"nil", true}};
    case Tag::Collection: {
      Json a = Json::array();
      for (const CollectionItem& item : v.items) {
        Json j = Json::object();
        if (item.index) j["index"] = integerToJson(*item.index);
        j["properties"] = propertiesToJson(item.properties);
        a.push_back(std::move(j));
      }
      return Json{{"collection", std::move(a)}};
    }
    case Tag::Null:
      break;
  }
  // Reached only for a value built by hand with a tag the stream does not have.
  throw RecordJsonError("value with tag " + std::to_string(static_cast<int>(v.tag)) +
                        " has no JSON form");
}

Json propertiesToJson(const std::vector<Property>& props) {
  Json j = Json::object();
  for (const Property& p : props) appendMember(j, p.name, valueToJson(p.value));
  return j;
}

// ---- JSON to records ----

// The start of a value as JSON, for messages: a few dozen bytes, however large the value.
std::string shortDump(const Json& j) {
  constexpr std::size_t kShown = 60;
  std::string text = j.dump(-1, ' ', false, Json::error_handler_t::replace);
  if (text.size() <= kShown) return text;
  std::size_t cut = kShown;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  text.resize(cut);
  return text + "...";
}

// Builds values from JSON, keeping the record and property being read for messages.
class Builder {
 public:
  Record record(const Json& j, std::size_t level) {
    if (!j.is_object()) fail("is not a JSON object");
    Record r;
    for (const auto& [key, member] : j.items()) {
      if (key == "class") {
        r.className = text(member, "\"class\"");
      } else if (key == "name") {
        r.name = text(member, "\"name\"");
        path_.back() += " (\"" + r.name + "\")";
      } else if (key == "flags") {
        if (!member.is_number_integer() || member.get<int64_t>() < 0 || member.get<int64_t>() > 15)
          fail("\"flags\" must be an integer from 0 to 15");
        r.flags = static_cast<uint8_t>(member.get<int64_t>());
      } else if (key == "position") {
        property_ = "position";
        r.position = integer(member);
        property_.clear();
      } else if (key == "properties") {
        r.properties = properties(member, level);
      } else if (key == "children") {
        if (!member.is_array()) fail("\"children\" must be an array of records");
        if (level + 1 > kMaxNesting)
          fail("nesting deeper than " + std::to_string(kMaxNesting) + " levels");
        std::size_t n = 0;
        for (const Json& child : member) {
          path_.push_back("child " + std::to_string(++n));
          r.children.push_back(record(child, level + 1));
          path_.pop_back();
        }
      } else {
        fail("unknown member \"" + key + "\"");
      }
    }
    if (!j.contains("class")) fail("has no \"class\"");
    if (!j.contains("name")) fail("has no \"name\"");
    return r;
  }

  std::vector<Record> document(const Json& doc) {
    if (!doc.is_object() || !doc.contains("records") || !doc["records"].is_array())
      throw RecordJsonError("the document must be an object with a \"records\" array");
    for (const auto& [key, member] : doc.items())
      if (key != "records") throw RecordJsonError("unknown member \"" + key + "\" in the document");
    std::vector<Record> out;
    std::size_t n = 0;
    for (const Json& j : doc["records"]) {
      path_ = {"record " + std::to_string(++n)};
      out.push_back(record(j, 0));
    }
    return out;
  }

  Record single(const Json& j) {
    path_ = {"record"};
    return record(j, 0);
  }

 private:
  [[noreturn]] void fail(const std::string& problem) const {
    std::string where;
    for (const std::string& p : path_) where += (where.empty() ? "" : ", ") + p;
    if (!property_.empty()) where += ", property \"" + property_ + "\"";
    throw RecordJsonError(where + ": " + problem);
  }

  std::string text(const Json& j, const std::string& what) const {
    if (!j.is_string()) fail(what + " must be a string");
    return j.get<std::string>();
  }

  std::vector<Property> properties(const Json& j, std::size_t level) {
    if (!j.is_object()) fail("\"properties\" must be an object");
    std::vector<Property> out;
    std::string outer = property_;
    for (const auto& [key, member] : j.items()) {
      property_ = outer.empty() ? key : outer + "/" + key;
      out.push_back(Property{key, value(member, level)});
    }
    property_ = outer;
    return out;
  }

  int32_t int32(const Json& j) const {
    if (!j.is_number_integer()) fail("an integer was expected, found " + shortDump(j));
    if (j.is_number_unsigned() ? j.get<uint64_t>() > INT32_MAX
                               : (j.get<int64_t>() < INT32_MIN || j.get<int64_t>() > INT32_MAX))
      fail(shortDump(j) + " does not fit a 32-bit integer");
    return static_cast<int32_t>(j.get<int64_t>());
  }

  // A plain integer, or {"int8"|"int16"|"int32": n}.
  Value integer(const Json& j) const {
    if (j.is_number_integer()) return Value::makeInteger(int32(j));
    if (j.is_object() && j.size() == 1) {
      const std::string& key = j.begin().key();
      const Json& n = j.begin().value();
      if (key == "int8" || key == "int16" || key == "int32") {
        Tag tag = key == "int8" ? Tag::Int8 : key == "int16" ? Tag::Int16 : Tag::Int32;
        Value v;
        v.tag = tag;
        v.integer = int32(n);
        int32_t lo = tag == Tag::Int8 ? -128 : tag == Tag::Int16 ? -32768 : INT32_MIN;
        int32_t hi = tag == Tag::Int8 ? 127 : tag == Tag::Int16 ? 32767 : INT32_MAX;
        if (v.integer < lo || v.integer > hi)
          fail(std::to_string(v.integer) + " does not fit \"" + key + "\"");
        return v;
      }
    }
    fail("an integer was expected, found " + shortDump(j));
  }

  Value value(const Json& j, std::size_t level) {
    if (j.is_number_integer()) return integer(j);
    if (j.is_number_float())
      fail("a number with a fraction must be written {\"extended\": " + shortDump(j) + "}");
    if (j.is_string()) return Value::makeText(j.get<std::string>());
    if (j.is_boolean()) return Value::makeBool(j.get<bool>());
    if (j.is_null()) fail("null is not a value");
    if (j.is_array()) {
      if (level + 1 > kMaxNesting)
        fail("nesting deeper than " + std::to_string(kMaxNesting) + " levels");
      Value v;
      v.tag = Tag::List;
      for (const Json& e : j) v.list.push_back(value(e, level + 1));
      return v;
    }
    // An object naming the kind of value.
    if (j.contains("extended")) return extended(j);
    if (j.size() != 1) fail("unknown value form " + shortDump(j));
    const std::string& key = j.begin().key();
    const Json& inner = j.begin().value();
    if (key == "int8" || key == "int16" || key == "int32") return integer(j);
    if (key == "long") {
      Value v;
      v.tag = Tag::LString;
      v.text = text(inner, "\"long\"");
      return v;
    }
    if (key == "ident") return Value::makeIdent(text(inner, "\"ident\""));
    if (key == "set") {
      if (!inner.is_array()) fail("\"set\" must be an array of strings");
      Value v;
      v.tag = Tag::Set;
      for (const Json& m : inner) v.set.push_back(text(m, "a set member"));
      return v;
    }
    if (key == "binary") {
      auto bytes = fromBase64(text(inner, "\"binary\""));
      if (!bytes) fail("\"binary\" is not valid base64");
      return Value::makeBinary(std::move(*bytes));
    }
    if (key == "nil") {
      if (inner != true) fail("\"nil\" must be true");
      Value v;
      v.tag = Tag::Nil;
      return v;
    }
    if (key == "collection") return collection(inner, level);
    fail("unknown value form " + shortDump(j));
  }

  Value extended(const Json& j) const {
    Value v;
    v.tag = Tag::Extended;
    for (const auto& [key, member] : j.items())
      if (key != "extended" && key != "raw") fail("unknown member \"" + key + "\" of an extended");
    const Json& number = *j.find("extended");
    auto rawIt = j.find("raw");
    if (rawIt != j.end()) {
      std::string hex = text(*rawIt, "\"raw\"");
      if (hex.size() != 20) fail("\"raw\" must have 20 hex digits");
      std::array<uint8_t, 10> raw;
      for (std::size_t i = 0; i < 10; ++i) {
        int hi = hexDigit(hex[2 * i]), lo = hexDigit(hex[2 * i + 1]);
        if (hi < 0 || lo < 0) fail("\"raw\" must have 20 hex digits");
        raw[i] = static_cast<uint8_t>(hi << 4 | lo);
      }
      // The bytes decide; the number is there for reading (null when not finite).
      if (!number.is_null() && !number.is_number()) fail("\"extended\" must be a number");
      v.raw = raw;
      v.extended = extendedToDouble(raw);
    } else {
      if (!number.is_number()) fail("\"extended\" must be a number");
      v.extended = number.get<double>();
    }
    return v;
  }

  Value collection(const Json& j, std::size_t level) {
    if (!j.is_array()) fail("\"collection\" must be an array of items");
    if (level + 1 > kMaxNesting)
      fail("nesting deeper than " + std::to_string(kMaxNesting) + " levels");
    Value v;
    v.tag = Tag::Collection;
    for (const Json& itemJson : j) {
      if (!itemJson.is_object()) fail("a collection item must be an object");
      CollectionItem item;
      for (const auto& [key, member] : itemJson.items()) {
        if (key == "index") {
          item.index = integer(member);
        } else if (key == "properties") {
          item.properties = properties(member, level + 1);
        } else {
          fail("unknown member \"" + key + "\" of a collection item");
        }
      }
      v.items.push_back(std::move(item));
    }
    return v;
  }

  std::vector<std::string> path_;
  std::string property_;
};

// Builds a JSON document from parser events, appending repeated member names instead of
// overwriting them. Containers are built in place; a child is complete before its parent
// grows again, so the pointers on the stack stay valid.
class KeepAllSax {
 public:
  Json root;

  bool null() { return add(Json(nullptr)) != nullptr; }
  bool boolean(bool b) { return add(Json(b)) != nullptr; }
  bool number_integer(Json::number_integer_t n) { return add(Json(n)) != nullptr; }
  bool number_unsigned(Json::number_unsigned_t n) { return add(Json(n)) != nullptr; }
  bool number_float(Json::number_float_t d, const std::string&) { return add(Json(d)) != nullptr; }
  bool string(std::string& s) { return add(Json(std::move(s))) != nullptr; }
  bool binary(Json::binary_t& b) { return add(Json::binary(std::move(b))) != nullptr; }
  bool start_object(std::size_t) { return open(Json::object()); }
  bool start_array(std::size_t) { return open(Json::array()); }
  bool key(std::string& k) {
    key_ = std::move(k);
    return true;
  }
  bool end_object() { return close(); }
  bool end_array() { return close(); }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) {
    throw RecordJsonError(std::string("invalid JSON: ") + e.what());
  }

 private:
  Json* add(Json v) {
    if (stack_.empty()) {
      root = std::move(v);
      return &root;
    }
    Json& top = *stack_.back();
    if (top.is_array()) {
      top.push_back(std::move(v));
      return &top.back();
    }
    auto& members = top.get_ref<Json::object_t&>();
    members.push_back({key_, std::move(v)});
    return &members.back().second;
  }
  bool open(Json container) {
    // Deeper than any record can be: refused while parsing, before anything recurses over it.
    if (stack_.size() >= kMaxJsonDepth)
      throw RecordJsonError("JSON nesting deeper than " + std::to_string(kMaxJsonDepth) +
                            " levels");
    stack_.push_back(add(std::move(container)));
    return true;
  }
  bool close() {
    stack_.pop_back();
    return true;
  }

  std::vector<Json*> stack_;
  std::string key_;
};

}  // namespace

Json recordToJson(const Record& r) {
  Json j = Json::object();
  j["class"] = r.className;
  j["name"] = r.name;
  if (r.flags) j["flags"] = *r.flags;
  if (r.position) j["position"] = integerToJson(*r.position);
  j["properties"] = propertiesToJson(r.properties);
  if (!r.children.empty()) {
    Json a = Json::array();
    for (const Record& c : r.children) a.push_back(recordToJson(c));
    j["children"] = std::move(a);
  }
  return j;
}

Json recordsToJson(const std::vector<Record>& records) {
  Json a = Json::array();
  for (const Record& r : records) a.push_back(recordToJson(r));
  Json doc = Json::object();
  doc["records"] = std::move(a);
  return doc;
}

Record recordFromJson(const Json& json) {
  return Builder().single(json);
}

std::vector<Record> recordsFromJson(const Json& document) {
  return Builder().document(document);
}

std::string recordsToJsonText(const std::vector<Record>& records) {
  return recordsToJson(records).dump(2) + "\n";
}

Json jsonFromText(std::string_view text) {
  KeepAllSax sax;
  Json::sax_parse(text, &sax);
  return std::move(sax.root);
}

std::vector<Record> recordsFromJsonText(std::string_view text) {
  return recordsFromJson(jsonFromText(text));
}

}  // namespace qav
