#include "qt/ListViews.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include "qt/Mapping.h"

namespace qav::qt {

namespace {

// Applies the model's last change of its items to a widget that shows them in rows: one row
// added or removed where the change is that and the widget is one row behind, else every row
// anew (always with all). True when only the one row changed.
template <class Widget>
bool followItems(Widget& w, const ListControl& model, bool all) {
  const auto& items = model.items();
  const auto change = all ? ListControl::ItemsChange{} : model.itemsChange();
  const auto rows = static_cast<std::size_t>(w.count());
  const auto at = change.index;
  if (change.kind == ListControl::ItemsChange::Added && rows + 1 == items.size()) {
    w.insertItem(at, qs(items[static_cast<std::size_t>(at)]));
    return true;
  }
  if (change.kind == ListControl::ItemsChange::Removed && rows == items.size() + 1) {
    if constexpr (requires { w.takeItem(at); })
      delete w.takeItem(at);
    else
      w.removeItem(at);
    return true;
  }
  w.clear();
  for (const auto& item : items) w.addItem(qs(item));
  return false;
}

}  // namespace

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
    if (followItems(*this, list_, all)) {
      // The other rows kept their selection and moved with their items, as the model's did:
      // only the current row is set again, and scrolled to when its item moved.
      const int current = list_.itemIndex();
      if (current >= 0 && (currentRow() != current || list_.itemsChange().index <= current))
        showCurrent();
      return;
    }
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
  showCurrent();
}

void ListBoxView::showCurrent() {
  const int current = list_.itemIndex();
  if (current >= 0 && current < count()) {
    QSignalBlocker block(this);
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
  if (all || what == Attr::Lines) showItems(all);
  showChoice();
}

void ComboBoxView::showItems(bool all) {
  QSignalBlocker block(this);
  // Filling an empty box makes its first item current, which would show in the text field.
  const QString text = isEditable() ? lineEdit()->text() : QString();
  followItems(*this, combo_, all);
  if (isEditable() && lineEdit()->text() != text) lineEdit()->setText(text);
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
