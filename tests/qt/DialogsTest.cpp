#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "Support.h"
#include "qt/Dialogs.h"
#include "qt/QtPlatform.h"

using namespace qav;
using qavtest::pressWhenModal;
using qavtest::whenModal;

namespace {

QStringList buttonsLeftToRight(QWidget* box) {
  auto buttons = box->findChildren<QPushButton*>();
  std::sort(buttons.begin(), buttons.end(),
            [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
  QStringList names;
  for (auto* b : buttons) names << b->objectName();
  return names;
}

QStringList captionsLeftToRight(QWidget* box) {
  auto buttons = box->findChildren<QPushButton*>();
  std::sort(buttons.begin(), buttons.end(),
            [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
  QStringList captions;
  for (auto* b : buttons) captions << b->text();
  return captions;
}

}  // namespace

TEST(MessageBox, ButtonsStandInTheFixedOrderAndTheChoiceComesBack) {
  qt::QtPlatform platform;
  QStringList order, captions;
  whenModal([&](QWidget* box) {
    order = buttonsLeftToRight(box);
    captions = captionsLeftToRight(box);
    box->findChild<QPushButton*>(QStringLiteral("Retry"))->click();
  });
  const Buttons all = kAll | kIgnore | kRetry | kAbort | kCancel | kOk | kNo | kYes;
  EXPECT_EQ(platform.messageBox(DialogKind::Information, "", "x", all), kRetry);
  EXPECT_EQ(order, (QStringList{"Yes", "No", "Ok", "Cancel", "Abort", "Retry", "Ignore", "All"}));
  // The buttons carry the words of a Korean desktop.
  EXPECT_EQ(captions, (QStringList{"예(&Y)", "아니요(&N)", "확인", "취소", "중단(&A)",
                                   "다시 시도(&R)", "무시(&I)", "모두(&A)"}));

  // A set given in any order shows in the same order; only the chosen buttons appear.
  whenModal([&](QWidget* box) {
    order = buttonsLeftToRight(box);
    box->findChild<QPushButton*>(QStringLiteral("All"))->click();
  });
  EXPECT_EQ(platform.messageBox(DialogKind::Information, "", "x", kAll | kCancel | kYes), kAll);
  EXPECT_EQ(order, (QStringList{"Yes", "Cancel", "All"}));

  pressWhenModal(QStringLiteral("No"));
  EXPECT_EQ(platform.messageBox(DialogKind::Warning, "", "?", kYes | kNo), kNo);
}

TEST(MessageBox, ClosingWithoutAButtonAndEscape) {
  qt::QtPlatform platform;
  whenModal([](QWidget* box) { box->close(); });
  EXPECT_EQ(platform.messageBox(DialogKind::Information, "", "x", kYes | kNo), kNoButton);

  // Escape answers Cancel where there is one, else No, OK where it is the only button, else
  // nothing.
  whenModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
  EXPECT_EQ(platform.messageBox(DialogKind::Error, "", "x", kOk | kCancel), kCancel);
  whenModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
  EXPECT_EQ(platform.messageBox(DialogKind::Message, "", "x", kOk), kOk);
  whenModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
  EXPECT_EQ(platform.messageBox(DialogKind::Warning, "", "x", kYes | kNo), kNo);
  bool stillOpen = false;
  whenModal([&](QWidget* box) {
    QTest::keyClick(box, Qt::Key_Escape);
    stillOpen = box->isVisible();
    box->findChild<QPushButton*>(QStringLiteral("Retry"))->click();
  });
  EXPECT_EQ(platform.messageBox(DialogKind::Warning, "", "x", kRetry | kIgnore), kRetry);
  EXPECT_TRUE(stillOpen);

  // Return presses the first button.
  whenModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
  EXPECT_EQ(platform.messageBox(DialogKind::Error, "", "x", kOk | kCancel), kOk);
}

TEST(MessageBox, ButtonLettersAndTheirKoreanKeysAnswer) {
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    QString text;
    Buttons buttons;
    Button expected;
  };
  const Case cases[] = {
      {Qt::Key_Y, Qt::NoModifier, "y", kYes | kNo, kYes},
      {Qt::Key_N, Qt::AltModifier, "", kYes | kNo, kNo},
      {Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("ㅜ"), kYes | kNo, kNo},
      {Qt::Key_C, Qt::NoModifier, "c", kOk | kCancel, kCancel},
      {Qt::Key_O, Qt::ShiftModifier, "O", kOk | kCancel, kOk},
      {Qt::Key_A, Qt::NoModifier, "a", kAll | kIgnore, kAll},
      {Qt::Key_Y, Qt::NoModifier, "y", kOk | kCancel, kNoButton},  // no such button
      {Qt::Key_Y, Qt::ControlModifier, "", kYes | kNo, kNoButton},
  };
  for (const Case& c : cases) {
    QKeyEvent press(QEvent::KeyPress, c.key, c.mods, c.text);
    EXPECT_EQ(qt::keyButton(press, c.buttons), c.expected) << c.text.toStdString();
  }
}

TEST(MessageBox, ShowsTheTextAsWrittenWithItsCaptionAndIcon) {
  qt::QtPlatform platform;
  QString text, caption;
  bool hasIcon = true;
  whenModal([&](QWidget* box) {
    text = box->findChild<QLabel*>(QStringLiteral("text"))->text();
    caption = box->windowTitle();
    hasIcon = box->findChild<QLabel*>(QStringLiteral("icon")) != nullptr;
    box->close();
  });
  // Carriage returns break lines; markup in a script's text is not interpreted.
  platform.messageBox(DialogKind::Message, "", "가\r나\r\n<b>다</b>", kOk);
  EXPECT_EQ(text, QString::fromUtf8("가\n나\n<b>다</b>"));
  EXPECT_EQ(caption, QStringLiteral("QAV Maker"));
  EXPECT_FALSE(hasIcon);

  whenModal([&](QWidget* box) {
    caption = box->windowTitle();
    hasIcon = box->findChild<QLabel*>(QStringLiteral("icon")) != nullptr;
    box->close();
  });
  platform.messageBox(DialogKind::Warning, "경고", "x", kOk);
  EXPECT_EQ(caption, QString::fromUtf8("경고"));
  EXPECT_TRUE(hasIcon);
}

TEST(InputBox, ReturnsTheTextOnOkAndNothingOnCancel) {
  qt::QtPlatform platform;
  QString caption, prompt, initial;
  whenModal([&](QWidget* box) {
    caption = box->windowTitle();
    prompt = box->findChild<QLabel*>(QStringLiteral("prompt"))->text();
    auto* edit = box->findChild<QLineEdit*>(QStringLiteral("edit"));
    initial = edit->text();
    edit->setText(QString::fromUtf8("홍길동"));
    box->findChild<QPushButton*>(QStringLiteral("Ok"))->click();
  });
  EXPECT_EQ(platform.inputBox("입력창", "이름을 입력하세요", ""),
            std::optional<std::string>("홍길동"));
  EXPECT_EQ(caption, QString::fromUtf8("입력창"));
  EXPECT_EQ(prompt, QString::fromUtf8("이름을 입력하세요"));
  EXPECT_TRUE(initial.isEmpty());

  whenModal([](QWidget* box) {
    box->findChild<QLineEdit*>(QStringLiteral("edit"))->setText(QStringLiteral("typed"));
    box->findChild<QPushButton*>(QStringLiteral("Cancel"))->click();
  });
  EXPECT_EQ(platform.inputBox("입력창", "?", ""), std::nullopt);

  // Typing then Return accepts; an empty entry is an empty text, not a cancel.
  whenModal([](QWidget* box) {
    auto* edit = box->findChild<QLineEdit*>(QStringLiteral("edit"));
    QTest::keyClicks(edit, QStringLiteral("abc"));
    QTest::keyClick(edit, Qt::Key_Return);
  });
  EXPECT_EQ(platform.inputBox("입력창", "?", ""), std::optional<std::string>("abc"));
  pressWhenModal(QStringLiteral("Ok"));
  EXPECT_EQ(platform.inputBox("입력창", "?", ""), std::optional<std::string>(""));
}
