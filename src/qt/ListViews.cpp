#include "qt/ListViews.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include "qt/Mapping.h"

namespace qav::qt {

// --- List box ------------------------------------------------------------------------------

ListBoxView::ListBoxView(TRunListBox& model, QWidget* parent)
    : QListWidget(parent), ItemView(model, this, QPalette::Base), list_(model) {
  setUniformItemSizes(true);
  // A pick by the user is a click on an entry (the selected one included) or a move of the
  // selection by the keys; the focus arriving in the list picks nothing.
  connect(this, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { pick(row(item)); });
  refreshAll();
}

void ListBoxView::refresh(Attr what) {
  const bool all = what == Attr::All;
  if (all || what == Attr::Lines) {
    QSignalBlocker block(this);
    clear();
    for (const auto& item : list_.items()) addItem(qs(item));
  }
  if (all || what == Attr::Style) {
    setFrameShape(list_.border() ? QFrame::StyledPanel : QFrame::NoFrame);
    setSelectionMode(list_.multiSelect() ? QAbstractItemView::MultiSelection
                                         : QAbstractItemView::SingleSelection);
  }
  showSelection();
}

void ListBoxView::pick(int index) {
  if (applying() || detached() || index < 0) return;
  deliverInput({UserActionKind::Select, &list_, index},
               [this, index] { list_.userSelect(index, list_.multiSelect()); });
  if (!detached()) showSelection();
}

void ListBoxView::keyPressEvent(QKeyEvent* event) {
  const int before = currentRow();
  {
    // The widget moves its current row; the model decides what is selected.
    QSignalBlocker block(this);
    QListWidget::keyPressEvent(event);
  }
  const int after = currentRow();
  if (after != before && !list_.multiSelect())
    pick(after);
  else if (!detached())
    showSelection();
}

void ListBoxView::showSelection() {
  QSignalBlocker block(this);
  const int n = count();
  for (int i = 0; i < n; ++i) item(i)->setSelected(list_.isSelected(i));
  const int current = list_.itemIndex();
  if (current >= 0 && current < n) {
    setCurrentRow(current, QItemSelectionModel::NoUpdate);
    scrollToItem(item(current));
  }
}

// --- Combo box -----------------------------------------------------------------------------

ComboBoxView::ComboBoxView(TRunComboBox& model, QWidget* parent)
    : QComboBox(parent), ItemView(model, this, QPalette::Base), combo_(model) {
  setInsertPolicy(QComboBox::NoInsert);
  connect(this, &QComboBox::activated, this, [this](int index) {
    if (applying() || detached()) return;
    deliverInput({UserActionKind::Select, &combo_, index},
                 [this, index] { combo_.userSelect(index); });
    showChoice();
  });
  refreshAll();
}

void ComboBoxView::refresh(Attr what) {
  const bool all = what == Attr::All;
  if (all || what == Attr::Style) {
    const bool editable = combo_.style() == ComboStyle::DropDown;
    if (isEditable() != editable) {
      QSignalBlocker block(this);
      setEditable(editable);
      if (editable) {
        connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& t) {
          if (applying() || detached()) return;
          combo_.userEdited(t.toStdString());
          showChoice();
        });
      }
    }
  }
  if (all || what == Attr::Lines) showItems();
  showChoice();
}

void ComboBoxView::showItems() {
  QSignalBlocker block(this);
  const QString text = isEditable() ? lineEdit()->text() : QString();
  clear();
  for (const auto& item : combo_.items()) addItem(qs(item));
  if (isEditable()) lineEdit()->setText(text);
}

void ComboBoxView::showChoice() {
  QSignalBlocker block(this);
  const int pos = isEditable() ? lineEdit()->cursorPosition() : 0;
  const int index = combo_.itemIndex();
  // In the editable style the text field shows the model's text whatever the choice; moving the
  // widget to no item would clear that field.
  if (index != currentIndex() && (index >= 0 || !isEditable()))
    setCurrentIndex(index < count() ? index : -1);
  if (isEditable()) {
    const QString t = qs(combo_.text());
    if (lineEdit()->text() != t) {
      lineEdit()->setText(t);
      lineEdit()->setCursorPosition(std::min<int>(pos, static_cast<int>(t.size())));
    }
  }
}

}  // namespace qav::qt
