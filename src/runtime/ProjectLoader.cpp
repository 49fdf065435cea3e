#include "runtime/ProjectLoader.h"

#include <exception>
#include <vector>

#include "base/Text.h"
#include "lang/Texts.h"
#include "platform/FileRead.h"
#include "platform/Platform.h"
#include "runtime/LoadCheck.h"
#include "stream/ClassRegistry.h"
#include "stream/LoadError.h"
#include "stream/RecordReader.h"

namespace qav {

const char* const kDamagedProgramMessage =
    "QAV Maker 기본 테이블 데이타 자료가 손상되었습니다.\r실행을 계속할 수 없습니다.";

std::optional<std::string> readPayload(const std::string& programPath, bool& tooShort,
                                       std::string& error) {
  tooShort = false;
  std::string bytes;
  if (readRegularFile(programPath, bytes, kMaxFileBytes) != FileRead::Ok) {
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

PayloadRecords::PayloadRecords(std::string_view payload) {
  RecordReader reader(payload, 0, &ClassRegistry::instance());
  try {
    while (!reader.atEnd()) records.push_back(next(reader));
  } catch (const LoadError& e) {
    failure = e;
  }
}

ProgramRead::ProgramRead(const std::string& programPath)
    : records(readPayload(programPath, tooShort, error).value_or(std::string())) {}

void loadProject(std::string_view payload, ProjectSink& sink) {
  loadProject(PayloadRecords(payload), sink);
}

void loadProject(PayloadRecords&& payload, ProjectSink& sink) {
  auto at = payload.records.begin();
  const auto end = payload.records.end();
  auto more = [&] { return at != end || payload.failure.has_value(); };
  // The next record, or the failure that stopped the reading there.
  auto take = [&]() -> Record& {
    if (at == end) throw *payload.failure;
    return *at++;
  };
  if (!more()) return;

  Record first = std::move(take());
  auto settings = std::make_unique<MainData>(MainData::fromRecord(first));
  deliver([&] { sink.settings(std::move(settings)); });
  LoadCheck check;
  check.record(first);

  // Windows are handed over as they come, every other record after all of them, so that
  // every item's window exists when the item is placed. Every name is checked in stream
  // order, all of them before any item is placed.
  std::vector<Record> items;
  items.push_back(std::move(first));
  while (more()) {
    Record& record = take();
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
