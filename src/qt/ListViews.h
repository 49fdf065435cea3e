#pragma once
// Views of the run-time list box and combo box. The models keep items, order and selection;
// a user's pick goes to the model, and the widget shows what the model then holds.
#include <QComboBox>
#include <QListWidget>

#include "items/controls/RunComboBox.h"
#include "items/controls/RunListBox.h"
#include "qt/ItemView.h"

namespace qav::qt {

class ListBoxView : public QListWidget, public ItemView {
  Q_OBJECT
 public:
  ListBoxView(TRunListBox& model, QWidget* parent);

 protected:
  void refresh(Attr what) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The user picked the entry: the runtime's input path selects it and runs the script.
  void pick(int index);
  // Every row's selection, then the current row.
  void showSelection();
  // The current row, scrolled into view.
  void showCurrent();
  TRunListBox& list_;
};

class ComboBoxView : public QComboBox, public ItemView {
  Q_OBJECT
 public:
  ComboBoxView(TRunComboBox& model, QWidget* parent);

 protected:
  void refresh(Attr what) override;

 private:
  // The items as a whole when all, else as the model's last change of its items says.
  void showItems(bool all);
  void showChoice();
  TRunComboBox& combo_;
};

}  // namespace qav::qt
