#include <gtest/gtest.h>

#include "lang/Texts.h"
#include "runtime/LoadCheck.h"
#include "stream/LoadError.h"
#include "stream/RecordWriter.h"
#include "support/ProjectBuilder.h"
#include "support/ScriptFixture.h"

namespace qav::testing {
namespace {

// The record a refused project names in both texts ("" when the project passes), and the
// projects: a start window and a second window, then the case's records.
struct Case {
  const char* what;
  std::vector<Record> records;
  std::string refused;
};

Record rec(std::string cls, std::string name, std::string parent = "PanelMain",
           std::vector<Property> extra = {}) {
  Record r;
  r.className = std::move(cls);
  r.name = std::move(name);
  if (!parent.empty()) r.properties.push_back(Text("ParentName", std::move(parent)));
  for (auto& p : extra) r.properties.push_back(std::move(p));
  return r;
}

std::string refusal(const std::vector<Record>& extra, std::string start = "PanelMain") {
  ProjectBuilder b;
  b.window(start, 0, 0, 10, 10);
  b.window("PanelTwo", 0, 0, 10, 10);
  std::vector<Record> all{b.settingsRecord()};
  all.insert(all.end(), b.records().begin(), b.records().end());
  all.insert(all.end(), extra.begin(), extra.end());
  try {
    LoadCheck::checkRecords(all);
  } catch (const LoadError& e) {
    EXPECT_NE(e.userText(), e.what());  // a Korean text for the user, an English line for tools
    return e.userText() + " | " + e.what();
  }
  return "";
}

TEST(LoadCheck, EveryNameTheLoadGivesIsAnIdentifierOfTheOneNamespace) {
  const Case cases[] = {
      {"a placed item whose name cuts to nothing", {rec("TNewLabel", "Lbl01")}, "Lbl01"},
      {"unplaced, it keeps its stream name", {rec("TNewLabel", "Lbl01", "PanelNowhere")}, ""},
      {"a run-time name starting with a digit", {rec("TNewEdit", "Edit12")}, "Edit12"},
      {"a window record's name is checked", {rec("TNewPanel", "Fr-01Main", "")}, "Fr-01Main"},
      {"a window whose name cuts to nothing", {rec("TNewPanel", "Form3", "")}, "Form3"},
      {"an item may not take a window record's stream name",
       {rec("TNewLabel", "PanelTwo", "PanelNowhere")},
       "PanelTwo (TNewLabel)"},
      {"nor may a placed item's run-time name",
       {rec("TNewLabel", "LabelPanelTwo")},
       "LabelPanelTwo"},
      {"a window's event holder is listed", {rec("TNewLabel", "LabelIvent_Two")}, "Ivent_Two"},
      {"two windows of one run-time name", {rec("TNewPanel", "FormsTWO", "")}, "FormsTWO"},
      {"menu entries", {rec("TNewButton", "ButtnN3")}, "ButtnN3"},
      {"the splash entry", {rec("TNewTimer", "TimerQavMaker1")}, "TimerQavMaker1"},
      {"the data store, unplaced", {rec("TNewLabel", "databox", "")}, "databox"},
      {"a schema table, any case", {rec("TNewEdit", "Edit1hint_newedit")}, "Edit1hint_newedit"},
      {"page tabs are names too",
       {rec("TNewPage", "PagesBook", "PanelMain", {LinesOf("PageName", {"가", "[None]", "나"})}),
        rec("TNewLabel", "LabelBook_2")},
       "LabelBook_2"},
      {"a list's record keeps its stream name beside its list",
       {rec("TNewListBox", "ListBNames"), rec("TNewLabel", "ListBNames", "")},
       "ListBNames (TNewLabel)"},
      {"radio buttons and clocks keep their stream name instead",
       {rec("TNewRadioButton", "RadioN1"), rec("TNewWatch", "WatchTwo")},
       ""},
      {"a well-named project", {rec("TNewLabel", "LabelOne"), rec("TNewTimer", "TimerOne2")}, ""},
  };
  for (const Case& c : cases) {
    const std::string why = refusal(c.records);
    if (c.refused.empty())
      EXPECT_EQ(why, "") << c.what;
    else
      EXPECT_NE(why.find(c.refused), std::string::npos) << c.what << ": " << why;
  }
  EXPECT_NE(refusal({}, "Frm011x").find("Frm011x"), std::string::npos);  // the main window too
}

TEST(LoadCheck, TheSettingsMustNameTheStartWindow) {
  for (const std::vector<std::string>& pages :
       {std::vector<std::string>{}, std::vector<std::string>{""}, {"Panel", "PanelMain"}}) {
    Record s = ProjectBuilder().settingsRecord();
    s.set("Pages_Name.Strings", Value::makeLines(pages));
    try {
      LoadCheck::checkRecords({s});
      ADD_FAILURE() << pages.size();
    } catch (const LoadError& e) {
      EXPECT_NE(e.userText().find("Pages_Name"), std::string::npos) << e.userText();
    }
  }
}

class NullSink : public ProjectSink {
  void settings(std::unique_ptr<MainData>) override {}
  void windowRecord(Record) override {}
  void itemRecord(Record) override {}
};

TEST(LoadCheck, MalformedRecordsAreToldInTheAuthorsTerms) {
  // The bytes of a project whose last record is the case's; the words the user's text holds.
  const struct {
    Record record;
    std::vector<std::string> words;
  } cases[] = {
      {rec("TNewLabel", "LabelA", "PanelMain", {Int("Hint", 5)}),
       {"LabelA (TNewLabel)", "\"Hint\"", msg::kWrongValue.data(), "글자"}},
      {rec("TNewEdit", "EditA", "PanelMain", {P("InputStyle", Value::makeIdent("isDigits"))}),
       {"EditA (TNewEdit)", "\"InputStyle\"", "isNumber, isAlpha"}},
      {rec("TNewLabel", "LabelB", "PanelMain", {P("OnClick", Value::makeIdent("LabelBClick"))}),
       {"LabelB (TNewLabel)", "\"OnClick\"", "이벤트 처리기"}},
      {rec("TNewLabel", "LabelC", "PanelMain", {Int("Colour", 1)}),
       {"LabelC (TNewLabel)", "\"Colour\"", "없는 속성"}},
      {rec("TForm", "Form9", ""), {"TForm", msg::kUnknownClass.data()}},
  };
  for (const auto& c : cases) {
    ProjectBuilder b;
    b.window("PanelMain", 0, 0, 10, 10);
    b.records().push_back(c.record);
    NullSink sink;
    try {
      loadProject(b.payload(), sink);
      ADD_FAILURE() << c.record.name;
    } catch (const LoadError& e) {
      for (const std::string& w : c.words)
        EXPECT_NE(e.userText().find(w), std::string::npos) << e.userText() << " / " << w;
      EXPECT_EQ(e.userText().find("offset"), std::string::npos) << e.userText();
      EXPECT_NE(std::string(e.what()).find("byte offset"), std::string::npos) << e.what();
    }
  }
  // Bytes cut short: said so, without offsets.
  ProjectBuilder b;
  b.window("PanelMain", 0, 0, 10, 10);
  const std::string bytes = b.payload();
  NullSink sink;
  try {
    loadProject(std::string_view(bytes).substr(0, bytes.size() - 3), sink);
    ADD_FAILURE();
  } catch (const LoadError& e) {
    EXPECT_NE(e.userText().find("PanelMain (TNewPanel)"), std::string::npos) << e.userText();
    EXPECT_EQ(e.userText().find("offset"), std::string::npos) << e.userText();
  }
}

TEST(LoadCheck, TheLoaderStopsBeforeBuildingWhatFollowsABadName) {
  ProjectBuilder b;
  b.window("PanelFirst", 0, 0, 10, 10);
  b.item("TNewLabel", "Lab-1", "PanelFirst");
  b.window("PanelTwo", 0, 0, 10, 10);
  TempDir dir;
  HeadlessPlatform platform;
  Hub hub{platform};
  const std::string path = b.writeProgram(dir.path());
  platform.setProgramPath(path);
  ASSERT_TRUE(hub.FormCreate(path));
  ASSERT_EQ(platform.log().size(), 1u);
  EXPECT_NE(platform.log()[0]["text"].get<std::string>().find("Lab-1 (TNewLabel)"),
            std::string::npos);
  EXPECT_EQ(hub.mainWindow().name(), "First");  // read before the bad record: built
  EXPECT_EQ(hub.FindControl("Two"), nullptr);   // read after the bad record: never built
  EXPECT_EQ(hub.FindControl(""), nullptr);      // nothing answers to an empty name
}

}  // namespace
}  // namespace qav::testing
