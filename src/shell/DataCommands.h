#pragma once
// Loading and saving the data tables of the hub's store at the data file, for the data
// statements and the data menu ("데이타 불러오기", "데이타 저장하기").
#include <string>

namespace qav {

class TMain;

// Replaces the rows of all tables with those of the data file; never fails.
void loadDataFile(TMain& hub);
// Writes the whole store to the data file; false with the failure's text when it cannot.
bool saveDataFile(TMain& hub, std::string& error);

// The data menu: load, then tell the user the new data is in use.
void menuLoadData(TMain& hub);
// The data menu: save, then tell the user it was saved, or show why it was not.
void menuSaveData(TMain& hub);

}  // namespace qav
