#pragma once
// The row store of the data tables (TDataQueue, the main window's DataBox): row lists 1 to 9
// hold the rows of data tables 1 to 9 (list 10 exists and is unused). A row is the values of
// the table's 100 fields, each followed by the character with code 1.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qav {

// The rows of one table. Beside each row it keeps the row's bytes as the data file holds them
// (CP949): a view into the file image for rows that were loaded, or the form made at a save;
// any change of a row drops its form. Saving then copies the forms of unchanged rows instead
// of converting every row again.
class RowList {
 public:
  using value_type = std::string;
  using const_iterator = std::vector<std::string>::const_iterator;
  using iterator = const_iterator;

  RowList& operator=(std::vector<std::string> rows) {
    rows_ = std::move(rows);
    dropForms();
    return *this;
  }

  std::size_t size() const { return rows_.size(); }
  bool empty() const { return rows_.empty(); }
  const std::string& operator[](std::size_t i) const { return rows_[i]; }
  const std::string& at(std::size_t i) const { return rows_.at(i); }
  const std::string& front() const { return rows_.front(); }
  const std::string& back() const { return rows_.back(); }
  const_iterator begin() const { return rows_.begin(); }
  const_iterator end() const { return rows_.end(); }
  bool operator==(const RowList& other) const { return rows_ == other.rows_; }
  bool operator==(const std::vector<std::string>& other) const { return rows_ == other; }

  void push_back(std::string row) { rows_.push_back(std::move(row)); }
  void set(std::size_t i, std::string row);
  void erase(std::size_t i);
  void pop_back() { erase(rows_.size() - 1); }
  void resize(std::size_t n);
  void reserve(std::size_t n) {
    rows_.reserve(n);
    loaded_.reserve(n);
  }
  void clear() {
    rows_.clear();
    dropForms();
  }

  // A row read from the data file: bytes is its form there and lies within image, which the
  // list keeps while it holds such rows.
  void pushLoaded(std::string row, std::string_view bytes,
                  const std::shared_ptr<const std::string>& image);

  // Row i as the data file holds it, made now if the row has no form yet.
  std::string_view fileForm(std::size_t i) const;

 private:
  // Where a loaded row's bytes lie in the image (files are far below 4 GB); kNone for a row
  // that has none there.
  static constexpr uint32_t kNone = UINT32_MAX;
  struct Span {
    uint32_t at = kNone;
    uint32_t size = 0;
  };
  void dropForms() {
    loaded_.clear();
    made_.clear();
    image_.reset();
  }

  std::vector<std::string> rows_;
  // Both may be shorter than rows_: the rows past their ends have no form yet. A made form
  // that is empty was not made yet (a row that is not empty never converts to nothing).
  std::vector<Span> loaded_;
  mutable std::vector<std::string> made_;
  std::shared_ptr<const std::string> image_;
};

class DataQueue {
 public:
  static constexpr int kLists = 10;
  static constexpr int kTables = 9;
  static constexpr int kFieldsPerRow = 100;
  static constexpr char kFieldEnd = '\x01';

  RowList& rowList(int t) { return lists_[t - 1]; }
  const RowList& rowList(int t) const { return lists_[t - 1]; }

  // The flattened form of lists 1-9, used only when reading or writing the data file.
  std::vector<std::string> Data_Backup;

 private:
  std::array<RowList, kLists> lists_;
};

}  // namespace qav
