#pragma once
// The data file: one TDataQueue record named "DataBox" whose Data_Backup carries, for tables
// 1 to 9, the row count followed by the rows.
#include <memory>
#include <string>

#include "stores/DataQueue.h"

namespace qav {

class Platform;

// Clears row lists 1-9 of the current store, then reads the file; a readable record replaces
// the store object. Never reports an error: the first failure ends the load silently,
// keeping whatever was read.
void DataLoad(std::unique_ptr<DataQueue>& box, const std::string& path, Platform& platform);

// Writes the whole file atomically (the previous file stays intact until the new one is
// complete). False with error set when the file cannot be written.
bool DataSave(DataQueue& box, const std::string& path, Platform& platform, std::string& error);

// The program file's directory followed by DataFile, "\" in DataFile read as a separator.
std::string dataPath(const std::string& programPath, const std::string& dataFile);

}  // namespace qav
