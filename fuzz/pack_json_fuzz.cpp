// Arbitrary text as the JSON form `qav pack` reads: parsed with nesting bounded, readable
// settings expanded, records built and written. Whatever it accepts must read back as records
// and survive the JSON form unchanged; whatever it refuses must be refused with a message.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "stores/SettingsForm.h"
#include "stream/RecordJson.h"
#include "stream/RecordReader.h"
#include "stream/RecordWriter.h"

namespace {

[[noreturn]] void broken(const char* what, const std::exception& e) {
  std::fprintf(stderr, "%s: %s\n", what, e.what());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string written;
  try {
    nlohmann::ordered_json document = qav::jsonFromText(text);
    qav::expandReadableSettings(document);
    written = qav::writeRecords(qav::recordsFromJson(document));
  } catch (const std::bad_alloc& e) {
    broken("out of memory on a small input", e);
  } catch (const std::exception& e) {
    if (std::string_view(e.what()).empty()) broken("refused without a message", e);
    return 0;
  }
  try {
    qav::RecordReader reader(written, 0);
    std::vector<qav::Record> records;
    while (!reader.atEnd()) records.push_back(reader.read());
    if (qav::writeRecords(qav::recordsFromJsonText(qav::recordsToJsonText(records))) != written) {
      std::fprintf(stderr, "the JSON form changes the packed records\n");
      std::abort();
    }
  } catch (const std::exception& e) {
    broken("packed records do not read back", e);
  }
  return 0;
}
