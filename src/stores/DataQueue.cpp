#include "stores/DataQueue.h"

#include "base/Cp949.h"

namespace qav {

void RowList::set(std::size_t i, std::string row) {
  rows_[i] = std::move(row);
  if (i < loaded_.size()) loaded_[i] = {};
  if (i < made_.size()) made_[i] = {};
}

void RowList::erase(std::size_t i) {
  auto at = [i](auto& v) { return v.begin() + static_cast<std::ptrdiff_t>(i); };
  rows_.erase(at(rows_));
  if (i < loaded_.size()) loaded_.erase(at(loaded_));
  if (i < made_.size()) made_.erase(at(made_));
}

void RowList::resize(std::size_t n) {
  rows_.resize(n);
  if (loaded_.size() > n) loaded_.resize(n);
  if (made_.size() > n) made_.resize(n);
}

void RowList::pushLoaded(std::string row, std::string_view bytes,
                         const std::shared_ptr<const std::string>& image) {
  if (image_ != image) image_ = image;
  loaded_.resize(rows_.size());
  rows_.push_back(std::move(row));
  loaded_.push_back(
      {static_cast<uint32_t>(bytes.data() - image->data()), static_cast<uint32_t>(bytes.size())});
}

std::string_view RowList::fileForm(std::size_t i) const {
  const std::string& row = rows_[i];
  if (row.empty()) return {};
  if (i < loaded_.size() && loaded_[i].at != kNone)
    return std::string_view(*image_).substr(loaded_[i].at, loaded_[i].size);
  if (made_.size() < rows_.size()) made_.resize(rows_.size());
  if (made_[i].empty()) made_[i] = text::encodeCp949(row);
  return made_[i];
}

}  // namespace qav
