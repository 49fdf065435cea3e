#pragma once
// The data file: one TDataQueue record named "DataBox" whose Data_Backup carries, for tables
// 1 to 9, the row count followed by the rows.
#include <memory>
#include <string>

#include "stores/DataQueue.h"

namespace qav {

class Platform;

// What a load found: no file (or an empty one), a data file, or a file that is there but
// cannot be read as a data file.
enum class DataFileState { Missing, Loaded, Unreadable };

// Clears row lists 1-9 of the current store, then reads the file; a readable record replaces
// the store object. Never reports an error: the first failure ends the load silently,
// keeping whatever was read; the caller is told what was found.
DataFileState DataLoad(std::unique_ptr<DataQueue>& box, const std::string& path,
                       Platform& platform);

// Writes the whole file atomically (the previous file stays intact until the new one is
// complete). False with error set when the file cannot be written.
bool DataSave(DataQueue& box, const std::string& path, Platform& platform, std::string& error);

// Where DataFile puts the data file: inside the program's folder, each part of the name found
// there whatever its letter case (as pictures and sounds are), spelled as DataFile when
// nothing matches. A name that is empty, absolute, climbs out with "..", leads out through a
// symbolic link or names the program file itself gets no path but the reason, in the user's
// words, why the data cannot be saved.
struct DataLocation {
  std::string path;
  std::string refusal;
};
DataLocation locateDataFile(Platform& platform, const std::string& programPath,
                            const std::string& dataFile);

// Why a save to the located path must not go ahead now (a symbolic link that leads out of the
// program's folder, or to the program itself), or "".
std::string refuseDataSave(Platform& platform, const std::string& programPath,
                           const std::string& path);

// The data-table store DataBox and its file beside the program: loading, with the warning for
// a file that cannot be read, and saving, which keeps such a file aside first.
class DataFiles {
 public:
  explicit DataFiles(Platform& platform)
      : platform_(platform), box_(std::make_unique<DataQueue>()) {}

  // The store. Loading the data file replaces the object: reach it through here.
  DataQueue& box() { return *box_; }
  std::unique_ptr<DataQueue>& boxSlot() { return box_; }

  // The program file whose folder holds the data file.
  void setProgramPath(std::string p) { programPath_ = std::move(p); }
  // Finds the data file for the settings' DataFile in the program's folder, and loads it.
  void open(const std::string& dataFile);
  // Loads the data file; a file that is there but cannot be read is reported once and kept.
  // What the load found (the data menu says so).
  DataFileState load();
  // False with a reason when the data file cannot be written.
  bool save(std::string& error);

  // The program's directory followed by the settings' DataFile; empty when the program has
  // no settings or DataFile was refused (the reason is what a save reports).
  const std::string& path() const { return path_; }
  void setPath(std::string p) { path_ = std::move(p); }
  const std::string& refusal() const { return refusal_; }

 private:
  Platform& platform_;
  std::unique_ptr<DataQueue> box_;
  std::string programPath_;
  std::string path_;
  std::string refusal_;
  // The data file was there but could not be read: it is kept as "<file>.bak" before the
  // first save replaces it.
  bool keepUnreadable_ = false;
};

}  // namespace qav
