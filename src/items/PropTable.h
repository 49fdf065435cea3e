#pragma once
// The Korean property table of an item class, the one engine behind every control's and drawn
// item's SetItemProperty and GetItemProperty: rows in table order, each a name with a write
// and a read conversion. Every row of the name is applied, in table order (a match does not
// stop the search); names are compared byte for byte. A name that matches no row does nothing,
// and a read that matches nothing, or whose value has no word, leaves the caller's result as
// it was.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Text.h"
#include "lang/Vocabulary.h"

namespace qav {

class ItemModel;

// A table as the item model sees it: the rows of the item's own class behind a virtual call.
class PropertyTable {
 public:
  virtual ~PropertyTable() = default;
  virtual void set(ItemModel& item, std::string_view name, std::string_view value) const = 0;
  virtual void get(const ItemModel& item, std::string_view name, std::string& result) const = 0;
  // get in two halves: the first row of a name (-1 for none), found once, and the read of
  // that row and every later row of its name.
  virtual int firstRow(std::string_view name) const = 0;
  virtual void getFrom(const ItemModel& item, int row, std::string& result) const = 0;
};

// The rows of a table by name, so that a lookup visits only the rows whose name matches, in
// table order: an open-addressed hash from each name to its first row (kept at most half
// full), and from each row to the next row of the same name.
class RowIndex {
 public:
  static constexpr int kNone = -1;

  using NameOf = std::string_view (*)(const void* rows, std::size_t i);

  RowIndex() = default;
  ~RowIndex();
  // Indexes rows 0..count-1, row i being named nameOf(rows, i). Done once, before any lookup.
  void build(const void* rows, std::size_t count, NameOf nameOf);
  // The first row named `name`, or kNone.
  int first(std::string_view name) const { return slots_[find(name)].first; }
  int next(int row) const { return next_[static_cast<std::size_t>(row)]; }

 private:
  struct Slot {
    std::string_view name;
    int first = kNone;
  };
  std::size_t find(std::string_view name) const;

  std::vector<Slot> slots_;
  std::vector<int> next_;
};

template <class T>
class PropTable : public PropertyTable {
 public:
  using Write = std::function<void(T&, std::string_view)>;
  using Read = std::function<void(const T&, std::string&)>;
  struct Row {
    std::string_view name;
    Write write;
    Read read;
  };

  using Rows = std::vector<Row>;

  // The rows in order; each part is one row or a group of rows.
  template <class... Parts>
  explicit PropTable(Parts&&... parts) {
    (add(std::forward<Parts>(parts)), ...);
    index_.build(rows_.data(), rows_.size(), [](const void* rows, std::size_t i) {
      return static_cast<const Row*>(rows)[i].name;
    });
  }

  void set(T& item, std::string_view name, std::string_view value) const {
    for (int i = index_.first(name); i != RowIndex::kNone; i = index_.next(i))
      if (const Row& r = row(i); r.write) r.write(item, value);
  }
  void get(const T& item, std::string_view name, std::string& result) const {
    getFrom(item, index_.first(name), result);
  }
  void getFrom(const T& item, int first, std::string& result) const {
    for (int i = first; i != RowIndex::kNone; i = index_.next(i))
      if (const Row& r = row(i); r.read) r.read(item, result);
  }
  void set(ItemModel& item, std::string_view name, std::string_view value) const override {
    set(static_cast<T&>(item), name, value);
  }
  void get(const ItemModel& item, std::string_view name, std::string& result) const override {
    get(static_cast<const T&>(item), name, result);
  }
  int firstRow(std::string_view name) const override { return index_.first(name); }
  void getFrom(const ItemModel& item, int row, std::string& result) const override {
    getFrom(static_cast<const T&>(item), row, result);
  }
  bool has(std::string_view name) const { return index_.first(name) != RowIndex::kNone; }
  const std::vector<Row>& rows() const { return rows_; }

 private:
  const Row& row(int i) const { return rows_[static_cast<std::size_t>(i)]; }
  void add(Row r) { rows_.push_back(std::move(r)); }
  void add(Rows rs) { rows_.insert(rows_.end(), rs.begin(), rs.end()); }

  std::vector<Row> rows_;
  RowIndex index_;
};

// Row builders. The getter and setter are member pointers (of the class or a base) or
// callables taking the item.
namespace rows {

// The two halves of a converting row: the written word converted by Take goes to the setter;
// the getter's value is put into the read word by Put.
template <class T, auto Take, class S>
struct Writer {
  S set;
  void operator()(T& m, std::string_view v) const { std::invoke(set, m, Take(v)); }
};
template <class T, auto Put, class G>
struct Reader {
  G get;
  void operator()(const T& m, std::string& r) const { Put(std::invoke(get, m), r); }
};

inline void putTruth(bool v, std::string& r) {
  r = TruthToWord(v);
}
inline void putNumber(int64_t v, std::string& r) {
  r = text::decimal(v);
}
inline std::string takeText(std::string_view v) {
  return std::string(v);
}
inline void putText(const std::string& v, std::string& r) {
  r = v;
}

// Builds a converting row: rows::truth<T>(name, getter, setter).
template <class T, auto Take, auto Put>
struct Converting {
  template <class G, class S>
  typename PropTable<T>::Row operator()(std::string_view name, G get, S set) const {
    return {name, Writer<T, Take, S>{set}, Reader<T, Put, G>{get}};
  }
};
template <class T>
inline constexpr Converting<T, WordToTruth, putTruth> truth{};
template <class T>
inline constexpr Converting<T, TextToNumber, putNumber> number{};
template <class T>
inline constexpr Converting<T, takeText, putText> text{};
template <class T>
inline constexpr Converting<T, WordToColour, ColourToWord> colour{};
template <class T>
inline constexpr Converting<T, WordToCursor, CursorToWord> cursor{};

// A closed set of words: a write that matches no word changes nothing; a state without a
// word reads as nothing (the caller's result stays).
template <class T, class E, class G, class S>
typename PropTable<T>::Row choice(std::string_view name,
                                  std::vector<std::pair<std::string_view, E>> words, G get, S set) {
  return {name,
          [words, set](T& m, std::string_view v) {
            for (const auto& [word, state] : words)
              if (word == v) std::invoke(set, m, state);
          },
          [words, get](const T& m, std::string& r) {
            const E current = std::invoke(get, m);
            for (const auto& [word, state] : words)
              if (state == current) {
                r = word;
                return;
              }
          }};
}

}  // namespace rows
}  // namespace qav
