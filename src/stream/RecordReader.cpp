#include "stream/RecordReader.h"

#include <cstring>
#include <utility>

#include "base/Cp949.h"
#include "stream/StreamFormat.h"

namespace qav {
namespace {

constexpr char kSignature[4] = {'T', 'P', 'F', '0'};

// Cursor over the buffer; every read checks the bytes left first, so no length in the input
// can make the reader allocate or read beyond what is there.
class Parser {
 public:
  Parser(std::string_view bytes, std::size_t pos, const RecordChecker* checker,
         std::string_view passOver)
      : bytes_(bytes), pos_(pos), checker_(checker), passOver_(passOver) {}

  std::optional<std::size_t> listStart() const { return listStart_; }

  std::size_t pos() const { return pos_; }

  Record record() {
    std::size_t start = pos_;
    if (pos_ >= bytes_.size()) fail("record expected, end of data", start, StreamFault::CutShort);
    if (left() < 4) fail("record cut short in its signature", start, StreamFault::CutShort);
    if (std::memcmp(bytes_.data() + pos_, kSignature, 4) != 0)
      fail("bad signature (\"TPF0\" expected)", start);
    pos_ += 4;
    return object(0);
  }

 private:
  [[noreturn]] void fail(const std::string& problem, std::size_t offset,
                         StreamFault fault = StreamFault::Structure) const {
    StreamPlace place = place_;
    place.fault = fault;
    throw StreamError(problem, offset, std::move(place));
  }

  std::size_t left() const { return pos_ <= bytes_.size() ? bytes_.size() - pos_ : 0; }

  uint8_t byte(const char* what) {
    if (left() < 1) fail(std::string("data ends inside ") + what, pos_, StreamFault::CutShort);
    return static_cast<uint8_t>(bytes_[pos_++]);
  }

  uint8_t peek(const char* what) const {
    if (left() < 1) fail(std::string("data ends inside ") + what, pos_, StreamFault::CutShort);
    return static_cast<uint8_t>(bytes_[pos_]);
  }

  std::string_view take(std::size_t n, const char* what) {
    if (left() < n)
      fail(std::string("data ends inside ") + what + " (" + std::to_string(n) + " bytes needed, " +
               std::to_string(left()) + " left)",
           pos_, StreamFault::CutShort);
    std::string_view s = bytes_.substr(pos_, n);
    pos_ += n;
    return s;
  }

  // An unsigned little-endian number of n (at most 4) bytes.
  uint32_t littleEndian(std::size_t n, const char* what) {
    std::string_view s = take(n, what);
    uint32_t v = 0;
    for (std::size_t i = n; i-- > 0;) v = v << 8 | static_cast<uint8_t>(s[i]);
    return v;
  }
  uint32_t u32(const char* what) { return littleEndian(4, what); }

  std::string_view shortText(const char* what) {
    std::size_t n = byte(what);
    return take(n, what);
  }

  void checkLevel(std::size_t level, std::size_t offset) const {
    if (level > kMaxNesting)
      fail("nesting deeper than " + std::to_string(kMaxNesting) + " levels", offset);
  }

  // Prefix, class and object names, properties and children: a record after its signature,
  // or a child record.
  Record object(std::size_t level) {
    Record r;
    if (peek("a record") >= 0xF0) {
      uint8_t prefix = byte("a record");
      r.flags = static_cast<uint8_t>(prefix & 0x0F);
      if (*r.flags & 2) {
        std::size_t at = pos_;
        Value v = value(level, "a child position");
        if (!v.isInteger()) fail("child position is not an integer", at);
        r.position = std::move(v);
      }
    }
    std::size_t classAt = pos_;
    std::string_view cls = shortText("a class name");
    if (cls.empty()) fail("empty class name", classAt);
    r.className = text::decodeCp949(cls);
    place_ = {StreamFault::Structure, {}, r.className, {}};
    if (checker_)
      if (auto why = checker_->checkClass(r.className)) fail(*why, classAt, StreamFault::Class);
    r.name = text::decodeCp949(shortText("an object name"));
    place_.record = r.name;
    properties(r.properties, level, checker_ ? &r.className : nullptr);
    for (;;) {
      if (peek("the children of a record") == 0) {
        ++pos_;
        break;
      }
      checkLevel(level + 1, pos_);
      r.children.push_back(object(level + 1));
    }
    return r;
  }

  // Properties until a zero-length name. With a class name, each is checked against it.
  void properties(std::vector<Property>& out, std::size_t level, const std::string* className) {
    for (;;) {
      std::size_t at = pos_;
      std::string_view name = shortText("a property list");
      if (name.empty()) return;
      Property p;
      p.name = text::decodeCp949(name);
      place_.property = p.name;
      // The kind is checked before the value is read, so that a value of the wrong kind costs
      // nothing however long it is.
      bool textsOnly = false;
      if (className && checker_) {
        uint8_t tag = peek("a property value");
        if (tag != 0)
          if (auto why = checker_->checkTag(*className, p.name, static_cast<Tag>(tag), textsOnly))
            fail("property \"" + p.name + "\": " + *why, at, StreamFault::Property);
      }
      textsOnly_ = textsOnly ? &p.name : nullptr;
      textsOnlyClass_ = className;
      if (textsOnly && level == 0 && p.name == passOver_ &&
          peek("a property value") == static_cast<uint8_t>(Tag::List)) {
        p.value.tag = static_cast<Tag>(byte("a property value"));
        listStart_ = pos_;
        passTexts(p.name);
      } else {
        p.value = value(level, "a property value");
      }
      textsOnly_ = nullptr;
      if (className && checker_)
        if (auto why = checker_->checkProperty(*className, p.name, p.value))
          fail("property \"" + p.name + "\": " + *why, at, StreamFault::Property);
      place_.property.clear();
      out.push_back(std::move(p));
    }
  }

  Value value(std::size_t level, const char* what) {
    std::size_t at = pos_;
    uint8_t tag = byte(what);
    if (tag == 0) fail(std::string("null tag where ") + what + " is required", at);
    return valueOfTag(tag, at, level);
  }

  Value valueOfTag(uint8_t tag, std::size_t at, std::size_t level) {
    Value v;
    v.tag = static_cast<Tag>(tag);
    switch (v.tag) {
      case Tag::List: {
        checkLevel(level + 1, at);
        // Only the property's own list is held to texts, not lists nested in it.
        const std::string* textsOnly = std::exchange(textsOnly_, nullptr);
        for (;;) {
          std::size_t elemAt = pos_;
          uint8_t t = byte("a list");
          if (t == 0) break;
          if (textsOnly && t != static_cast<uint8_t>(Tag::String) &&
              t != static_cast<uint8_t>(Tag::LString))
            wrongElement(*textsOnly, static_cast<Tag>(t), elemAt);
          v.list.push_back(valueOfTag(t, elemAt, level + 1));
        }
        break;
      }
      case Tag::Int8:
        v.integer = static_cast<int8_t>(byte("an 8-bit integer"));
        break;
      case Tag::Int16:
        v.integer = static_cast<int16_t>(littleEndian(2, "a 16-bit integer"));
        break;
      case Tag::Int32:
        v.integer = static_cast<int32_t>(u32("a 32-bit integer"));
        break;
      case Tag::Extended: {
        std::string_view s = take(10, "an extended float");
        std::array<uint8_t, 10> raw;
        std::memcpy(raw.data(), s.data(), 10);
        v.extended = extendedToDouble(raw);
        v.raw = raw;
        break;
      }
      case Tag::String:
      case Tag::Ident:
        v.text = text::decodeCp949(shortText(v.tag == Tag::String ? "a text" : "an identifier"));
        break;
      case Tag::LString: {
        uint32_t n = u32("a long text's length");
        v.text = text::decodeCp949(take(n, "a long text"));
        break;
      }
      case Tag::Binary: {
        uint32_t n = u32("binary data's length");
        v.text = std::string(take(n, "binary data"));
        break;
      }
      case Tag::False:
      case Tag::True:
      case Tag::Nil:
        break;
      case Tag::Set:
        for (;;) {
          std::string_view member = shortText("a set");
          if (member.empty()) break;
          v.set.push_back(text::decodeCp949(member));
        }
        break;
      case Tag::Collection:
        checkLevel(level + 1, at);
        for (;;) {
          std::size_t itemAt = pos_;
          uint8_t t = byte("a collection");
          if (t == 0) break;
          CollectionItem item;
          if (t == 2 || t == 3 || t == 4) {
            item.index = valueOfTag(t, itemAt, level + 1);
            itemAt = pos_;
            t = byte("a collection item");
          }
          if (t != static_cast<uint8_t>(Tag::List))
            fail("collection item does not start with the list tag (found tag " +
                     std::to_string(t) + ")",
                 itemAt);
          properties(item.properties, level + 1, nullptr);
          v.items.push_back(std::move(item));
        }
        break;
      default:
        fail("unknown value tag " + std::to_string(tag), at);
    }
    return v;
  }

  // The elements of a list that must hold texts, checked and left where they are.
  void passTexts(const std::string& property) {
    for (;;) {
      std::size_t elemAt = pos_;
      uint8_t t = byte("a list");
      if (t == 0) return;
      if (t == static_cast<uint8_t>(Tag::String))
        shortText("a text");
      else if (t == static_cast<uint8_t>(Tag::LString))
        take(u32("a long text's length"), "a long text");
      else
        wrongElement(property, static_cast<Tag>(t), elemAt);
    }
  }

  // A list element that the property cannot take: the checker's own words for it.
  [[noreturn]] void wrongElement(const std::string& property, Tag tag, std::size_t at) const {
    Value probe;
    probe.tag = Tag::List;
    probe.list.emplace_back().tag = tag;
    auto why = checker_->checkProperty(*textsOnlyClass_, property, probe);
    fail("property \"" + property + "\": " + why.value_or("a list element that is no text"), at,
         StreamFault::Property);
  }

  std::string_view bytes_;
  std::size_t pos_;
  const RecordChecker* checker_;
  const std::string* textsOnly_ = nullptr;  // the property whose list must hold texts only
  const std::string* textsOnlyClass_ = nullptr;
  std::string_view passOver_;  // the top record's text list that is checked but not kept
  std::optional<std::size_t> listStart_;
  StreamPlace place_;  // the record and property being read
};

}  // namespace

RecordReader::RecordReader(std::string_view bytes, std::size_t offset, const RecordChecker* checker)
    : bytes_(bytes), pos_(offset), checker_(checker) {}

Record RecordReader::read() {
  Parser p(bytes_, pos_, checker_, passOver_);
  Record r = p.record();
  pos_ = p.pos();
  listStart_ = p.listStart();
  return r;
}

std::optional<std::string_view> TextListCursor::next() {
  auto left = [&] { return pos_ < bytes_.size() ? bytes_.size() - pos_ : 0; };
  if (left() < 1) return std::nullopt;
  const auto tag = static_cast<uint8_t>(bytes_[pos_]);
  std::size_t n = 0, head = 0;
  if (tag == static_cast<uint8_t>(Tag::String) && left() >= 2) {
    n = static_cast<uint8_t>(bytes_[pos_ + 1]);
    head = 2;
  } else if (tag == static_cast<uint8_t>(Tag::LString) && left() >= 5) {
    for (int i = 4; i >= 1; --i) n = n << 8 | static_cast<uint8_t>(bytes_[pos_ + i]);
    head = 5;
  } else {
    return std::nullopt;
  }
  if (left() - head < n) return std::nullopt;
  std::string_view s = bytes_.substr(pos_ + head, n);
  pos_ += head + n;
  return s;
}

}  // namespace qav
