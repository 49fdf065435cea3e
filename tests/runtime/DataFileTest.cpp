#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fcntl.h>
#include <sys/wait.h>

#include <gtest/gtest.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <sstream>

#include "base/Cp949.h"
#include "lang/Texts.h"
#include "platform/Platform.h"
#include "runtime/DataFile.h"
#include "stream/ClassRegistry.h"
#include "stream/RecordReader.h"
#include "stream/RecordWriter.h"
#include "support/RecordHelpers.h"

namespace qav {
namespace {

using namespace std::string_literals;

using testing::FilePlatform;
using testing::makeRecord;
using testing::prop;

namespace fs = std::filesystem;

// A fresh directory for one test, removed with everything in it afterwards.
class TempDir {
 public:
  TempDir() {
    std::string tmpl = ::testing::TempDir() + "qavdataXXXXXX";
    path_ = ::mkdtemp(tmpl.data());
  }
  ~TempDir() {
    fs::permissions(path_, fs::perms::owner_all);
    fs::remove_all(path_);
  }
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  const std::string& path() const { return path_; }
  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(path_)) names.push_back(e.path().filename());
    return names;
  }

 private:
  std::string path_;
};

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void spill(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A row of 100 fields, each followed by the field end character.
std::string row(std::initializer_list<std::string> fields) {
  std::string r;
  std::size_t n = 0;
  for (const auto& f : fields) {
    r += f;
    r += DataQueue::kFieldEnd;
    ++n;
  }
  for (; n < DataQueue::kFieldsPerRow; ++n) r += DataQueue::kFieldEnd;
  return r;
}

std::vector<std::string> lineTexts(const Value& list) {
  std::vector<std::string> out;
  for (const auto& v : list.list) out.push_back(v.text);
  return out;
}

// A data file whose list carries the given lines, written by the stream writer.
std::string dataFileWith(const std::vector<std::string>& lines, std::string cls = "TDataQueue") {
  return writeRecords(
      {makeRecord(std::move(cls), "DataBox",
                  {prop("Data_Backup.Strings", Value::makeLines(lines)),
                   prop("Left", Value::makeInteger(8)), prop("Top", Value::makeInteger(184))})});
}

TEST(DataFile, SaveWritesCountedBlocksInTheStoredLayout) {
  TempDir dir;
  FilePlatform platform;
  DataQueue box;
  const std::string a = row({"홍길동", "010"}), b = row({"Kim", ""}), c = row({"x"});
  box.rowList(1) = {a, b};
  box.rowList(3) = {c};
  box.rowList(10) = {"never written"};
  std::string error;
  ASSERT_TRUE(DataSave(box, dir.file("data.dat"), platform, error)) << error;

  const std::string bytes = slurp(dir.file("data.dat"));
  RecordReader reader(bytes, 0, &ClassRegistry::instance());
  Record r = reader.read();
  EXPECT_TRUE(reader.atEnd());
  EXPECT_EQ(r.className, "TDataQueue");
  EXPECT_EQ(r.name, "DataBox");
  ASSERT_EQ(r.properties.size(), 3u);
  EXPECT_EQ(r.properties[0].name, "Data_Backup.Strings");
  EXPECT_EQ(lineTexts(r.properties[0].value),
            (std::vector<std::string>{"2", a, b, "0", "1", c, "0", "0", "0", "0", "0", "0"}));
  // The bytes themselves: Korean in CP949, then Left 8 (tag 2), Top 184 (tag 3), 00, 00.
  EXPECT_NE(bytes.find(text::encodeCp949("홍길동")), std::string::npos);
  EXPECT_EQ(bytes.substr(bytes.size() - 16),
            std::string("\x04Left\x02\x08\x03Top\x03\xB8\x00\x00\x00", 16));

  // An empty store is nine lines "0".
  DataQueue empty;
  ASSERT_TRUE(DataSave(empty, dir.file("empty.dat"), platform, error));
  const std::string emptyBytes = slurp(dir.file("empty.dat"));
  Record e = RecordReader(emptyBytes).read();
  EXPECT_EQ(lineTexts(e.properties[0].value), std::vector<std::string>(9, "0"));
}

TEST(DataFile, LoadReadsCountsLenientlyAndStopsWhereTheLinesRunOut) {
  TempDir dir;
  FilePlatform platform;
  const std::string path = dir.file("data.dat");
  auto box = std::make_unique<DataQueue>();

  spill(path, dataFileWith({" 3", "a", "b", "c", "3x", "d", "e", "f", "x", "", "-2", "+1", "g", "0",
                            "1", "h"}));
  DataLoad(box, path, platform);
  EXPECT_EQ(box->rowList(1), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(box->rowList(2), (std::vector<std::string>{"d", "e", "f"}));
  EXPECT_TRUE(box->rowList(3).empty());  // "x"
  EXPECT_TRUE(box->rowList(4).empty());  // ""
  EXPECT_TRUE(box->rowList(5).empty());  // "-2"
  EXPECT_EQ(box->rowList(6), (std::vector<std::string>{"g"}));
  EXPECT_TRUE(box->rowList(7).empty());
  EXPECT_EQ(box->rowList(8), (std::vector<std::string>{"h"}));
  EXPECT_TRUE(box->rowList(9).empty());  // no count line left

  // A sign always counts, "$" starts no hexadecimal count, and a count too large for 32 bits
  // takes every line that is left rather than wrapping round to a small one.
  spill(path, dataFileWith({"-1x", "a", "$2", "b", "c"}));
  DataLoad(box, path, platform);
  for (int t = 1; t <= 9; ++t) EXPECT_TRUE(box->rowList(t).empty()) << t;
  spill(path, dataFileWith({"4294967297", "a", "b"}));
  DataLoad(box, path, platform);
  EXPECT_EQ(box->rowList(1), (std::vector<std::string>{"a", "b"}));

  // A count beyond the lines keeps what is there; later tables stay empty.
  spill(path, dataFileWith({"2", "a", "b", "5", "c", "d"}));
  box->rowList(4) = {"stale"};
  DataLoad(box, path, platform);
  EXPECT_EQ(box->rowList(1), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(box->rowList(2), (std::vector<std::string>{"c", "d"}));
  for (int t = 3; t <= 9; ++t) EXPECT_TRUE(box->rowList(t).empty()) << t;

  // A huge count neither hangs nor reserves memory for rows that are not there.
  spill(path, dataFileWith({"2147483647", "only"}));
  DataLoad(box, path, platform);
  EXPECT_EQ(box->rowList(1), (std::vector<std::string>{"only"}));
}

TEST(DataFile, LoadThenSaveReproducesTheLinesAndLongRowsUseLongTexts) {
  TempDir dir;
  FilePlatform platform;
  std::string longRow = row({std::string(200, 'x'), "가나다라마바사아자차카타파하"});
  ASSERT_GT(text::cp949Size(longRow), 255u);
  // Bytes that are no CP949 text survive as they are.
  const std::string oddRow = text::decodeCp949(std::string("\x81\x20\xFF", 3)) + row({"odd"});
  const std::vector<std::string> lines = {
      "2", row({"이름", "전화"}), longRow, "0", "1", oddRow, "0", "0", "0", "0", "0", "0"};
  const std::string original = dataFileWith(lines);
  spill(dir.file("in.dat"), original);

  auto box = std::make_unique<DataQueue>();
  DataLoad(box, dir.file("in.dat"), platform);
  EXPECT_EQ(box->rowList(1).at(1), longRow);
  EXPECT_EQ(box->rowList(3).at(0), oddRow);
  std::string error;
  ASSERT_TRUE(DataSave(*box, dir.file("out.dat"), platform, error)) << error;
  const std::string saved = slurp(dir.file("out.dat"));
  EXPECT_EQ(saved, original);  // the same lines, the same bytes

  Record r = RecordReader(saved).read();
  const auto& list = r.properties[0].value.list;
  EXPECT_EQ(list[1].tag, Tag::String);
  EXPECT_EQ(list[2].tag, Tag::LString);
  EXPECT_EQ(lineTexts(r.properties[0].value), lines);
}

// Large files are written in pieces, each handed to the disk as it is written.
TEST(DataFile, ALargeFileIsReplacedWhole) {
  TempDir dir;
  FilePlatform platform;
  DataQueue box;
  for (int i = 0; i < 90000; ++i)
    box.rowList(1).push_back(row({std::to_string(i), "홍길동", std::string(80, 'x')}));
  spill(dir.file("old.dat"), std::string(std::size_t{3} << 20, 'o'));
  std::string error;
  ASSERT_TRUE(DataSave(box, dir.file("old.dat"), platform, error)) << error;
  EXPECT_GT(fs::file_size(dir.file("old.dat")), std::size_t{9} << 20);
  auto back = std::make_unique<DataQueue>();
  ASSERT_EQ(DataLoad(back, dir.file("old.dat"), platform), DataFileState::Loaded);
  EXPECT_TRUE(back->rowList(1) == box.rowList(1));
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"old.dat"});  // no temporary file left
}

// Rows keep their file bytes from the load, or from the save that converted them, until they
// change: whatever the edits, a save writes what converting every row afresh would write.
TEST(DataFile, SavesAfterEditsWriteWhatAFreshConversionWrites) {
  TempDir dir;
  FilePlatform platform;
  const std::string odd = text::decodeCp949(std::string("\x81\x20\xFF", 3));
  std::vector<std::string> lines = {"5"};
  for (int i = 0; i < 5; ++i) lines.push_back(row({"행" + std::to_string(i), odd}));
  lines.insert(lines.end(),
               {"0", "2", row({std::string(300, 'y')}), "", "0", "0", "0", "0", "0", "0"});
  spill(dir.file("in.dat"), dataFileWith(lines));
  auto box = std::make_unique<DataQueue>();
  ASSERT_EQ(DataLoad(box, dir.file("in.dat"), platform), DataFileState::Loaded);

  // The same rows in a store that has no file bytes for any of them.
  auto fresh = [&](const char* name) {
    DataQueue q;
    for (int t = 1; t <= DataQueue::kTables; ++t)
      q.rowList(t) = std::vector<std::string>(box->rowList(t).begin(), box->rowList(t).end());
    std::string error;
    EXPECT_TRUE(DataSave(q, dir.file(name), platform, error)) << error;
    return slurp(dir.file(name));
  };
  auto saved = [&](const char* name) {
    std::string error;
    EXPECT_TRUE(DataSave(*box, dir.file(name), platform, error)) << error;
    return slurp(dir.file(name));
  };
  RowList& rows = box->rowList(1);
  const std::vector<std::function<void()>> edits = {
      [&] {
        rows.set(1, row({"바뀐", odd + "행"}));
      },
      [&] { rows.erase(0); },
      [&] { rows.push_back(row({"새 행"})); },
      [&] { rows.set(0, row({"다시"})); },  // converted by an earlier save
      [&] { rows.pop_back(); },
      [&] { rows.resize(2); },
      [&] { rows.push_back(row({std::string(300, 'z')})); },
      [&] { box->rowList(3).set(0, ""); },
  };
  for (std::size_t i = 0; i < edits.size(); ++i) {
    edits[i]();
    EXPECT_EQ(saved("edited.dat"), fresh("fresh.dat")) << "after edit " << i;
  }
  auto back = std::make_unique<DataQueue>();
  DataLoad(back, dir.file("edited.dat"), platform);
  EXPECT_EQ(back->rowList(1), box->rowList(1));
}

TEST(DataFile, RowsOfUpTo255Cp949BytesAreSavedAsShortTexts) {
  TempDir dir;
  FilePlatform platform;
  DataQueue box;
  // 255 and 256 bytes in the file; the Korean rows are far longer in UTF-8.
  box.rowList(1) = {row({std::string(155, 'y')}), row({std::string(156, 'y')}),
                    row({"가" + std::string(153, 'y')}), row({"가" + std::string(154, 'y')})};
  std::string error;
  ASSERT_TRUE(DataSave(box, dir.file("data.dat"), platform, error)) << error;
  const std::string bytes = slurp(dir.file("data.dat"));
  const Record record = RecordReader(bytes).read();
  const auto& lines = record.properties[0].value.list;
  const Tag tags[] = {Tag::String, Tag::LString, Tag::String, Tag::LString};
  for (std::size_t i = 0; i < std::size(tags); ++i) EXPECT_EQ(lines[i + 1].tag, tags[i]) << i;
}

TEST(DataFile, UnreadableFilesLeaveEmptyTablesAndKeepTheStore) {
  TempDir dir;
  FilePlatform platform;
  auto fill = [](DataQueue& q) {
    for (int t = 1; t <= 9; ++t) q.rowList(t) = {"old"};
  };
  auto expectEmpty = [](const DataQueue& q, const char* what) {
    for (int t = 1; t <= 9; ++t) EXPECT_TRUE(q.rowList(t).empty()) << what << " table " << t;
  };
  auto box = std::make_unique<DataQueue>();
  const DataQueue* store = box.get();

  fill(*box);
  DataLoad(box, dir.file("missing.dat"), platform);
  expectEmpty(*box, "missing");
  EXPECT_EQ(box.get(), store);

  fill(*box);
  spill(dir.file("zero.dat"), "");
  DataLoad(box, dir.file("zero.dat"), platform);
  expectEmpty(*box, "empty file");

  const std::string good = dataFileWith({"1", "a", "1", "b"});
  for (const std::string& bad :
       {std::string("not a record at all"), good.substr(0, good.size() / 2),
        good.substr(0, good.size() - 1), dataFileWith({"1", "a"}, "TMainData"),
        "TPF0\x0ATDataQueue\x07"
        "DataBox\x04Left\x06\x01x\x00\x00"s,
        // A line that is no text, and a list cut off after its lines were checked.
        "TPF0\x0ATDataQueue\x07"
        "DataBox\x13"
        "Data_Backup.Strings\x01\x06\x01\x31\x02\x05\x00\x00\x00"s,
        good.substr(0, good.find("Left") - 1)}) {
    fill(*box);
    spill(dir.file("bad.dat"), bad);
    DataLoad(box, dir.file("bad.dat"), platform);
    expectEmpty(*box, "bad file");
    EXPECT_EQ(box.get(), store);
  }

  // Of two line lists the last one counts.
  spill(
      dir.file("two.dat"),
      writeRecords({makeRecord("TDataQueue", "DataBox",
                               {prop("Data_Backup.Strings", Value::makeLines({"1", "x"})),
                                prop("Data_Backup.Strings", Value::makeLines({"0", "1", "y"}))})}));
  DataLoad(box, dir.file("two.dat"), platform);
  EXPECT_TRUE(box->rowList(1).empty());
  EXPECT_EQ(box->rowList(2), (std::vector<std::string>{"y"}));
  box = std::make_unique<DataQueue>();
  store = box.get();

  // A readable file replaces the store object itself.
  spill(dir.file("good.dat"), good);
  DataLoad(box, dir.file("good.dat"), platform);
  EXPECT_NE(box.get(), store);
  EXPECT_EQ(box->rowList(2), (std::vector<std::string>{"b"}));

  // No store yet: one is made.
  std::unique_ptr<DataQueue> none;
  DataLoad(none, dir.file("good.dat"), platform);
  ASSERT_TRUE(none);
  EXPECT_EQ(none->rowList(1), (std::vector<std::string>{"a"}));
}

class RefusingPlatform : public FilePlatform {
 public:
  bool writeFileAtomic(const std::string&, std::string_view, std::string& error) override {
    error = "disk full";
    return false;
  }
};

// The soft file size limit for the duration of a test, with the signal that exceeding it raises
// ignored, so that writes past it fail the ordinary way.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    oldHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit lim = saved_;
    lim.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &lim);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit saved_{};
  sighandler_t oldHandler_;
};

TEST(DataFile, AFailedSaveReportsAndLeavesThePreviousFileIntact) {
  TempDir dir;
  FilePlatform platform;
  const std::string path = dir.file("data.dat");
  DataQueue box;
  box.rowList(1) = {row({"saved before"})};
  std::string error;
  ASSERT_TRUE(DataSave(box, path, platform, error));
  const std::string before = slurp(path);
  for (int i = 0; i < 2000; ++i) box.rowList(2).push_back(row({"new", std::to_string(i)}));

  // The platform refuses the write.
  RefusingPlatform refusing;
  EXPECT_FALSE(DataSave(box, path, refusing, error));
  EXPECT_EQ(error, "disk full");
  EXPECT_EQ(slurp(path), before);

  // A real write that fails part-way (the file size limit stands in for a full disk).
  error.clear();
  {
    FileSizeLimit limit(4096);
    EXPECT_FALSE(DataSave(box, path, platform, error));
  }
  EXPECT_NE(error.find(path), std::string::npos) << error;
  EXPECT_EQ(error.rfind(msg::kCannotWriteFile, 0), 0u) << error;  // told in Korean
  EXPECT_EQ(slurp(path), before);
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"data.dat"}));  // no temporary left
  EXPECT_FALSE(DataSave(box, dir.file("no/such/folder.dat"), platform, error));
  EXPECT_EQ(error, std::string(msg::kCannotCreateFile) + dir.file("no/such/folder.dat") + " (" +
                       std::string(msg::kNoSuchFolder) + ")");

  // A directory that cannot be written to, holding a file that cannot be written either.
  if (::geteuid() != 0) {
    ::chmod(dir.path().c_str(), 0500);
    ::chmod(path.c_str(), 0400);
    error.clear();
    EXPECT_FALSE(DataSave(box, path, platform, error));
    EXPECT_FALSE(error.empty());
    ::chmod(dir.path().c_str(), 0700);
    EXPECT_EQ(slurp(path), before);
  }

  // The same save succeeds once writing is possible, and keeps the file's permissions.
  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(DataSave(box, path, platform, error)) << error;
  struct stat st {};
  ::stat(path.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  auto loaded = std::make_unique<DataQueue>();
  DataLoad(loaded, path, platform);
  EXPECT_EQ(loaded->rowList(2).size(), 2000u);
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"data.dat"}));
}

TEST(DataFile, SaveThroughALinkOnlyWhenItStaysInTheProgramFolder) {
  TempDir dir, elsewhere;
  FilePlatform platform;
  const std::string program = dir.file("program");
  spill(program, "program");
  DataQueue box;
  box.rowList(1) = {row({"linked"})};
  spill(dir.file("real.dat"), "old");
  spill(elsewhere.file("victim"), "victim");
  ::mkdir(dir.file("sub").c_str(), 0700);
  ASSERT_EQ(::symlink("real.dat", dir.file("link.dat").c_str()), 0);
  ASSERT_EQ(::symlink("../real.dat", dir.file("sub/up.dat").c_str()), 0);
  ASSERT_EQ(::symlink(elsewhere.file("victim").c_str(), dir.file("out.dat").c_str()), 0);
  ASSERT_EQ(::symlink(elsewhere.path().c_str(), dir.file("outdir").c_str()), 0);
  ASSERT_EQ(::symlink("program", dir.file("self.dat").c_str()), 0);

  // A link to a file inside the folder is written through and stays a link.
  for (const char* name : {"link.dat", "sub\\up.dat"}) {
    DataLocation where = locateDataFile(platform, program, name);
    ASSERT_EQ(where.refusal, "") << name;
    spill(dir.file("real.dat"), "old");
    std::string error;
    ASSERT_TRUE(DataSave(box, where.path, platform, error)) << error;
    EXPECT_NE(slurp(dir.file("real.dat")), "old") << name;
  }
  struct stat st {};
  ASSERT_EQ(::lstat(dir.file("link.dat").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));

  // A link that leads out of the folder, or to the program, gets no path and a reason.
  const std::vector<std::pair<std::string, std::string_view>> refused = {
      {"out.dat", msg::kDataFileLinkOutside},
      {"outdir\\new.dat", msg::kDataFileLinkOutside},
      {"self.dat", msg::kDataFileIsProgram}};
  for (const auto& [name, reason] : refused) {
    DataLocation where = locateDataFile(platform, program, name);
    EXPECT_EQ(where.path, "") << name;
    EXPECT_EQ(where.refusal.rfind(reason, 0), 0u) << name << ": " << where.refusal;
  }
  // A link made after the start is refused when the save comes.
  ASSERT_EQ(::unlink(dir.file("real.dat").c_str()), 0);
  ASSERT_EQ(::symlink(elsewhere.file("victim").c_str(), dir.file("real.dat").c_str()), 0);
  EXPECT_EQ(
      refuseDataSave(platform, program, dir.file("link.dat")).rfind(msg::kDataFileLinkOutside, 0),
      0u);
  EXPECT_EQ(slurp(elsewhere.file("victim")), "victim");
}

TEST(DataFile, TheDataFileNameStaysInsideTheProgramFolder) {
  TempDir dir;
  FilePlatform platform;
  const std::string program = dir.file("program");
  spill(program, "program");
  const std::vector<std::pair<std::string, std::string_view>> refused = {
      {"..\\..\\..\\..\\home\\user\\.bashrc", msg::kDataFileOutside},
      {"data\\..\\..\\x.dat", msg::kDataFileOutside},
      {"..", msg::kDataFileOutside},
      {"/etc/passwd", msg::kDataFileOutside},
      {"\\x.dat", msg::kDataFileOutside},
      {"C:\\x.dat", msg::kDataFileOutside},
      {"", msg::kDataFileNoName},
      {"  ", msg::kDataFileNoName},
      {"data\\", msg::kDataFileNoName},
      {"program", msg::kDataFileIsProgram},
      {"PROGRAM", msg::kDataFileIsProgram},
      {".\\program", msg::kDataFileIsProgram}};
  for (const auto& [name, reason] : refused) {
    DataLocation where = locateDataFile(platform, program, name);
    EXPECT_EQ(where.path, "") << name;
    EXPECT_EQ(where.refusal.rfind(reason, 0), 0u) << name << ": " << where.refusal;
  }
  // Escapes in a quoted name are shown, not sent to the display.
  EXPECT_EQ(locateDataFile(platform, program, "..\\\x1B[2J").refusal,
            std::string(msg::kDataFileOutside) + "..\\\\x1B[2J");
}

TEST(DataFile, TheDataFileIsFoundWhateverTheCaseOfItsName) {
  TempDir dir;
  FilePlatform platform;
  const std::string program = dir.file("program");
  spill(program, "program");
  ::mkdir(dir.file("data").c_str(), 0700);
  spill(dir.file("data/members.dat"), "x");
  // Each part is matched without regard to case; the rest is spelled as written.
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Data\\Members.DAT", "data/members.dat"},
      {"data\\members.dat", "data/members.dat"},
      {"DATA\\New.dat", "data/New.dat"},
      {"New\\File.dat", "New/File.dat"},
      {".\\data\\\\MEMBERS.dat", "data/members.dat"}};
  for (const auto& [name, found] : cases) {
    DataLocation where = locateDataFile(platform, program, name);
    EXPECT_EQ(where.path, dir.file(found)) << name;
    EXPECT_EQ(where.refusal, "") << name;
  }
}

TEST(DataFile, ResourcesNamedByAWindowsPathAreFoundInTheProgramFolder) {
  TempDir dir;
  FilePlatform platform;
  ::mkdir(dir.file("Sounds").c_str(), 0700);
  spill(dir.file("Sounds/ding.wav"), "x");
  spill(dir.file("logo.bmp"), "x");
  // The longest trailing part that exists there, each part without regard to case; when none
  // does, the file name in the folder.
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"C:\\QAV\\app\\sounds\\DING.wav", "Sounds/ding.wav"},
      {"d:/other/place/ding.wav", "ding.wav"},
      {"C:\\QAV\\Sounds\\..\\logo.BMP", "logo.bmp"},
      {"C:\\x\\sounds\\missing.wav", "missing.wav"},
      {"sounds\\ding.wav", "Sounds/ding.wav"}};
  for (const auto& [name, found] : cases)
    EXPECT_EQ(platform.resolveIn(dir.path(), name), dir.file(found)) << name;
  // Only the drive-letter form is taken for the author's machine; other absolute names stay.
  EXPECT_EQ(platform.resolveIn(dir.path(), "\\QAV\\ding.wav"), "/QAV/ding.wav");
}

// Runs the check as a user without privileges (in a child process when the test runs as root),
// so that permissions and ownership apply; the check's failure, or "" when it passed.
std::string asUnprivileged(const std::function<std::string()>& check) {
  if (::geteuid() != 0) return check();
  int fds[2];
  if (::pipe(fds) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(fds[0]);
    std::string result = "cannot drop privileges";
    if (::setgid(65534) == 0 && ::setuid(65534) == 0) result = check();
    if (::write(fds[1], result.data(), result.size()) < 0) ::_exit(2);
    ::_exit(0);
  }
  ::close(fds[1]);
  std::string result;
  char buf[256];
  for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;) result.append(buf, n);
  ::close(fds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the check died";
  return result;
}

TEST(DataFile, OnlyRegularFilesWithinTheSizeLimitAreRead) {
  TempDir dir;
  FilePlatform platform;
  std::string bytes;
  // A pipe nobody writes to: refused at once instead of waiting for a writer.
  const std::string fifo = dir.file("pipe.dat");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  auto reading = std::async(std::launch::async, [&] {
    std::string b;
    return platform.readFile(fifo, b);
  });
  if (reading.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
    ADD_FAILURE() << "reading a pipe waits for a writer";
    ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));  // lets the waiting open go on
  }
  EXPECT_FALSE(reading.get());
  std::string error;
  EXPECT_FALSE(platform.loadPicture(fifo, error));
  EXPECT_FALSE(platform.readFile("/dev/null", bytes));
  EXPECT_FALSE(platform.readFile(dir.path(), bytes));

  // A file over the limit is refused before anything is read (this one has no blocks).
  const std::string huge = dir.file("huge.dat");
  spill(huge, "TPF0");
  ASSERT_EQ(::truncate(huge.c_str(), static_cast<off_t>(kMaxFileBytes) + 1), 0);
  EXPECT_FALSE(platform.readFile(huge, bytes));
  EXPECT_TRUE(bytes.empty());
  ASSERT_EQ(::truncate(huge.c_str(), static_cast<off_t>(kMaxFileBytes) / 4), 0);
  // The signature decides before the rest is read; an empty file passes as empty.
  EXPECT_FALSE(platform.readFile(huge, bytes, "TPFX"));
  spill(dir.file("small.dat"), "TPF0rest");
  EXPECT_TRUE(platform.readFile(dir.file("small.dat"), bytes, "TPF0"));
  EXPECT_EQ(bytes, "TPF0rest");
  spill(dir.file("empty.dat"), "");
  EXPECT_TRUE(platform.readFile(dir.file("empty.dat"), bytes, "TPF0"));
  EXPECT_EQ(bytes, "");
}

TEST(DataFile, LoadTellsAMissingFileFromOneThatCannotBeRead) {
  TempDir dir;
  FilePlatform platform;
  auto box = std::make_unique<DataQueue>();
  spill(dir.file("good.dat"), dataFileWith({"1", "a"}));
  spill(dir.file("empty.dat"), "");
  spill(dir.file("text.dat"), "rows, as text");
  spill(dir.file("cut.dat"), dataFileWith({"1", "a"}).substr(0, 20));
  spill(dir.file("other.dat"), dataFileWith({"1", "a"}, "TMainData"));
  ::mkdir(dir.file("folder.dat").c_str(), 0700);
  const std::vector<std::pair<std::string, DataFileState>> cases = {
      {"good.dat", DataFileState::Loaded},      {"missing.dat", DataFileState::Missing},
      {"empty.dat", DataFileState::Missing},    {"text.dat", DataFileState::Unreadable},
      {"cut.dat", DataFileState::Unreadable},   {"other.dat", DataFileState::Unreadable},
      {"folder.dat", DataFileState::Unreadable}};
  for (const auto& [name, state] : cases)
    EXPECT_EQ(DataLoad(box, dir.file(name), platform), state) << name;
}

TEST(DataFile, SavedFilesGetTheUmaskOrKeepTheirModeAndOwner) {
  TempDir dir;
  FilePlatform platform;
  DataQueue box;
  std::string error;
  auto modeOf = [](const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
  };
  const mode_t saved = ::umask(027);
  const bool created = DataSave(box, dir.file("new.dat"), platform, error);
  ::umask(saved);
  ASSERT_TRUE(created) << error;
  EXPECT_EQ(modeOf(dir.file("new.dat")), 0640u);

  // Set-user and set-group bits are not carried over to a file now written by the saver.
  spill(dir.file("setid.dat"), "old");
  ::chmod(dir.file("setid.dat").c_str(), 06755);
  ASSERT_TRUE(DataSave(box, dir.file("setid.dat"), platform, error)) << error;
  EXPECT_EQ(modeOf(dir.file("setid.dat")), 0755u);

  if (::geteuid() != 0) GTEST_SKIP() << "the owner checks need a second user";
  // Another user's file keeps its owner; a saver who cannot keep it does not replace it.
  ::chmod(dir.path().c_str(), 0777);
  const std::string theirs = dir.file("theirs.dat");
  spill(theirs, "theirs");
  ASSERT_EQ(::chown(theirs.c_str(), 12345, 12345), 0);
  ::chmod(theirs.c_str(), 0666);
  ASSERT_TRUE(DataSave(box, theirs, platform, error)) << error;
  struct stat st {};
  ::stat(theirs.c_str(), &st);
  EXPECT_EQ(st.st_uid, 12345u);
  EXPECT_EQ(st.st_gid, 12345u);
  spill(theirs, "theirs");
  EXPECT_EQ(asUnprivileged([&]() -> std::string {
              FilePlatform p;
              DataQueue b;
              std::string e;
              if (DataSave(b, theirs, p, e)) return "replaced another user's file";
              if (e.rfind(msg::kOwnerNotKept, 0) != 0) return "wrong reason: " + e;
              return "";
            }),
            "");
  EXPECT_EQ(slurp(theirs), "theirs");
}

TEST(DataFile, AFolderThatCannotBeWrittenGetsItsDataFileRewrittenInPlace) {
  TempDir dir;
  const std::string path = dir.file("data.dat");
  spill(path, dataFileWith({"1", "old"}));
  const std::string before = slurp(path);
  ::chmod(path.c_str(), 0666);
  ::chmod(dir.path().c_str(), 0755);  // writable by its owner only
  if (::geteuid() != 0) ::chmod(dir.path().c_str(), 0555);
  const std::string result = asUnprivileged([&]() -> std::string {
    FilePlatform platform;
    DataQueue box;
    for (int i = 0; i < 200; ++i) box.rowList(1).push_back(row({"new", std::to_string(i)}));
    std::string error;
    // A rewrite that fails part-way puts the previous bytes back.
    {
      FileSizeLimit limit(4096);
      if (DataSave(box, path, platform, error)) return "saved past the size limit";
    }
    if (slurp(path) != before) return "the previous content was not put back";
    if (!DataSave(box, path, platform, error)) return "no save in place: " + error;
    auto loaded = std::make_unique<DataQueue>();
    DataLoad(loaded, path, platform);
    if (loaded->rowList(1) != box.rowList(1)) return "the rows were not written";
    return "";
  });
  ::chmod(dir.path().c_str(), 0700);
  EXPECT_EQ(result, "");
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"data.dat"}));
}

TEST(DataFile, DataPathIsTheProgramDirectoryAndTheStoredName) {
  FilePlatform platform;
  auto path = [&](const std::string& program, const std::string& name) {
    return locateDataFile(platform, program, name).path;
  };
  EXPECT_EQ(path("/opt/app/주소록", "data\\book.dat"), "/opt/app/data/book.dat");
  EXPECT_EQ(path("/opt/app/prog", "book.dat"), "/opt/app/book.dat");
  EXPECT_EQ(path("prog", "book.dat"), "book.dat");
  EXPECT_EQ(path("/prog", "a\\b\\c.dat"), "/a/b/c.dat");
}

}  // namespace
}  // namespace qav
