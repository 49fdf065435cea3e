#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/Cp949.h"
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
        "DataBox\x04Left\x06\x01x\x00\x00"s}) {
    fill(*box);
    spill(dir.file("bad.dat"), bad);
    DataLoad(box, dir.file("bad.dat"), platform);
    expectEmpty(*box, "bad file");
    EXPECT_EQ(box.get(), store);
  }

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
  EXPECT_EQ(slurp(path), before);
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"data.dat"}));  // no temporary left

  // A directory that cannot be written to.
  if (::geteuid() != 0) {
    ::chmod(dir.path().c_str(), 0500);
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

TEST(DataFile, SaveThroughALinkReplacesTheLinkedFile) {
  TempDir dir;
  FilePlatform platform;
  DataQueue box;
  box.rowList(1) = {row({"linked"})};
  spill(dir.file("real.dat"), "old");
  ASSERT_EQ(::symlink("real.dat", dir.file("link.dat").c_str()), 0);
  std::string error;
  ASSERT_TRUE(DataSave(box, dir.file("link.dat"), platform, error)) << error;
  struct stat st {};
  ASSERT_EQ(::lstat(dir.file("link.dat").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_NE(slurp(dir.file("real.dat")), "old");
}

TEST(DataFile, DataPathIsTheProgramDirectoryAndTheStoredName) {
  EXPECT_EQ(dataPath("/opt/app/주소록", "data\\book.dat"), "/opt/app/data/book.dat");
  EXPECT_EQ(dataPath("/opt/app/prog", "book.dat"), "/opt/app/book.dat");
  EXPECT_EQ(dataPath("prog", "book.dat"), "book.dat");
  EXPECT_EQ(dataPath("/prog", "a\\b\\c.dat"), "/a/b/c.dat");
}

}  // namespace
}  // namespace qav
