#include "stream/RecordWriter.h"

#include <stdexcept>

#include "base/Cp949.h"
#include "stream/StreamFormat.h"

namespace qav {
namespace {

// Writes one record; refuses (std::invalid_argument) anything the layout cannot carry or the
// reader would not read back the same, so a written stream is always readable.
class Emitter {
 public:
  Emitter(std::string& out, std::string label) : out_(out), label_(std::move(label)) {}

  void record(const Record& r) {
    out_.append("TPF0");
    object(r, 0);
  }

 private:
  [[noreturn]] void fail(const std::string& problem) const {
    std::string where = label_;
    if (!path_.empty()) where += ", child \"" + path_ + "\"";
    if (!property_.empty()) where += ", property \"" + property_ + "\"";
    throw std::invalid_argument("cannot write " + where + ": " + problem);
  }

  void checkLevel(std::size_t level) const {
    if (level > kMaxNesting) fail("nesting deeper than " + std::to_string(kMaxNesting) + " levels");
  }

  void byte(uint8_t b) { out_ += static_cast<char>(b); }

  void u32(uint32_t v) {
    for (int i = 0; i < 4; ++i) byte(static_cast<uint8_t>(v >> (8 * i)));
  }

  // The CP949 form of a text, refused when it has a character without one.
  std::string encode(const std::string& utf8, const char* what) const {
    std::string bytes = text::encodeCp949(utf8);
    if (text::decodeCp949(bytes) != utf8)
      fail(std::string(what) + " \"" + utf8 + "\" has a character without a CP949 form");
    return bytes;
  }

  void shortText(const std::string& utf8, const char* what, bool mayBeEmpty) {
    std::string bytes = encode(utf8, what);
    if (bytes.size() > 255)
      fail(std::string(what) + " has " + std::to_string(bytes.size()) + " bytes; at most 255 fit");
    if (bytes.empty() && !mayBeEmpty) fail(std::string(what) + " is empty");
    byte(static_cast<uint8_t>(bytes.size()));
    out_ += bytes;
  }

  void longBytes(const std::string& bytes) {
    if (bytes.size() > UINT32_MAX) fail("data longer than 4 GiB");
    u32(static_cast<uint32_t>(bytes.size()));
    out_ += bytes;
  }

  void object(const Record& r, std::size_t level) {
    std::string outer = path_;
    if (level > 0) path_ = outer.empty() ? r.name : outer + "/" + r.name;
    property_.clear();
    if (r.flags) {
      if (*r.flags > 0x0F) fail("prefix flags above 15");
      byte(static_cast<uint8_t>(0xF0 | *r.flags));
      if (*r.flags & 2) {
        if (!r.position || !r.position->isInteger()) fail("flag 2 without an integer position");
        value(*r.position, level);
      } else if (r.position) {
        fail("a position without flag 2");
      }
    } else if (r.position) {
      fail("a position without flag 2");
    }
    shortText(r.className, "class name", false);
    shortText(r.name, "object name", true);
    properties(r.properties, level);
    for (const Record& child : r.children) {
      checkLevel(level + 1);
      object(child, level + 1);
    }
    byte(0);
    path_ = outer;
    property_.clear();
  }

  void properties(const std::vector<Property>& props, std::size_t level) {
    for (const Property& p : props) {
      property_ = p.name;
      shortText(p.name, "property name", false);
      value(p.value, level);
    }
    byte(0);
  }

  void integer(Tag tag, int32_t n) {
    switch (tag) {
      case Tag::Int8:
        if (n < -128 || n > 127) fail(std::to_string(n) + " does not fit an 8-bit integer");
        byte(static_cast<uint8_t>(n));
        break;
      case Tag::Int16:
        if (n < -32768 || n > 32767) fail(std::to_string(n) + " does not fit a 16-bit integer");
        byte(static_cast<uint8_t>(n));
        byte(static_cast<uint8_t>(static_cast<uint32_t>(n) >> 8));
        break;
      default:
        u32(static_cast<uint32_t>(n));
    }
  }

  void value(const Value& v, std::size_t level) {
    byte(static_cast<uint8_t>(v.tag));
    switch (v.tag) {
      case Tag::Null:
        fail("a null value");
      case Tag::List:
        checkLevel(level + 1);
        for (const Value& e : v.list) value(e, level + 1);
        byte(0);
        break;
      case Tag::Int8:
      case Tag::Int16:
      case Tag::Int32:
        integer(v.tag, v.integer);
        break;
      case Tag::Extended: {
        std::array<uint8_t, 10> raw = v.raw ? *v.raw : doubleToExtended(v.extended);
        for (uint8_t b : raw) byte(b);
        break;
      }
      case Tag::String:
        shortText(v.text, "text", true);
        break;
      case Tag::Ident:
        shortText(v.text, "identifier", true);
        break;
      case Tag::LString:
        longBytes(encode(v.text, "text"));
        break;
      case Tag::Binary:
        longBytes(v.text);
        break;
      case Tag::False:
      case Tag::True:
      case Tag::Nil:
        break;
      case Tag::Set:
        for (const std::string& m : v.set) shortText(m, "set member", false);
        byte(0);
        break;
      case Tag::Collection: {
        checkLevel(level + 1);
        std::string outerProperty = property_;
        for (const CollectionItem& item : v.items) {
          if (item.index) {
            if (!item.index->isInteger()) fail("a collection index that is not an integer");
            value(*item.index, level + 1);
          }
          byte(static_cast<uint8_t>(Tag::List));
          properties(item.properties, level + 1);
          property_ = outerProperty;
        }
        byte(0);
        break;
      }
      default:
        fail("unknown value tag " + std::to_string(static_cast<int>(v.tag)));
    }
  }

  std::string& out_;
  std::string label_;     // the record, for messages
  std::string path_;      // names of the child records being written, for messages
  std::string property_;  // the property being written, for messages
};

}  // namespace

void writeRecord(std::string& out, const Record& record) {
  // Nothing is appended unless the whole record can be written.
  std::string bytes;
  Emitter(bytes, "record \"" + record.name + "\"").record(record);
  out += bytes;
}

std::string writeRecords(const std::vector<Record>& records) {
  std::string out;
  for (std::size_t i = 0; i < records.size(); ++i)
    Emitter(out, "record " + std::to_string(i + 1) + " (\"" + records[i].name + "\")")
        .record(records[i]);
  return out;
}

}  // namespace qav
