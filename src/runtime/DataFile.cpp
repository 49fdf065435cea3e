#include "runtime/DataFile.h"

#include <algorithm>
#include <cstdint>

#include "base/Cp949.h"
#include "base/Text.h"
#include "lang/Texts.h"
#include "platform/Platform.h"
#include "stream/ClassRegistry.h"
#include "stream/RecordReader.h"

namespace qav {
namespace {

constexpr std::string_view kSignature = "TPF0";
constexpr std::string_view kClassName = "TDataQueue";
constexpr std::string_view kStoreName = "DataBox";
constexpr std::string_view kLinesProperty = "Data_Backup.Strings";

void appendShortText(std::string& out, std::string_view s) {
  out += static_cast<char>(s.size());
  out += s;
}

// Where bytes at..at+n of a file image lie, when offsets of that size can be kept.
RowList::Span spanOf(std::size_t at, std::size_t n) {
  if (at + n >= RowList::Span::kNone) return {};
  return {static_cast<uint32_t>(at), static_cast<uint32_t>(n)};
}

// One line of the list: tag 6 with a length byte, or tag 12 with a 4-byte length when the
// CP949 form is longer than 255 bytes. The form is known (data set) or converted straight
// into the output. Returns where the form lies in the output.
RowList::Span appendLine(std::string& out, std::string_view utf8, std::string_view known = {}) {
  const std::size_t at = out.size();
  out.append(5, '\0');
  if (known.data())
    out += known;
  else
    text::appendCp949(out, utf8);
  const std::size_t n = out.size() - at - 5;
  if (n <= 255) {
    out[at] = static_cast<char>(Tag::String);
    out[at + 1] = static_cast<char>(n);
    out.erase(at + 2, 3);
    return spanOf(at + 2, n);
  }
  out[at] = static_cast<char>(Tag::LString);
  for (int i = 0; i < 4; ++i) out[at + 1 + i] = static_cast<char>(n >> (8 * i) & 0xFF);
  return spanOf(at + 5, n);
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
// goes, so that the rows are the only copy made; each row keeps where its bytes lie in the
// file image for the next save. Stops at the first count line that is missing
// or at the end of the lines, keeping what was handed over so far; lines after the last block
// are never decoded.
void distribute(TextListCursor lines, const std::string& image, DataQueue& box) {
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
      rows.push_back(text::decodeCp949(*line),
                     spanOf(static_cast<std::size_t>(line->data() - image.data()), line->size()));
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
    std::string bytes;
    if (!platform.readFile(path, bytes, kSignature))
      return platform.exists(path) ? DataFileState::Unreadable : DataFileState::Missing;
    if (bytes.empty()) return DataFileState::Missing;
    // The lines are checked in place and then walked once, straight into the row lists.
    RecordReader reader(bytes, 0, &ClassRegistry::instance());
    reader.passOverTextList(kLinesProperty);
    Record record = reader.read();
    if (record.className != kClassName) return DataFileState::Unreadable;
    box = std::make_unique<DataQueue>();
    if (reader.listStart()) distribute(TextListCursor(bytes, *reader.listStart()), bytes, *box);
    box->setFileImage(std::move(bytes));
    return DataFileState::Loaded;
  } catch (...) {
    return DataFileState::Unreadable;
  }
}

bool DataSave(DataQueue& box, const std::string& path, Platform& platform, std::string& error) {
  // The lines go straight from the row lists into the file image; the store's flattened list
  // is not needed for that and stays as it is. Rows unchanged since the last load or save are
  // copied from that image; the new image then takes its place.
  std::size_t estimate = 64;
  for (int t = 1; t <= DataQueue::kTables; ++t)
    for (const auto& row : box.rowList(t)) estimate += row.size() + 5;
  std::string out;
  out.reserve(estimate + 16 * DataQueue::kTables);

  out += "TPF0";
  appendShortText(out, kClassName);
  appendShortText(out, kStoreName);
  appendShortText(out, kLinesProperty);
  out += static_cast<char>(Tag::List);
  for (int t = 1; t <= DataQueue::kTables; ++t) {
    RowList& rows = box.rowList(t);
    appendLine(out, std::to_string(rows.size()));
    const std::string& last = box.fileImage();
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const RowList::Span was = rows.span(i);
      rows.setSpan(i, appendLine(out, rows[i],
                                 was.at == RowList::Span::kNone
                                     ? std::string_view()
                                     : std::string_view(last).substr(was.at, was.size)));
    }
  }
  out += static_cast<char>(Tag::Null);
  // The store's design position, which readers ignore.
  appendShortText(out, "Left");
  out += static_cast<char>(Tag::Int8);
  out += static_cast<char>(8);
  appendShortText(out, "Top");
  out += static_cast<char>(Tag::Int16);
  out += static_cast<char>(184);
  out += static_cast<char>(0);
  out += '\0';  // end of properties
  out += '\0';  // end of children
  const bool written = platform.writeFileAtomic(path, out, error);
  box.setFileImage(std::move(out));
  return written;
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
