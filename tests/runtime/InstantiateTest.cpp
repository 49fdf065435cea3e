#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>

#include "items/Ivent.h"
#include "items/RecordComponent.h"
#include "items/controls/NewButton.h"
#include "items/controls/NewCheckBox.h"
#include "items/controls/RunComboBox.h"
#include "items/controls/RunPage.h"
#include "items/controls/RunTimer.h"
#include "lang/Texts.h"
#include "props/PropertyAccess.h"
#include "support/ProjectBuilder.h"
#include "support/ScriptFixture.h"

namespace qav::testing {
namespace {

std::string slurpFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class Load : public ::testing::Test {
 protected:
  bool load() {
    path = project.writeProgram(dir.path());
    platform.setProgramPath(path);
    return hub.FormCreate(path);
  }
  template <class T = Component>
  T* find(std::string_view name) {
    return dynamic_cast<T*>(hub.FindControl(name));
  }
  std::vector<nlohmann::json> dialogs() const {
    std::vector<nlohmann::json> out;
    for (const auto& e : platform.log())
      if (e.contains("dialog")) out.push_back(e);
    return out;
  }

  TempDir dir;
  ProjectBuilder project;
  std::string path;
  HeadlessPlatform platform;
  Hub hub{platform};
};

TEST_F(Load, WindowsAndItemsArePlacedByTheirWindowNames) {
  project.window("PanelStart", 100, 50, 400, 300,
                 {Text("Title", "회원"), Int("WindowState", 1), LinesOf("Ivent1", {"선언 시작"})});
  project.window("PanelSecond", 100, 50, 400, 300, {Int("WindowState", 3)});
  project.item("TNewButton", "ButtnOk", "PanelStart",
               {Text("Caption", "확인"), Text("Hint", "눌러")});
  project.item("TNewLabel", "LabelTitle", "PanelSecond");
  project.item("TNewLabel", "LabelLost", "PanelNowhere");
  project.window("PanelLate", 1, 2, 3, 4);  // after items in the stream, made first all the same
  project.item("TNewLabel", "LabelOnLate", "PanelLate");
  ASSERT_TRUE(load());
  EXPECT_TRUE(dialogs().empty());

  WindowModel& main = hub.mainWindow();
  EXPECT_EQ(main.name(), "Start");
  EXPECT_EQ(main.caption(), "회원");
  EXPECT_EQ(main.borderStyle(), BorderStyle::Single);
  // The designed panel is the client area of the main window as of every other window.
  EXPECT_EQ((std::array{main.left(), main.top(), main.width(), main.height()}),
            (std::array{100, 50, 400, 300}));
  auto* second = find<WindowModel>("Second");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ((std::array{second->left(), second->top(), second->width(), second->height()}),
            (std::array{100, 50, 400, 300}));
  EXPECT_FALSE(second->visible());
  EXPECT_EQ(second->borderStyle(), BorderStyle::Sizeable);  // WindowState 3 keeps the default
  EXPECT_EQ(find<TIvent>("Ivent_Start")->data(), std::vector<std::string>{"선언 시작"});
  EXPECT_NE(find<TIvent>("ivent_second"), nullptr);

  auto* ok = find<TNewButton>("Ok");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->parentWindow(), &main);
  EXPECT_TRUE(ok->showHint());
  EXPECT_EQ(find<ItemModel>("Title")->parentWindow(), second);
  EXPECT_EQ(find<ItemModel>("OnLate")->parentWindow(), find<WindowModel>("Late"));
  // A record whose window exists nowhere stays under its stream name, unplaced.
  auto* lost = find<ItemModel>("LabelLost");
  ASSERT_NE(lost, nullptr);
  EXPECT_EQ(lost->parentWindow(), nullptr);
  EXPECT_EQ(find("Lost"), nullptr);
  // The settings record is listed under its stream name too.
  EXPECT_NE(find<RecordComponent>("MainData1"), nullptr);
  EXPECT_EQ(hub.programInfoCaption(), "회원관리...");
  EXPECT_EQ(hub.DataPath(), dir.path() + "/member.dat");
  EXPECT_EQ(Propertys(hub, "레지스터:2"), "reg2");
}

TEST_F(Load, WindowRecordsGiveTheirWindowsTheirLook) {
  std::filesystem::create_directory(dir.path() + "/pics");
  std::ofstream(dir.path() + "/pics/a.ico", std::ios::binary) << std::string("\0\0\1\0icon", 8);
  project.window(
      "PanelMain", 0, 0, 300, 200,
      {Bool("SystemButton", false), Bool("MaxButton", false), Bool("HelpButton", true),
       Bool("AlwaysOnTop", true), Bool("Center", true), Bool("AutoSize", true), Int("Cursor", -21),
       P("Color", Value::makeIdent("clAqua")), Text("Font.Name", "굴림"), Int("Font.Height", -13),
       Text("Icon", "pics\\a.ico"), Int("WindowState", 0)});
  project.window("PanelPlain", 5, 6, 70, 80);
  ASSERT_TRUE(load());
  EXPECT_TRUE(dialogs().empty());

  const WindowModel& main = hub.mainWindow();
  // Buttons not asked for are left off; the minimize button, not stored, is asked for.
  EXPECT_EQ(main.borderIcons(), (BorderIcons{false, true, false, true}));
  EXPECT_TRUE(main.stayOnTop());
  EXPECT_TRUE(main.centred());
  EXPECT_TRUE(main.autoScale());
  EXPECT_EQ(main.cursor(), -21);
  EXPECT_EQ(main.colour(), 0x00FFFF00u);
  EXPECT_EQ(main.font().name, "굴림");
  EXPECT_EQ(main.font().height, -13);
  EXPECT_EQ(main.icon().kind, "TIcon");
  EXPECT_EQ(main.borderStyle(), BorderStyle::None);

  // A record that stores none of these gets the window as records are made: system menu,
  // minimize and maximize buttons, a sizeable border, the default icon, normal placement.
  const auto* plain = find<WindowModel>("Plain");
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain->borderIcons(), (BorderIcons{true, true, true, false}));
  EXPECT_EQ(plain->borderStyle(), BorderStyle::Sizeable);
  EXPECT_FALSE(plain->stayOnTop() || plain->centred() || plain->autoScale());
  EXPECT_TRUE(plain->icon().empty());
  EXPECT_EQ(plain->cursor(), 0);
  EXPECT_EQ(plain->colour(), 0x8000000Fu);
  EXPECT_EQ(plain->caption(), "");
}

TEST_F(Load, RunTimeObjectsTakeTheirRecordsSettings) {
  project.window("PanelMain", 0, 0, 500, 400);
  project.window("PanelPageA", 0, 0, 200, 100);
  project.window("PanelPageB", 0, 0, 200, 100);
  project.item("TNewComboBox", "ComboPick", "PanelMain",
               {LinesOf("BackupString", {"a", "b"}), Bool("Input", false), Text("Text", "zz"),
                Bool("EnabledCheck", true), Bool("VisibleCheck", true)});
  project.item("TNewTimer", "TimerTick", "PanelMain",
               {Bool("On", true), Bool("EnabledCheck", false), Int("Inteval", 500)});
  project.item(
      "TNewPage", "PagesBook", "PanelMain",
      {LinesOf("PageName", {"첫째", "[None]", "둘째", "셋째"}),
       LinesOf("PageWindow", {"PageA", "x", "PageB", "Nowhere"}), Text("ActivePage", "둘째"),
       Int("Left", 10), Int("Top", 20), Bool("EnabledCheck", true), Bool("VisibleCheck", true)});
  ASSERT_TRUE(load());
  EXPECT_TRUE(dialogs().empty());

  auto* combo = find<TRunComboBox>("Pick");
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->itemIndex(), -1);
  EXPECT_NE(find<RecordComponent>("ComboPick"), nullptr);  // the design record stays listed
  auto* timer = find<TRunTimer>("Tick");
  ASSERT_NE(timer, nullptr);
  EXPECT_FALSE(timer->enabled());
  EXPECT_EQ(timer->parentWindow(), nullptr);

  auto* book = find<TRunPage>("Book");
  ASSERT_NE(book, nullptr);
  ASSERT_EQ(book->tabs().size(), 3u);
  EXPECT_EQ(book->tabs()[1].caption, "둘째");
  EXPECT_NE(find("Book_1"), nullptr);
  EXPECT_NE(find("Book_2"), nullptr);
  EXPECT_NE(find("Book_3"), nullptr);
  EXPECT_EQ(book->width(), 209);
  EXPECT_EQ(book->height(), 128);
  // The active tab's window is embedded in the page area and shown.
  auto* b = find<WindowModel>("PageB");
  EXPECT_EQ(b->pageHost(), book);
  EXPECT_EQ(b->borderStyle(), BorderStyle::None);
  EXPECT_TRUE(b->visible());
  EXPECT_EQ(b->left(), 10 + book->sheetLeft());
  EXPECT_EQ(find<WindowModel>("PageA")->pageHost(), nullptr);

  // Switching tabs moves the embedding and runs the page control's script.
  book->setIvent(3, {"선언 바뀜"});
  book->userSelectTab(0);
  EXPECT_EQ(b->pageHost(), nullptr);
  EXPECT_FALSE(b->visible());
  EXPECT_EQ(find<WindowModel>("PageA")->pageHost(), book);
  EXPECT_EQ(hub.EventSourceName(), "Book");
  EXPECT_EQ(hub.variables().count(), 1);

  // A tab whose window exists nowhere: the tab changes and the window left is taken out, but
  // nothing is embedded and no script runs.
  book->setIvent(3, {"선언 바뀜 또"});
  book->userSelectTab(2);
  EXPECT_EQ(book->activeIndex(), 2);
  EXPECT_EQ(find<WindowModel>("PageA")->pageHost(), nullptr);
  EXPECT_FALSE(find<WindowModel>("PageA")->visible());
  EXPECT_EQ(hub.variables().count(), 1);
  EXPECT_TRUE(dialogs().empty());
}

TEST_F(Load, PagesNeverShowAWindowInsideItself) {
  project.window("PanelMain", 0, 0, 500, 400);
  project.window("PanelA", 0, 0, 200, 100);
  project.window("PanelB", 0, 0, 200, 100);
  // A page on A showing A, and pages on A and B showing each other.
  project.item("TNewPage", "PagesSelf", "PanelA",
               {LinesOf("PageName", {"a"}), LinesOf("PageWindow", {"A"})});
  project.item("TNewPage", "PagesToB", "PanelA",
               {LinesOf("PageName", {"b"}), LinesOf("PageWindow", {"B"})});
  project.item("TNewPage", "PagesToA", "PanelB",
               {LinesOf("PageName", {"a"}), LinesOf("PageWindow", {"A"})});
  ASSERT_TRUE(load());
  EXPECT_TRUE(dialogs().empty());
  auto* a = find<WindowModel>("A");
  auto* b = find<WindowModel>("B");
  EXPECT_EQ(b->pageHost(), find<ItemModel>("ToB"));
  EXPECT_EQ(a->pageHost(), nullptr);
}

TEST_F(Load, APageWhoseFirstTabShowsNoPlainWindowIsABareTabStrip) {
  project.window("PanelMain", 0, 0, 500, 400);
  project.window("PanelB", 0, 0, 200, 100);
  // The first tab names nothing, or the main window, which is no plain window either.
  for (const std::string first : {"Nowhere", "Main"})
    project.item("TNewPage", "Pages" + first + "1", "PanelMain",
                 {LinesOf("PageName", {"a", "b"}), LinesOf("PageWindow", {first, "B"}),
                  Text("ActivePage", "b"), Int("Width", 50), LinesOf("Ivent3", {"선언 바뀜"})});
  ASSERT_TRUE(load());
  auto* b = find<WindowModel>("B");
  for (const char* name : {"Nowhere1", "Main1"}) {
    auto* page = find<TRunPage>(name);
    ASSERT_NE(page, nullptr) << name;
    EXPECT_EQ(page->activeIndex(), 0) << name;  // ActivePage is not applied
    EXPECT_EQ(page->width(), 50) << name;
    page->userSelectTab(1);
    EXPECT_EQ(page->activeIndex(), 1) << name;
    EXPECT_EQ(b->pageHost(), nullptr) << name;  // nothing embedded, no script run
    EXPECT_FALSE(b->visible()) << name;
    EXPECT_EQ(hub.variables().count(), 0) << name;
  }
}

TEST_F(Load, PagesAtTheEdgeOfTheCoordinateRangeStayThere) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  project.window("PanelMain", 0, 0, 500, 400);
  project.window("PanelWide", 0, 0, kMax, kMax - 10);
  project.item("TNewPage", "PagesFar", "PanelMain",
               {Int("Left", kMax), Int("Top", kMax - 1), Int("Width", 100), Int("Height", 80),
                LinesOf("PageName", {"a"}), LinesOf("PageWindow", {"Wide"})});
  ASSERT_TRUE(load());
  EXPECT_TRUE(dialogs().empty());
  auto* page = find<TRunPage>("Far");
  auto* wide = find<WindowModel>("Wide");
  ASSERT_TRUE(page && wide);
  EXPECT_EQ(wide->pageHost(), page);
  // The page is sized around its window and the window sits inside the page, both held at
  // the largest coordinate instead of wrapping round to negative ones.
  EXPECT_EQ(page->width(), kMax);
  EXPECT_EQ(page->height(), kMax);
  EXPECT_EQ(wide->left(), kMax);
  EXPECT_EQ(wide->top(), kMax);
  EXPECT_EQ(wide->width(), kMax);
}

TEST_F(Load, RadioButtonsAndClocksArePlacedWithoutStoppingTheLoad) {
  project.window("PanelMain", 0, 0, 500, 400);
  project.item("TNewRadioButton", "RadioYes", "PanelMain",
               {LinesOf("Ivent3", {"선언 r"}), Int("Left", 5)});
  project.item("TNewLabel", "LabelClock", "PanelMain");
  project.item("TNewWatch", "WatchClock", "PanelMain");  // its run-time name is taken
  project.item("TNewLoadBox", "LoadBOpen", "PanelMain");
  ASSERT_TRUE(load());
  EXPECT_TRUE(dialogs().empty());
  auto* radio = find<TNewRadioButton>("Yes");
  ASSERT_NE(radio, nullptr);
  EXPECT_EQ(radio->parentWindow(), &hub.mainWindow());
  EXPECT_EQ(radio->left(), 5);
  radio->userClick();
  EXPECT_EQ(hub.EventSourceName(), "Yes");
  EXPECT_EQ(hub.variables().count(), 1);
  auto* watch = find<ItemModel>("WatchClock");
  ASSERT_NE(watch, nullptr);
  EXPECT_EQ(watch->parentWindow(), &hub.mainWindow());
  EXPECT_EQ(find<ItemModel>("Clock")->className(), "TNewLabel");
  // File dialogs stay unplaced under their stream names.
  EXPECT_NE(find<RecordComponent>("LoadBOpen"), nullptr);
  EXPECT_EQ(find("Open"), nullptr);
}

TEST_F(Load, NamedValueItemsAreFilledWhenPlaced) {
  std::vector<std::string> names(100), values(100), few(3, "a");
  names[0] = "색상";
  values[0] = "파랑";
  project.window("PanelMain", 0, 0, 500, 400);
  project.item("TNewData", "DataBColours", "PanelMain",
               {LinesOf("Backup_Names", names), LinesOf("Backup_Value", values)});
  // Never placed: its short lists are never unpacked, so they do not stop the load.
  project.item("TNewData", "DataBOrphan", "PanelGone",
               {LinesOf("Backup_Names", few), LinesOf("Backup_Value", few)});
  project.item("TNewLabel", "LabelAfter", "PanelMain");
  ASSERT_TRUE(load());
  EXPECT_TRUE(dialogs().empty());
  EXPECT_EQ(Propertys(hub, "Colours:색상"), "파랑");
  EXPECT_NE(find("After"), nullptr);
  EXPECT_EQ(Propertys(hub, "DataBOrphan:a"), "DataBOrphan:a");

  // Placed with short lists, it stops the load there.
  HeadlessPlatform p2;
  Hub other{p2};
  ProjectBuilder b;
  b.window("PanelMain", 0, 0, 10, 10);
  b.item("TNewData", "DataBShort", "PanelMain",
         {LinesOf("Backup_Names", few), LinesOf("Backup_Value", few)});
  b.item("TNewLabel", "LabelAfter", "PanelMain");
  std::string path2 = b.writeProgram(dir.path(), "second");
  ASSERT_TRUE(other.FormCreate(path2));
  ASSERT_EQ(p2.log().size(), 1u);
  EXPECT_EQ(p2.log()[0]["dialog"], "error");
  EXPECT_EQ(other.FindControl("After"), nullptr);
}

TEST_F(Load, TheDataMenuLoadsAndSavesTheDataFile) {
  project.window("PanelMain", 0, 0, 500, 400);
  ASSERT_TRUE(load());
  // No data file yet: loading says it found none instead of claiming success.
  ASSERT_TRUE(hub.MenuCommand("N6"));
  EXPECT_EQ(dialogs().back()["text"],
            std::string(msg::kDataFileMissing) + dir.path() + "/member.dat");
  hub.DataBox().rowList(3).push_back("행\x01");
  ASSERT_TRUE(hub.MenuCommand("N7"));
  EXPECT_EQ(dialogs().back()["text"], "현재의 데이타를 저장하였습니다.");
  hub.DataBox().rowList(3).clear();
  ASSERT_TRUE(hub.MenuCommand("N6"));
  EXPECT_EQ(dialogs().back()["text"], "데이타를 불러들었습니다. 새 데이타가 적용됩니다.");
  EXPECT_EQ(hub.DataBox().rowList(3), std::vector<std::string>{"행\x01"});
  // A data file that cannot be written shows the failure, not the saved message.
  hub.setDataPath(dir.path() + "/no/such/dir/member.dat");
  hub.MenuCommand("N7");
  EXPECT_EQ(dialogs().back()["dialog"], "error");
  EXPECT_FALSE(hub.MenuCommand("N9"));
  EXPECT_EQ(hub.aboutLines()[0], "프로그램  :  회원관리");
}

TEST_F(Load, ARefusedDataFileIsNeitherLoadedNorWritten) {
  // A program made to overwrite a file outside its folder, or itself.
  std::filesystem::create_directory(dir.path() + "/app");
  const std::string victim = dir.path() + "/victim";
  std::ofstream(victim) << "victim";
  for (const std::string name : {"..\\victim", "program"}) {
    ProjectBuilder p;
    p.dataFile = name;
    p.window("PanelMain", 0, 0, 100, 100);
    const std::string program = p.writeProgram(dir.path() + "/app");
    const std::string programBytes = slurpFile(program);
    HeadlessPlatform pl;
    pl.setProgramPath(program);
    Hub h{pl};
    ASSERT_TRUE(h.FormCreate(program));
    EXPECT_EQ(h.DataPath(), "") << name;
    EXPECT_TRUE(pl.log().empty()) << name;  // refused quietly at the start
    h.DataBox().rowList(1).push_back("row\x01");
    std::string error;
    EXPECT_FALSE(h.saveData(error)) << name;
    EXPECT_EQ(error, h.dataRefusal()) << name;
    ASSERT_TRUE(h.MenuCommand("N7"));
    EXPECT_EQ(pl.log().back()["dialog"], "error");
    EXPECT_EQ(pl.log().back()["text"], h.dataRefusal());
    EXPECT_EQ(slurpFile(victim), "victim");
    EXPECT_EQ(slurpFile(program), programBytes);
  }
}

TEST_F(Load, WithoutAProgramThereIsNoDataFileToSave) {
  // The payload cannot be read: the load stops before the data file is known.
  path = dir.path() + "/broken";
  std::ofstream(path, std::ios::binary) << std::string(kPayloadOffset, '\0') << "garbage";
  platform.setProgramPath(path);
  ASSERT_TRUE(hub.FormCreate(path));
  const auto before = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  std::string error;
  EXPECT_FALSE(hub.saveData(error));
  std::filesystem::current_path(before);
  EXPECT_EQ(error, msg::kNoDataFile);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
  // The failure was told in Korean; loading data says why nothing is loaded.
  EXPECT_EQ(dialogs()[0]["text"].get<std::string>().rfind(msg::kLoadHeading, 0), 0u);
  ASSERT_TRUE(hub.MenuCommand("N6"));
  EXPECT_EQ(dialogs().back()["text"], msg::kDataNotLoadedNoProgram);
}

TEST_F(Load, AnUnreadableDataFileIsWarnedOfAndKeptBeforeTheFirstSave) {
  project.window("PanelMain", 0, 0, 100, 100);
  const std::string data = dir.path() + "/member.dat", bak = data + ".bak";
  std::ofstream(data, std::ios::binary) << "rows kept by hand";
  std::ofstream(bak, std::ios::binary) << "an older copy";
  ASSERT_TRUE(load());
  auto d = dialogs();
  ASSERT_EQ(d.size(), 1u);
  EXPECT_EQ(d[0]["dialog"], "warning");
  const std::string warning = d[0]["text"];
  EXPECT_EQ(warning.rfind(msg::kDataFileUnreadable, 0), 0u) << warning;
  EXPECT_NE(warning.find(data + ".bak"), std::string::npos) << warning;
  for (int t = 1; t <= 9; ++t) EXPECT_TRUE(hub.DataBox().rowList(t).empty());

  hub.DataBox().rowList(1).push_back("new\x01");
  std::string error;
  ASSERT_TRUE(hub.saveData(error)) << error;
  EXPECT_EQ(slurpFile(bak), "rows kept by hand");
  // The file now reads correctly: later saves and loads never copy it.
  ASSERT_TRUE(hub.saveData(error)) << error;
  hub.loadData();
  ASSERT_TRUE(hub.saveData(error)) << error;
  EXPECT_EQ(slurpFile(bak), "rows kept by hand");
  EXPECT_EQ(hub.DataBox().rowList(1), std::vector<std::string>{"new\x01"});
  EXPECT_EQ(dialogs().size(), 1u);

  // Loaded again from an unreadable file: warned again, and kept again.
  std::ofstream(data, std::ios::binary) << "spoilt";
  hub.loadData();
  EXPECT_EQ(dialogs().size(), 2u);
  ASSERT_TRUE(hub.saveData(error)) << error;
  EXPECT_EQ(slurpFile(bak), "spoilt");
}

TEST_F(Load, AFailureIsShownOnceAndTheRestIsSkipped) {
  project.window("PanelMain", 0, 0, 500, 400);
  project.item("TNewLabel", "LabelOne", "PanelMain");
  project.item("TNewLabel", "LabelONE", "PanelMain");  // the same name in other letters
  project.item("TNewLabel", "LabelTwo", "PanelMain");
  ASSERT_TRUE(load());
  auto d = dialogs();
  ASSERT_EQ(d.size(), 1u);
  EXPECT_EQ(d[0]["dialog"], "error");
  EXPECT_NE(d[0]["text"].get<std::string>().find("ONE"), std::string::npos);
  EXPECT_EQ(find("One"), nullptr);  // names are checked before any item is placed
  EXPECT_EQ(hub.programInfoCaption(), "프로그램...");  // later steps did not run

  // A window icon that cannot be loaded stops the load as well.
  Hub other{platform};
  ProjectBuilder p2;
  p2.window("PanelMain", 0, 0, 10, 10, {Text("Icon", "없는아이콘.ico")});
  p2.item("TNewLabel", "LabelOne", "PanelMain");
  std::string path2 = p2.writeProgram(dir.path(), "second");
  platform.setProgramPath(path2);
  ASSERT_TRUE(other.FormCreate(path2));
  EXPECT_EQ(dialogs().size(), 2u);
  EXPECT_EQ(other.FindControl("One"), nullptr);
}

TEST_F(Load, ShortAndEmptyProgramFiles) {
  path = dir.path() + "/short";
  std::ofstream(path, std::ios::binary) << std::string(kPayloadOffset - 1, '\0');
  EXPECT_FALSE(hub.FormCreate(path));
  ASSERT_EQ(dialogs().size(), 1u);
  EXPECT_EQ(dialogs()[0]["dialog"], "warning");
  EXPECT_EQ(dialogs()[0]["text"],
            "QAV Maker 기본 테이블 데이타 자료가 손상되었습니다.\r실행을 계속할 수 없습니다.");
  EXPECT_EQ(dialogs()[0]["buttons"], nlohmann::json({"Ok"}));
  EXPECT_TRUE(platform.quitRequested());
  EXPECT_EQ(platform.exitCode(), 0);

  HeadlessPlatform p2;
  Hub empty{p2};
  std::string exact = dir.path() + "/exact";
  std::ofstream(exact, std::ios::binary) << std::string(kPayloadOffset, '\0');
  EXPECT_TRUE(empty.FormCreate(exact));
  EXPECT_TRUE(p2.log().empty());
  EXPECT_EQ(empty.programInfoCaption(), "...");
  EXPECT_EQ(empty.DataPath(), "");
  EXPECT_EQ(empty.settings(), nullptr);
}

TEST_F(Load, LoadedItemsRunTheirScripts) {
  project.window("PanelMain", 0, 0, 500, 400);
  project.item("TNewButton", "ButtnGo", "PanelMain",
               {LinesOf("Ivent2", {"선언 a", "정의 a = Go:제목 ~ !", "정의 *레지스터:1 = :a"}),
                Text("Caption", "가자")});
  project.item("TNewCheckBox", "CheckA", "PanelMain", {Bool("Only", true), Int("Group", 1)});
  project.item("TNewCheckBox", "CheckB", "PanelMain",
               {Bool("Only", true), Int("Group", 1), Bool("Checked", true)});
  ASSERT_TRUE(load());
  find<ItemModel>("Go")->fire();
  EXPECT_EQ(Propertys(hub, "레지스터:1"), "가자!");
  EXPECT_EQ(hub.EventSourceName(), "Go");
  // A click on one exclusive box of the group clears the other.
  find<TNewCheckBox>("A")->userClick();
  EXPECT_TRUE(find<TNewCheckBox>("A")->checked());
  EXPECT_FALSE(find<TNewCheckBox>("B")->checked());
  EXPECT_EQ(hub.EventSourceName(), "A");
  EXPECT_TRUE(dialogs().empty());
}

}  // namespace
}  // namespace qav::testing
