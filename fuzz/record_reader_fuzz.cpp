// Feeds arbitrary bytes to the record reader, with and without the class registry's checks.
// Every record it accepts must be written back to exactly the bytes it was read from, and
// must survive the JSON form unchanged.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "stream/ClassRegistry.h"
#include "stream/RecordJson.h"
#include "stream/RecordReader.h"
#include "stream/RecordWriter.h"

namespace {

[[noreturn]] void broken(const char* what) {
  std::fprintf(stderr, "round trip broken: %s\n", what);
  std::abort();
}

void roundTrip(std::string_view original, const qav::Record& record,
               const qav::RecordChecker* checker) {
  std::string written;
  try {
    qav::writeRecord(written, record);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    broken("a record that was read cannot be written");
  }
  if (written != original) broken("the written bytes differ from the bytes read");
  try {
    qav::RecordReader again(written, 0, checker);
    again.read();
    if (!again.atEnd()) broken("the written record is read shorter");
    std::string json = qav::recordsToJsonText({record});
    if (qav::writeRecords(qav::recordsFromJsonText(json)) != written)
      broken("the JSON form changes the record");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    broken("a written record cannot be read back");
  }
}

void readAll(std::string_view bytes, const qav::RecordChecker* checker) {
  qav::RecordReader reader(bytes, 0, checker);
  while (!reader.atEnd()) {
    std::size_t start = reader.position();
    qav::Record record;
    try {
      record = reader.read();
    } catch (const qav::StreamError& e) {
      if (e.offset() > bytes.size()) broken("an error offset beyond the data");
      return;
    }
    roundTrip(bytes.substr(start, reader.position() - start), record, checker);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  readAll(bytes, nullptr);
  readAll(bytes, &qav::ClassRegistry::instance());
  return 0;
}
