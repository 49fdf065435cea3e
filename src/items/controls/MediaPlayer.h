#pragma once
// The invisible media player that stands for a sound item at run time: it holds the name of
// the file that the run statement plays.
#include <string>

#include "items/ItemModel.h"

namespace qav {

class RecordProps;
struct Record;

class TMediaPlayer : public ItemModel {
 public:
  TMediaPlayer();
  // Takes the file name of a TNewSound record.
  explicit TMediaPlayer(const Record& record);

  void SetItemProperty(std::string_view name, std::string_view value) override;
  void GetItemProperty(std::string_view name, std::string& result) const override;

  const std::string& fileName() const { return fileName_; }
  void setFileName(std::string f) { fileName_ = std::move(f); }

 private:
  std::string fileName_;
};

}  // namespace qav
