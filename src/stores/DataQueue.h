#pragma once
// The row store of the data tables (TDataQueue, the main window's DataBox): row lists 1 to 9
// hold the rows of data tables 1 to 9 (list 10 exists and is unused). A row is the values of
// the table's 100 fields, each followed by the character with code 1.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qav {

// The rows of one table. Beside each row it may know where the row's bytes lie in its store's
// file image (the data file as last loaded or saved); any change of a row forgets that.
// Saving copies those bytes for unchanged rows instead of converting every row again.
class RowList {
 public:
  using value_type = std::string;
  using const_iterator = std::vector<std::string>::const_iterator;
  using iterator = const_iterator;

  // Where a row's bytes lie in the file image (files stay far below 4 GB).
  struct Span {
    static constexpr uint32_t kNone = UINT32_MAX;
    uint32_t at = kNone;
    uint32_t size = 0;
  };

  RowList() = default;
  // Rows taken from elsewhere bring no spans: those would point into another image.
  RowList(const RowList& other) : rows_(other.rows_) {}
  RowList(RowList&& other) noexcept : rows_(std::move(other.rows_)) {}
  RowList& operator=(const RowList& other) { return *this = other.rows_; }
  RowList& operator=(RowList&& other) noexcept { return *this = std::move(other.rows_); }
  RowList& operator=(std::vector<std::string> rows) {
    rows_ = std::move(rows);
    spans_.clear();
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
  // A row whose bytes lie at span in the file image.
  void push_back(std::string row, Span span) {
    spans_.resize(rows_.size());
    rows_.push_back(std::move(row));
    spans_.push_back(span);
  }
  void set(std::size_t i, std::string row);
  void erase(std::size_t i);
  void pop_back() { erase(rows_.size() - 1); }
  void resize(std::size_t n);
  void reserve(std::size_t n) {
    rows_.reserve(n);
    spans_.reserve(n);
  }
  void clear() { *this = std::vector<std::string>(); }

  Span span(std::size_t i) const { return i < spans_.size() ? spans_[i] : Span{}; }
  void setSpan(std::size_t i, Span s);

 private:
  std::vector<std::string> rows_;
  std::vector<Span> spans_;  // may be shorter than rows_: the rest have none
};

class DataQueue {
 public:
  static constexpr int kLists = 10;
  static constexpr int kTables = 9;
  static constexpr int kFieldsPerRow = 100;
  static constexpr char kFieldEnd = '\x01';

  RowList& rowList(int t) { return lists_[t - 1]; }
  const RowList& rowList(int t) const { return lists_[t - 1]; }

  // The data file's bytes as last loaded or saved, which the rows' spans point into.
  const std::string& fileImage() const { return image_; }
  void setFileImage(std::string image) { image_ = std::move(image); }

  // The flattened form of lists 1-9, used only when reading or writing the data file.
  std::vector<std::string> Data_Backup;

 private:
  std::array<RowList, kLists> lists_;
  std::string image_;
};

}  // namespace qav
