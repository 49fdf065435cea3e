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

}  // namespace qav
