#pragma once
// Writes binary component records: signature, prefix when the record has one, class and
// object names, properties, end byte, children, end byte. Values are written with the tag
// they carry, so a record read and written again is reproduced byte for byte.
#include <string>
#include <vector>

#include "stream/Record.h"

namespace qav {

void writeRecord(std::string& out, const Record& record);
std::string writeRecords(const std::vector<Record>& records);

}  // namespace qav
