#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QTest>

#include "qt/ControlViews.h"
#include "qt/ListViews.h"
#include "qt/Mapping.h"
#include "qt/PageView.h"
#include "qt/QtPlatform.h"
#include "qt/TextViews.h"
#include "qt/TimerDrivers.h"

using namespace qav;
using namespace qav::qt;

namespace {

std::string bmp(const QImage& img) {
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  img.save(&buf, "BMP");
  return bytes.toStdString();
}

// A window with a view for each item placed on it, as the loader would build them.
struct Placed : ::testing::Test {
  QtPlatform platform;
  WindowModel window{"TForm"};
  int fired = 0;

  void SetUp() override {
    window.setBounds(0, 0, 400, 300);
    platform.showWindow(window);
  }
  void TearDown() override { platform.releaseViews(); }

  template <class View, class Model>
  View* place(Model& model, int l, int t, int w, int h) {
    model.setParentWindow(&window);
    model.setBounds(l, t, w, h);
    model.setHandler([this](ItemModel&) { ++fired; });
    platform.createItemView(model);
    auto* view = dynamic_cast<View*>(platform.itemView(model));
    EXPECT_NE(view, nullptr);
    return view;
  }
};

}  // namespace

TEST_F(Placed, ItemsAppearOnTheirWindowAndFollowTheirModels) {
  TNewLabel label;
  label.setAutoSize(false);
  label.setCaption("이름");
  auto* view = place<LabelView>(label, 10, 20, 80, 16);
  EXPECT_EQ(view->parentWidget(), platform.clientAreaOf(window));
  EXPECT_EQ(view->geometry(), QRect(10, 20, 80, 16));
  EXPECT_TRUE(view->isVisible());
  label.setVisible(false);
  EXPECT_FALSE(view->isVisible());
  label.setEnabled(false);
  EXPECT_FALSE(view->isEnabled());
  label.setHint("도움말|긴 설명");
  label.setShowHint(true);
  EXPECT_EQ(view->toolTip(), QString::fromUtf8("도움말"));
  label.setShowHint(false);
  EXPECT_TRUE(view->toolTip().isEmpty());
  label.setCursor(-4);
  EXPECT_EQ(view->cursor().shape(), Qt::IBeamCursor);
  // Own colour until the parent colour is asked for; own font until the parent font is.
  label.setColour(0x0000FF);
  EXPECT_EQ(view->palette().color(QPalette::Window), QColor(255, 0, 0));
  Font big;
  big.name = "굴림";
  big.height = -20;
  label.setParentFont(false);
  label.setFont(big);
  EXPECT_EQ(view->font().pixelSize(), 20);
  label.setParentFont(true);
  EXPECT_EQ(view->font(), platform.clientAreaOf(window)->font());
  // Bounds no widget can take are kept within reach.
  label.setBounds(INT32_MAX, INT32_MIN, INT32_MAX, INT32_MAX);
  EXPECT_LE(view->width(), kMaxItemSide);
  EXPECT_LT(view->x(), 1 << 25);
}

TEST_F(Placed, KeyboardFocusFollowsTheTabOrder) {
  TNewEdit first, second, third;
  first.setTabOrder(2);
  second.setTabOrder(0);
  third.setTabOrder(1);
  auto* a = place<EditView>(first, 0, 0, 50, 20);
  auto* b = place<EditView>(second, 0, 30, 50, 20);
  auto* c = place<EditView>(third, 0, 60, 50, 20);
  platform.hideWindow(window);
  platform.showWindow(window);
  // The next of the three fields along the focus chain (the chain also holds their parts).
  auto next = [&](QWidget* w) {
    for (QWidget* n = w->nextInFocusChain(); n != w; n = n->nextInFocusChain())
      if (n == a || n == b || n == c) return n;
    return w;
  };
  EXPECT_EQ(next(b), c);
  EXPECT_EQ(next(c), a);
  // A script changing the order re-chains them.
  first.setTabOrder(-1);
  EXPECT_EQ(next(a), b);
  third.setTabStop(false);
  EXPECT_EQ(c->focusPolicy(), Qt::ClickFocus);
}

TEST_F(Placed, LabelShowsItsCaptionAndReportsClicks) {
  TNewLabel label;
  label.setCaption("저장 && 종료");
  auto* view = place<LabelView>(label, 10, 10, 10, 10);
  EXPECT_EQ(view->text(), QString::fromUtf8("저장 & 종료"));
  // Auto size: the label measures its text and the model takes that size.
  EXPECT_GT(label.width(), 30);
  EXPECT_EQ(view->size(), QSize(label.width(), label.height()));
  label.setTransparent(true);
  EXPECT_FALSE(view->autoFillBackground());
  label.setAlignment(HAlign::Right);
  EXPECT_TRUE(view->alignment() & Qt::AlignRight);
  QTest::mouseClick(view, Qt::LeftButton);
  EXPECT_EQ(fired, 1);
}

TEST_F(Placed, EditFieldFiltersKeysThroughItsModel) {
  TNewEdit edit;
  auto* view = place<EditView>(edit, 10, 10, 100, 22);
  edit.setInputStyle(InputStyle::Number);
  edit.setMaxValue(100);
  QTest::keyClicks(view, "10");
  EXPECT_EQ(edit.text(), "10");
  EXPECT_EQ(fired, 2);  // one change per accepted key
  QTest::keyClicks(view, "0");
  QTest::keyClicks(view, "0a-");
  EXPECT_EQ(edit.text(), "100");
  EXPECT_EQ(view->text(), QStringLiteral("100"));
  EXPECT_EQ(fired, 3);

  // A script write shows at once.
  edit.setInputStyle(InputStyle::Alpha);
  edit.setText("abc");
  EXPECT_EQ(view->text(), QStringLiteral("abc"));

  // The model's case and byte limit act on typing.
  view->clear();
  edit.setText("");
  edit.setCharCase(CharCase::Upper);
  QTest::keyClicks(view, "ab");
  EXPECT_EQ(edit.text(), "AB");
  EXPECT_EQ(view->text(), QStringLiteral("AB"));
  edit.setText("");
  edit.setMaxLength(4);
  view->insert(QString::fromUtf8("가나다"));
  EXPECT_EQ(edit.text(), "가나");
  EXPECT_EQ(view->text(), QString::fromUtf8("가나"));

  edit.setPasswordChar(U'*');
  EXPECT_EQ(view->echoMode(), QLineEdit::Password);
  EXPECT_EQ(view->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, view), '*');
  edit.setPasswordChar(0);
  EXPECT_EQ(view->echoMode(), QLineEdit::Normal);
  edit.setReadOnly(true);
  EXPECT_TRUE(view->isReadOnly());
  edit.setBorder(false);
  EXPECT_FALSE(view->hasFrame());
}

TEST_F(Placed, MemoKeepsItsLineLimitAndCrLfText) {
  TNewMemo memo;
  auto* view = place<MemoView>(memo, 10, 10, 200, 100);
  memo.setLines({"하나", "둘"});
  EXPECT_EQ(view->toPlainText(), QString::fromUtf8("하나\n둘\n"));
  memo.setMaxLine(3);
  view->moveCursor(QTextCursor::End);
  QTest::keyClicks(view, "x");
  EXPECT_EQ(memo.text(), "하나\r\n둘\r\nx");
  QTest::keyClick(view, Qt::Key_Return);  // a fourth line is refused
  EXPECT_EQ(memo.text(), "하나\r\n둘\r\nx");
  memo.setScrollBars(ScrollBars::Vertical);
  EXPECT_EQ(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  memo.setWordWrap(false);
  EXPECT_EQ(view->lineWrapMode(), QPlainTextEdit::NoWrap);
}

// Lines a script adds are appended to what the memo's widget shows: the user's cursor stays,
// the user cannot undo them, and typing goes on from the same text.
TEST_F(Placed, MemoShowsAddedLinesAndKeepsTheCursor) {
  TNewMemo memo;
  auto* view = place<MemoView>(memo, 10, 10, 200, 100);
  memo.setLines({"하나"});
  view->moveCursor(QTextCursor::End);
  for (const char* line : {"둘", "셋\r넷"}) memo.addLine(line);
  EXPECT_EQ(view->toPlainText(), QString::fromUtf8("하나\n둘\n셋\n넷\n"));
  EXPECT_EQ(view->textCursor().position(), 3);
  EXPECT_FALSE(view->document()->isUndoAvailable());
  QTest::keyClicks(view, "x");
  EXPECT_EQ(memo.text(), "하나\r\nx둘\r\n셋\r\n넷\r\n");
}

TEST_F(Placed, ButtonDrawsItsGlyphAndReportsClicks) {
  TNewButton button;
  button.setCaption("");
  // Two glyphs side by side: red (up) and blue (disabled), white lower-left corner.
  QImage strip(32, 16, QImage::Format_RGB888);
  strip.fill(Qt::white);
  QPainter p(&strip);
  p.fillRect(2, 2, 12, 12, Qt::red);
  p.fillRect(18, 2, 12, 12, Qt::blue);
  p.end();
  button.setGlyph(Picture{"TBitmap", bmp(strip)});
  button.setNumGlyphs(2);
  auto* view = place<ButtonView>(button, 10, 10, 60, 40);
  QImage shot = view->grab().toImage();
  const QPoint centre(30, 20);
  EXPECT_EQ(shot.pixelColor(centre), QColor(Qt::red));
  button.setEnabled(false);
  shot = view->grab().toImage();
  EXPECT_EQ(shot.pixelColor(centre), QColor(Qt::blue));
  button.setEnabled(true);
  view->click();
  EXPECT_EQ(fired, 1);

  // Glyph and caption placement: centred together, or from a margin, on each side.
  const QRect face(0, 0, 100, 30);
  auto at = placeGlyph(face, {16, 16}, {40, 12}, GlyphLayout::Left, -1, 4);
  EXPECT_EQ(at.glyph, QRect(20, 7, 16, 16));
  EXPECT_EQ(at.caption, QRect(40, 9, 40, 12));
  at = placeGlyph(face, {16, 16}, {40, 12}, GlyphLayout::Right, 5, 4);
  EXPECT_EQ(at.glyph.left(), 100 - 5 - 16);
  EXPECT_EQ(at.caption.right(), at.glyph.left() - 4 - 1);
  at = placeGlyph(QRect(0, 0, 60, 60), {16, 16}, {40, 12}, GlyphLayout::Top, -1, 2);
  EXPECT_EQ(at.glyph, QRect(22, 15, 16, 16));
  EXPECT_EQ(at.caption, QRect(10, 33, 40, 12));
}

TEST_F(Placed, ImageStretchesCentresAndSizesItself) {
  TNewImage image;
  QImage pic(10, 10, QImage::Format_RGB888);
  pic.fill(Qt::green);
  pic.setPixelColor(0, 9, Qt::magenta);
  image.setPicture(Picture{"TBitmap", bmp(pic)});
  auto* view = place<ImageView>(image, 0, 0, 40, 40);
  EXPECT_EQ(view->grab().toImage().pixelColor(5, 5), QColor(Qt::green));
  EXPECT_NE(view->grab().toImage().pixelColor(30, 30), QColor(Qt::green));
  image.setStretch(true);
  EXPECT_EQ(view->grab().toImage().pixelColor(30, 30), QColor(Qt::green));
  image.setStretch(false);
  image.setCenter(true);
  EXPECT_EQ(view->grab().toImage().pixelColor(20, 20), QColor(Qt::green));
  EXPECT_NE(view->grab().toImage().pixelColor(5, 5), QColor(Qt::green));
  image.setTransparent(true);
  EXPECT_NE(view->grab().toImage().pixelColor(15, 24), QColor(Qt::magenta));
  image.setAutoSize(true);
  EXPECT_EQ(image.width(), 10);
  EXPECT_EQ(view->size(), QSize(10, 10));
}

TEST_F(Placed, CheckBoxLeavesTheMarkToItsModel) {
  TNewCheckBox box;
  box.setCaption("동의");
  auto* view = place<CheckBoxView>(box, 10, 10, 100, 20);
  view->click();
  EXPECT_TRUE(box.checked());
  EXPECT_FALSE(box.checks());  // the stored state is the script's, not the user's
  EXPECT_TRUE(view->isChecked());
  EXPECT_EQ(fired, 1);
  box.setChecked(false);
  EXPECT_FALSE(view->isChecked());
  // With the box on the right the caption stays left-aligned: the widget keeps its direction
  // and draws the box at its right edge, where a click still toggles it.
  box.setSide(BoxSide::Right);
  EXPECT_EQ(view->layoutDirection(), Qt::LeftToRight);
  QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(view->width() - 4, view->height() / 2));
  EXPECT_TRUE(box.checked());

  TNewRadioButton a, b;
  auto* va = place<RadioButtonView>(a, 10, 40, 100, 20);
  auto* vb = place<RadioButtonView>(b, 10, 60, 100, 20);
  va->click();
  vb->click();
  // Radio buttons on one window do not clear each other by themselves.
  EXPECT_TRUE(a.checked());
  EXPECT_TRUE(b.checked());
  EXPECT_TRUE(va->isChecked());
}

TEST_F(Placed, ListBoxPicksGoToTheModel) {
  TRunListBox list;
  list.setItems({"사과", "배", "감"});
  auto* view = place<ListBoxView>(list, 10, 10, 100, 80);
  ASSERT_EQ(view->count(), 3);
  EXPECT_EQ(view->item(1)->text(), QString::fromUtf8("배"));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                    view->visualItemRect(view->item(1)).center());
  EXPECT_EQ(list.itemIndex(), 1);
  EXPECT_EQ(fired, 1);
  QTest::keyClick(view, Qt::Key_Down);
  EXPECT_EQ(list.itemIndex(), 2);
  EXPECT_EQ(fired, 2);
  // A program selection shows without a report; new items show at once.
  list.setItemIndex(0);
  EXPECT_TRUE(view->item(0)->isSelected());
  EXPECT_FALSE(view->item(2)->isSelected());
  list.addLine("귤");
  EXPECT_EQ(view->count(), 4);
  list.setSorted(true);
  EXPECT_EQ(view->item(0)->text(), QString::fromUtf8("감"));
  EXPECT_EQ(fired, 2);

  list.setMultiSelect(true);
  list.setItemIndex(-1);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                    view->visualItemRect(view->item(0)).center());
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                    view->visualItemRect(view->item(2)).center());
  EXPECT_TRUE(list.isSelected(0));
  EXPECT_TRUE(list.isSelected(2));
  EXPECT_FALSE(list.isSelected(1));
  EXPECT_TRUE(view->item(2)->isSelected());
}

// Lines added and deleted one at a time reach the widgets row by row; what they show must be
// what a rebuild from the model would show.
TEST_F(Placed, ListViewsFollowLinesAddedAndDeletedOneAtATime) {
  TRunListBox list;
  TRunComboBox combo;
  ListControl* const both[] = {&list, &combo};
  for (ListControl* l : both) l->addLine("b"), l->addLine("d");
  list.setSorted(true);
  combo.setSorted(true);
  auto* listView = place<ListBoxView>(list, 10, 10, 100, 80);
  auto* comboView = place<ComboBoxView>(combo, 10, 100, 100, 22);
  list.setItemIndex(1);
  combo.setItemIndex(1);
  const auto same = [&](const char* step) {
    SCOPED_TRACE(step);
    ASSERT_EQ(listView->count(), list.lineCount());
    ASSERT_EQ(comboView->count(), combo.lineCount());
    for (int i = 0; i < list.lineCount(); ++i) {
      EXPECT_EQ(listView->item(i)->text().toStdString(), list.items()[i]);
      EXPECT_EQ(listView->item(i)->isSelected(), list.isSelected(i));
      EXPECT_EQ(comboView->itemText(i).toStdString(), combo.items()[i]);
    }
    EXPECT_EQ(listView->currentRow(), list.itemIndex());
    EXPECT_EQ(comboView->currentText().toStdString(), combo.text());
  };
  // A line to add (at its sorted place), or the index of one to delete.
  const struct {
    const char* step;
    const char* line;
    int index;
  } steps[] = {
      {"added last", "e", 0},
      {"added first", "a", 0},
      {"added between", "c", 0},
      {"deleted before the current", nullptr, 0},
      {"deleted after the current", nullptr, 3},
      {"deleted the current", nullptr, 1},
      {"added to a box without current", "f", 0},
  };
  for (const auto& s : steps) {
    for (ListControl* l : both) s.line ? l->addLine(s.line) : void(l->deleteLine(s.index));
    same(s.step);
  }
  // Lines that come in before the current item keep it in view.
  list.setItemIndex(list.lineCount() - 1);
  combo.setItemIndex(combo.lineCount() - 1);
  for (int i = 0; i < 30; ++i)
    for (ListControl* l : both) l->addLine("a" + std::to_string(i));
  same("many added before the current");
  EXPECT_TRUE(listView->viewport()->rect().intersects(
      listView->visualItemRect(listView->item(list.itemIndex()))));
}

TEST_F(Placed, ComboBoxChoicesAndTyping) {
  TRunComboBox combo;
  combo.setItems({"서울", "부산"});
  combo.setStyle(ComboStyle::DropDownList);
  auto* view = place<ComboBoxView>(combo, 10, 10, 100, 22);
  EXPECT_FALSE(view->isEditable());
  EXPECT_EQ(view->count(), 2);
  EXPECT_EQ(view->currentIndex(), -1);
  view->activated(1);
  EXPECT_EQ(combo.itemIndex(), 1);
  EXPECT_EQ(combo.text(), "부산");
  EXPECT_EQ(fired, 1);
  combo.setItemIndex(0);
  EXPECT_EQ(view->currentText(), QString::fromUtf8("서울"));

  combo.setStyle(ComboStyle::DropDown);
  ASSERT_TRUE(view->isEditable());
  view->lineEdit()->clear();
  QTest::keyClicks(view->lineEdit(), "abc");
  EXPECT_EQ(combo.text(), "abc");
  EXPECT_EQ(combo.itemIndex(), -1);
  EXPECT_GE(fired, 2);
  combo.clearLines();
  EXPECT_EQ(view->count(), 0);
}

TEST_F(Placed, PageControlTabsRunThroughTheModelHandlers) {
  TRunPage page;
  page.buildTabs({"첫째", "[None]", "둘째"}, {"창1", "", "창2"});
  auto* view = place<PageView>(page, 10, 10, 309, 228);
  ASSERT_EQ(view->tabBar()->count(), 2);
  EXPECT_EQ(view->tabBar()->tabText(1), QString::fromUtf8("둘째"));
  EXPECT_EQ(view->pageArea()->geometry(), QRect(4, 24, 300, 200));

  std::vector<std::string> calls;
  page.setChangeHandlers(
      [&](TRunPage& p) { calls.push_back("before " + std::to_string(p.activeIndex())); },
      [&](TRunPage& p) { calls.push_back("after " + std::to_string(p.activeIndex())); });
  view->tabBar()->setCurrentIndex(1);
  EXPECT_EQ(calls, (std::vector<std::string>{"before 0", "after 1"}));
  EXPECT_EQ(page.activeIndex(), 1);
  page.setActiveIndex(0);
  EXPECT_EQ(view->tabBar()->currentIndex(), 0);
  EXPECT_EQ(calls.size(), 2u);

  page.setTabPosition(TabPosition::Bottom);
  EXPECT_EQ(view->tabBar()->shape(), QTabBar::RoundedSouth);
  EXPECT_EQ(view->pageArea()->geometry(), QRect(4, 4, 300, 200));
  EXPECT_GE(view->tabBar()->y(), 204);
}

TEST_F(Placed, WindowEmbeddedBeforeItsPageControlHadAViewMovesIntoThePageArea) {
  // As at load: the first tab's window is embedded while the page control is being built.
  TRunPage page;
  page.buildTabs({"첫째"}, {"창1"});
  page.setParentWindow(&window);
  page.setBounds(10, 10, 209, 128);
  WindowModel inner("TForm");
  inner.setBounds(0, 0, 200, 100);
  platform.createWindowView(inner);
  inner.setBorderStyle(BorderStyle::None);
  inner.setPageHost(&page);
  platform.showWindow(inner);
  QWidget* innerView = platform.windowView(inner);
  EXPECT_TRUE(innerView->isWindow());

  platform.createItemView(page);
  auto* pages = dynamic_cast<PageView*>(platform.itemView(page));
  ASSERT_NE(pages, nullptr);
  EXPECT_EQ(innerView->parentWidget(), pages->pageArea());
  EXPECT_TRUE(innerView->isVisible());

  // Leaving the page hides the window instead of showing it on its own for a moment.
  inner.setBorderStyle(BorderStyle::Single);
  inner.setPageHost(nullptr);
  EXPECT_TRUE(innerView->isWindow());
  EXPECT_FALSE(innerView->isVisible());
}

TEST_F(Placed, TimersTickOnTheEventLoopAndAlarmsLookAtTheClock) {
  TRunTimer timer;
  timer.setInterval(250);
  timer.setEnabled(false);
  timer.setHandler([this](ItemModel&) { ++fired; });
  platform.createItemView(timer);
  auto* driver = qobject_cast<TimerDriver*>(platform.itemDriver(timer));
  ASSERT_NE(driver, nullptr);
  EXPECT_FALSE(driver->timer().isActive());
  timer.setEnabled(true);
  EXPECT_TRUE(driver->timer().isActive());
  EXPECT_EQ(driver->timer().interval(), 250);
  timer.setInterval(0);
  EXPECT_FALSE(driver->timer().isActive());

  // A short interval ticks through the model into the handler.
  timer.setInterval(1);
  QEventLoop loop;
  timer.setHandler([&](ItemModel&) {
    ++fired;
    loop.quit();
  });
  QTimer::singleShot(2000, &loop, &QEventLoop::quit);
  loop.exec();
  EXPECT_EQ(fired, 1);
  timer.setEnabled(false);

  TRunAlarm alarm;
  alarm.setRepeat(AlarmRepeat::Day);
  alarm.setTimeText("09:30:00");
  alarm.setEnabled(true);
  int rang = 0;
  alarm.setHandler([&](ItemModel&) { ++rang; });
  text::DateTime now{2024, 5, 1, 9, 29, 59, 0};
  AlarmDriver alarmDriver(alarm, [&] { return now; });
  EXPECT_TRUE(alarmDriver.timer().isActive());
  EXPECT_EQ(alarmDriver.timer().interval(), 1000);
  alarmDriver.checkNow();
  EXPECT_EQ(rang, 0);
  now.second = 0, now.minute = 30;
  alarmDriver.checkNow();
  now.msec = 500;
  alarmDriver.checkNow();
  EXPECT_EQ(rang, 1);
  alarm.setEnabled(false);
  EXPECT_FALSE(alarmDriver.timer().isActive());
}
