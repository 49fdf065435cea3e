#pragma once
// One binary component record of a project stream or data file, in parsed form.
// The stream layer (RecordReader / RecordWriter) knows tags and layout; the class registry
// knows classes and their properties; neither knows behaviour.
#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qav {

// Value tags of the stream.
enum class Tag : uint8_t {
  Null = 0,
  List = 1,
  Int8 = 2,
  Int16 = 3,
  Int32 = 4,
  Extended = 5,
  String = 6,
  Ident = 7,
  False = 8,
  True = 9,
  Binary = 10,
  Set = 11,
  LString = 12,
  Nil = 13,
  Collection = 14,
};

struct CollectionItem;

struct Value {
  Tag tag = Tag::Nil;
  int32_t integer = 0;                         // Int8, Int16, Int32
  double extended = 0;                         // Extended, as a double
  std::optional<std::array<uint8_t, 10>> raw;  // Extended: the bytes as read, for an exact rewrite
  std::string text;                   // String / LString (UTF-8), Ident (ASCII), Binary (raw bytes)
  std::vector<Value> list;            // List
  std::vector<std::string> set;       // Set members
  std::vector<CollectionItem> items;  // Collection

  bool isInteger() const { return tag == Tag::Int8 || tag == Tag::Int16 || tag == Tag::Int32; }
  bool isText() const { return tag == Tag::String || tag == Tag::LString; }
  bool isBool() const { return tag == Tag::False || tag == Tag::True; }

  // Builders that choose the tag the way the writer must: the smallest integer tag, and tag 6
  // for texts whose CP949 form has at most 255 bytes, tag 12 otherwise.
  static Value makeInteger(int32_t n);
  static Value makeText(std::string utf8);
  static Value makeBool(bool b);
  static Value makeIdent(std::string ident);
  static Value makeLines(const std::vector<std::string>& lines);
  static Value makeBinary(std::string bytes);
  static Value makeExtended(double d);
};

struct Property {
  std::string name;  // as written in the stream, e.g. "Ivent3.Strings", "Font.Name"
  Value value;
};

struct CollectionItem {
  std::optional<Value> index;  // the item's index, when written (ignored)
  std::vector<Property> properties;
};

struct Record {
  std::optional<uint8_t> flags;   // low four bits of the prefix byte, when present
  std::optional<Value> position;  // the child position (with flag 2)
  std::string className;
  std::string name;                  // the stream name
  std::vector<Property> properties;  // in stream order
  std::vector<Record> children;

  // The value of a property by its stream name (the last one when a name repeats), or null.
  const Value* find(std::string_view propertyName) const;
  void set(std::string propertyName, Value v);  // replaces or appends
};

// What kind of fault a malformed stream has, and where in the records it lies, so that a
// failure can be told to a user in the terms of the project (record, property) rather than
// of bytes.
enum class StreamFault { Structure, CutShort, Class, Property };
struct StreamPlace {
  StreamFault fault = StreamFault::Structure;
  std::string record, className, property;  // empty where not known yet
};

// A malformed stream: what is wrong and the byte offset where it was found.
class StreamError : public std::runtime_error {
 public:
  StreamError(const std::string& problem, std::size_t offset, StreamPlace place = {})
      : std::runtime_error(problem + " at byte offset " + std::to_string(offset)),
        problem_(problem),
        offset_(offset),
        place_(std::move(place)) {}
  const std::string& problem() const { return problem_; }
  std::size_t offset() const { return offset_; }
  const StreamPlace& place() const { return place_; }

 private:
  std::string problem_;
  std::size_t offset_;
  StreamPlace place_;
};

}  // namespace qav
