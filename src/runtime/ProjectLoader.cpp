#include "runtime/ProjectLoader.h"

#include <exception>
#include <vector>

#include "base/Text.h"
#include "lang/Texts.h"
#include "platform/Platform.h"
#include "runtime/LoadCheck.h"
#include "stream/ClassRegistry.h"
#include "stream/LoadError.h"
#include "stream/RecordReader.h"

namespace qav {

const char* const kDamagedProgramMessage =
    "QAV Maker 기본 테이블 데이타 자료가 손상되었습니다.\r실행을 계속할 수 없습니다.";

std::optional<std::string> readPayload(Platform& platform, const std::string& programPath,
                                       bool& tooShort, std::string& error) {
  tooShort = false;
  std::string bytes;
  if (!platform.readFile(programPath, bytes)) {
    error = std::string(msg::kProgramUnreadable) + text::printable(programPath);
    return std::nullopt;
  }
  if (bytes.size() < kPayloadOffset) {
    tooShort = true;
    return std::nullopt;
  }
  bytes.erase(0, kPayloadOffset);
  return bytes;
}

namespace {

// Reads the next record; any failure becomes a load failure carrying the failure's own text.
Record next(RecordReader& reader) {
  try {
    return reader.read();
  } catch (const LoadError&) {
    throw;
  } catch (const StreamError& e) {
    throw loadFailure(e);
  } catch (const std::exception& e) {
    throw LoadError(e.what());
  }
}

// Hands a record over; a failure of the receiver is a load failure like any other.
template <typename Fn>
void deliver(Fn&& fn) {
  try {
    fn();
  } catch (const LoadError&) {
    throw;
  } catch (const std::exception& e) {
    throw LoadError(e.what());
  }
}

}  // namespace

void loadProject(std::string_view payload, ProjectSink& sink) {
  if (payload.empty()) return;
  RecordReader reader(payload, 0, &ClassRegistry::instance());

  Record first = next(reader);
  auto settings = std::make_unique<MainData>(MainData::fromRecord(first));
  deliver([&] { sink.settings(std::move(settings)); });
  LoadCheck check;
  check.record(first);

  // Every record is read once. Windows are handed over as they are read, every other record
  // after all of them, so that every item's window exists when the item is placed. Every name
  // is checked as its record is read, and all of them before any item is placed.
  std::vector<Record> items;
  items.push_back(std::move(first));
  while (!reader.atEnd()) {
    Record record = next(reader);
    check.record(record);
    if (record.className == "TNewPanel")
      deliver([&] { sink.windowRecord(std::move(record)); });
    else
      items.push_back(std::move(record));
  }
  check.finish();

  for (Record& record : items) deliver([&] { sink.itemRecord(std::move(record)); });
}

}  // namespace qav
