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
  TMediaPlayer() : ItemModel("TMediaPlayer") { setVisible(false); }
  // Takes the file name of a TNewSound record.
  explicit TMediaPlayer(const Record& record);

  const std::string& fileName() const { return fileName_; }
  void setFileName(std::string f) { fileName_ = std::move(f); }

 protected:
  const PropertyTable* propertyTable() const override;

 private:
  std::string fileName_;
};

}  // namespace qav
