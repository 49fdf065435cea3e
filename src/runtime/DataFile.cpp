#include "runtime/DataFile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "base/Cp949.h"
#include "base/Text.h"
#include "lang/Messages.h"
#include "platform/Platform.h"
#include "stream/ClassRegistry.h"
#include "stream/RecordReader.h"

namespace qav {
namespace {

constexpr std::string_view kSignature = "TPF0";
constexpr std::string_view kClassName = "TDataQueue";
constexpr std::string_view kStoreName = "DataBox";
constexpr std::string_view kLinesProperty = "Data_Backup.Strings";

// The file image is written through a pointer into a buffer sized for the worst case (a
// line's CP949 form is never longer than its UTF-8 form), so that nothing is copied twice.
char* putShortText(char* o, std::string_view s) {
  *o++ = static_cast<char>(s.size());
  return std::copy(s.begin(), s.end(), o);
}

// One line of the list: tag 6 with a length byte, or tag 12 with a 4-byte length when the
// CP949 form is longer than 255 bytes. The n bytes of the form are already at o + 5; a short
// line is moved back over the three length bytes it does not need.
char* finishLine(char* o, std::size_t n) {
  char* const text = o + 5;
  if (n <= 255) {
    o[0] = static_cast<char>(Tag::String);
    o[1] = static_cast<char>(n);
    std::memmove(o + 2, text, n);
    return o + 2 + n;
  }
  o[0] = static_cast<char>(Tag::LString);
  for (int i = 0; i < 4; ++i) o[1 + i] = static_cast<char>(n >> (8 * i) & 0xFF);
  return text + n;
}

// A line whose CP949 form is at hand.
char* putLineBytes(char* o, std::string_view bytes) {
  std::memcpy(o + 5, bytes.data(), bytes.size());
  return finishLine(o, bytes.size());
}

// A count line: leading blanks, an optional sign, then decimal digits up to the first other
// character; no digits is 0. Unlike the scripts' number reading, the sign always applies and
// "$" starts no hexadecimal number. Large counts saturate instead of wrapping.
int64_t rowCount(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && line[i] == ' ') ++i;
  bool negative = false;
  if (i < line.size() && (line[i] == '-' || line[i] == '+')) negative = line[i++] == '-';
  int64_t n = 0;
  for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i)
    n = std::min<int64_t>(n * 10 + (line[i] - '0'), INT32_MAX);
  return negative ? -n : n;
}

// Hands the counted blocks of the flattened lines to row lists 1-9, decoding each line as it
// goes, so that the rows are the only copy made; each row keeps its bytes in the file image
// as its form for the next save. Stops at the first count line that is missing
// or at the end of the lines, keeping what was handed over so far; lines after the last block
// are never decoded.
void distribute(const std::shared_ptr<const std::string>& image, std::size_t start,
                DataQueue& box) {
  TextListCursor lines(*image, start);
  for (int t = 1; t <= DataQueue::kTables; ++t) {
    const auto countLine = lines.next();
    if (!countLine) return;
    const int64_t n = rowCount(text::decodeCp949(*countLine));
    auto& rows = box.rowList(t);
    rows.clear();
    if (n > 0) rows.reserve(std::min(static_cast<std::size_t>(n), lines.mostLeft()));
    for (int64_t i = 0; i < n; ++i) {
      const auto line = lines.next();
      if (!line) return;
      rows.pushLoaded(text::decodeCp949(*line), *line, image);
    }
  }
}

}  // namespace

DataFileState DataLoad(std::unique_ptr<DataQueue>& box, const std::string& path,
                       Platform& platform) {
  if (!box) box = std::make_unique<DataQueue>();
  for (int t = 1; t <= DataQueue::kTables; ++t) box->rowList(t).clear();
  // Any failure from here on ends the load silently, keeping what was done.
  try {
    auto image = std::make_shared<std::string>();
    std::string& bytes = *image;
    if (!platform.readFile(path, bytes, kSignature))
      return platform.exists(path) ? DataFileState::Unreadable : DataFileState::Missing;
    if (bytes.empty()) return DataFileState::Missing;
    // The lines are checked in place and then walked once, straight into the row lists.
    RecordReader reader(bytes, 0, &ClassRegistry::instance());
    reader.passOverTextList(kLinesProperty);
    Record record = reader.read();
    if (record.className != kClassName) return DataFileState::Unreadable;
    box = std::make_unique<DataQueue>();
    if (reader.listStart()) distribute(image, *reader.listStart(), *box);
    return DataFileState::Loaded;
  } catch (...) {
    return DataFileState::Unreadable;
  }
}

bool DataSave(DataQueue& box, const std::string& path, Platform& platform, std::string& error) {
  // The lines go straight from the row lists into the file image; the store's flattened list
  // is not needed for that and stays as it is.
  constexpr std::size_t kFixed = 96, kPerLine = 5, kCountLine = kPerLine + 20;
  std::size_t room = kFixed + DataQueue::kTables * kCountLine;
  for (int t = 1; t <= DataQueue::kTables; ++t)
    for (const auto& row : box.rowList(t)) room += row.size() + kPerLine;
  const auto image = std::make_unique_for_overwrite<char[]>(room);
  char* o = image.get();

  o = std::copy(kSignature.begin(), kSignature.end(), o);
  o = putShortText(o, kClassName);
  o = putShortText(o, kStoreName);
  o = putShortText(o, kLinesProperty);
  *o++ = static_cast<char>(Tag::List);
  for (int t = 1; t <= DataQueue::kTables; ++t) {
    const auto& rows = box.rowList(t);
    o = putLineBytes(o, std::to_string(rows.size()));  // digits: the same in CP949
    for (std::size_t i = 0; i < rows.size(); ++i) o = putLineBytes(o, rows.fileForm(i));
  }
  *o++ = static_cast<char>(Tag::Null);
  // The store's design position, which readers ignore.
  o = putShortText(o, "Left");
  *o++ = static_cast<char>(Tag::Int8);
  *o++ = static_cast<char>(8);
  o = putShortText(o, "Top");
  *o++ = static_cast<char>(Tag::Int16);
  *o++ = static_cast<char>(184);
  *o++ = static_cast<char>(0);
  *o++ = '\0';  // end of properties
  *o++ = '\0';  // end of children
  return platform.writeFileAtomic(
      path, std::string_view(image.get(), static_cast<std::size_t>(o - image.get())), error);
}

namespace {

std::string directoryOf(const std::string& programPath) {
  const auto slash = programPath.rfind('/');
  return slash == std::string::npos ? std::string() : programPath.substr(0, slash + 1);
}

bool isDriveLetter(std::string_view name) {
  return name.size() >= 2 && name[1] == ':' &&
         ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
}

}  // namespace

DataLocation locateDataFile(Platform& platform, const std::string& programPath,
                            const std::string& dataFile) {
  const std::string shown = text::printable(dataFile);
  std::string name;
  for (char c : dataFile) name += c == '\\' ? '/' : c;
  if (text::trim(name).empty()) return {{}, std::string(msg::kDataFileNoName)};
  if (name[0] == '/' || isDriveLetter(name))
    return {{}, std::string(msg::kDataFileOutside) + shown};
  // Only plain names and sub-folders: no part may climb, and the last must name a file.
  std::size_t start = 0;
  std::string last;
  for (;;) {
    const std::size_t end = std::min(name.find('/', start), name.size());
    const std::string_view part = std::string_view(name).substr(start, end - start);
    if (part == "..") return {{}, std::string(msg::kDataFileOutside) + shown};
    last = part;
    if (end == name.size()) break;
    start = end + 1;
  }
  if (text::trim(last).empty() || last == ".") return {{}, std::string(msg::kDataFileNoName)};
  const std::string dir = directoryOf(programPath);
  DataLocation where{platform.resolveIn(dir.empty() ? "." : dir, name), {}};
  if (dir.empty() && where.path.compare(0, 2, "./") == 0) where.path.erase(0, 2);
  where.refusal = refuseDataSave(platform, programPath, where.path);
  if (!where.refusal.empty()) where.path.clear();
  return where;
}

std::string refuseDataSave(Platform& platform, const std::string& programPath,
                           const std::string& path) {
  const std::string shown = text::printable(path);
  const std::string real = platform.realPath(path);
  if (real.empty()) return {};  // its folder does not exist: nothing can be written there
  const std::string program = platform.realPath(programPath);
  if (!program.empty() && real == program) return std::string(msg::kDataFileIsProgram) + shown;
  const std::string dir = directoryOf(programPath);
  std::string folder = platform.realPath(dir.empty() ? std::string(".") : dir);
  if (folder.empty()) return {};
  if (folder.back() != '/') folder += '/';
  if (real.compare(0, folder.size(), folder) != 0)
    return std::string(msg::kDataFileLinkOutside) + shown;
  return {};
}

void DataFiles::open(const std::string& dataFile) {
  DataLocation where = locateDataFile(platform_, programPath_, dataFile);
  path_ = std::move(where.path);
  refusal_ = std::move(where.refusal);
  if (!path_.empty()) load();
}

DataFileState DataFiles::load() {
  const DataFileState state = DataLoad(box_, path_, platform_);
  if (state != DataFileState::Unreadable) {
    keepUnreadable_ = false;
    return state;
  }
  keepUnreadable_ = true;
  const std::string shown = text::printable(path_);
  platform_.messageBox(DialogKind::Warning, msg::kWarningCaption,
                       std::string(msg::kDataFileUnreadable) + shown +
                           std::string(msg::kDataFileUnreadableKept) + shown +
                           std::string(msg::kBackupSuffix),
                       kOk);
  return state;
}

bool DataFiles::save(std::string& error) {
  if (path_.empty()) {
    error = refusal_.empty() ? std::string(msg::kNoDataFile) : refusal_;
    return false;
  }
  // Checked again at every save: a link may have been put in the file's place meanwhile. (A
  // store given its data path directly, without a program, has no folder to keep it in.)
  error.clear();
  if (!programPath_.empty()) error = refuseDataSave(platform_, programPath_, path_);
  if (!error.empty()) return false;
  // A file that could not be read is kept aside, never overwritten.
  if (keepUnreadable_ && platform_.exists(path_)) {
    if (!platform_.renameFile(path_, path_ + std::string(msg::kBackupSuffix))) {
      error = std::string(msg::kBackupFailed) + text::printable(path_);
      return false;
    }
  }
  keepUnreadable_ = false;
  return DataSave(*box_, path_, platform_, error);
}

}  // namespace qav
