#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "runtime/ProjectLoader.h"
#include "stream/LoadError.h"
#include "stream/RecordWriter.h"
#include "support/RecordHelpers.h"

namespace qav {
namespace {

using testing::makeRecord;
using testing::prop;

// A program file of the given size whose bytes from the payload offset on are `tail`.
std::string programFile(const std::string& name, std::size_t headSize, const std::string& tail) {
  std::string path = ::testing::TempDir() + name;
  int fd = ::open(path.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
  EXPECT_GE(fd, 0);
  EXPECT_EQ(::ftruncate(fd, static_cast<off_t>(headSize)), 0);
  EXPECT_EQ(::pwrite(fd, tail.data(), tail.size(), static_cast<off_t>(headSize)),
            static_cast<ssize_t>(tail.size()));
  ::close(fd);
  return path;
}

TEST(ProjectLoader, PayloadStartsAtTheFixedOffset) {
  bool tooShort = true;
  std::string error;

  std::string path = programFile("short.bin", kPayloadOffset - 1, "");
  EXPECT_EQ(readPayload(path, tooShort, error), std::nullopt);
  EXPECT_TRUE(tooShort);

  path = programFile("exact.bin", kPayloadOffset, "");
  auto payload = readPayload(path, tooShort, error);
  ASSERT_TRUE(payload.has_value());
  EXPECT_FALSE(tooShort);
  EXPECT_TRUE(payload->empty());

  path = programFile("full.bin", kPayloadOffset, "TPF0 and the rest");
  payload = readPayload(path, tooShort, error);
  ASSERT_TRUE(payload.has_value());
  EXPECT_EQ(*payload, "TPF0 and the rest");
  ::unlink(path.c_str());

  tooShort = true;
  EXPECT_EQ(readPayload(::testing::TempDir() + "no-such-program", tooShort, error), std::nullopt);
  EXPECT_FALSE(tooShort);
  EXPECT_NE(error.find("no-such-program"), std::string::npos);

  EXPECT_STREQ(kDamagedProgramMessage,
               "QAV Maker 기본 테이블 데이타 자료가 손상되었습니다.\r실행을 계속할 수 없습니다.");
}

// Notes what it receives, in order; can be told to refuse one record.
class Journal : public ProjectSink {
 public:
  void settings(std::unique_ptr<MainData> s) override {
    log.push_back("settings " + s->ProgramName);
    store = std::move(s);
  }
  void windowRecord(Record r) override { log.push_back("window " + r.name); }
  void itemRecord(Record r) override {
    if (r.name == refuse) throw LoadError("name " + r.name + " is already in use");
    log.push_back("item " + r.name);
  }
  std::vector<std::string> log;
  std::unique_ptr<MainData> store;
  std::string refuse;
};

Record settings(std::size_t backupLines = 1159) {
  return makeRecord(
      "TMainData", "MainData1",
      {prop("Pages_Name.Strings", Value::makeLines({"FormMain"})),
       prop("Data_Backup.Strings", Value::makeLines(std::vector<std::string>(backupLines, "N"))),
       prop("ProgramName", Value::makeText("장부"))});
}

Record window(std::string name) {
  return makeRecord("TNewPanel", std::move(name), {prop("Title", Value::makeText("창"))});
}

Record label(std::string name) {
  return makeRecord("TNewLabel", std::move(name),
                    {prop("ParentName", Value::makeText("FormMain")),
                     prop("EnabledCheck", Value::makeBool(true))});
}

TEST(ProjectLoader, SettingsThenWindowsThenEveryOtherRecordInStreamOrder) {
  const std::string payload = writeRecords(
      {settings(), label("LabelA"), window("FormMain"), label("LabelB"), window("FormTwo")});
  Journal j;
  loadProject(payload, j);
  EXPECT_EQ(j.log, (std::vector<std::string>{"settings 장부", "window FormMain", "window FormTwo",
                                             "item MainData1", "item LabelA", "item LabelB"}));
  ASSERT_TRUE(j.store);
  EXPECT_EQ(j.store->startWindowName(), "FormMain");

  Journal none;
  loadProject("", none);
  EXPECT_TRUE(none.log.empty());
}

std::string failureOf(std::string_view payload, Journal& j) {
  try {
    loadProject(payload, j);
  } catch (const LoadError& e) {
    return e.what();
  }
  ADD_FAILURE() << "the load did not fail";
  return "";
}

TEST(ProjectLoader, TheFirstFailureStopsTheLoadAfterWhatWasReadBeforeIt) {
  // The first record must be the settings record.
  Journal a;
  EXPECT_NE(failureOf(writeRecords({label("LabelA"), settings()}), a).find("TNewLabel"),
            std::string::npos);
  EXPECT_TRUE(a.log.empty());

  // Settings without their 1,159 lines.
  Journal b;
  EXPECT_FALSE(failureOf(writeRecords({settings(1158), window("FormMain")}), b).empty());
  EXPECT_TRUE(b.log.empty());

  // A record of an unknown class after a window: the window was handed over, the text of the
  // reader's failure reaches the caller, and no item was placed.
  Journal c;
  const std::string bad = writeRecords(
      {settings(), window("FormMain"), makeRecord("TForm", "Form9"), window("FormTwo")});
  const std::string why = failureOf(bad, c);
  EXPECT_NE(why.find("TForm"), std::string::npos) << why;
  EXPECT_EQ(c.log, (std::vector<std::string>{"settings 장부", "window FormMain"}));

  // A property the class does not have.
  Journal d;
  Record odd = label("LabelZ");
  odd.properties.push_back(prop("OnClick", Value::makeIdent("LabelZClick")));
  EXPECT_NE(failureOf(writeRecords({settings(), odd}), d).find("OnClick"), std::string::npos);

  // Bytes cut short in the middle of a record.
  Journal e;
  const std::string whole = writeRecords({settings(), window("FormMain"), label("LabelA")});
  EXPECT_FALSE(failureOf(std::string_view(whole).substr(0, whole.size() - 3), e).empty());
  EXPECT_EQ(e.log, (std::vector<std::string>{"settings 장부", "window FormMain"}));

  // A failure of the receiver stops the load with its own text.
  Journal f;
  f.refuse = "LabelB";
  EXPECT_EQ(
      failureOf(writeRecords({settings(), label("LabelA"), label("LabelB"), label("LabelC")}), f),
      "name LabelB is already in use");
  EXPECT_EQ(f.log, (std::vector<std::string>{"settings 장부", "item MainData1", "item LabelA"}));
}

}  // namespace
}  // namespace qav
