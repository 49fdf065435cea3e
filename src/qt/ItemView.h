#pragma once
// The part of every item's view that mirrors what all items share: place and size on the
// window, visibility, enabled state, font, colour, cursor and hint. A view of a kind of item
// derives from it and refreshes its own attributes in refresh().
#include <QPalette>
#include <QPointer>
#include <QWidget>

#include <functional>

#include "items/ItemModel.h"
#include "platform/UserInput.h"
#include "qt/ModelTie.h"

namespace qav {
class Platform;
}

namespace qav::qt {

class ItemView : public ModelTie {
 public:
  // The colour of the item is painted in role (Window for labels, Base for text areas,
  // Button for buttons).
  ItemView(ItemModel& model, QWidget* widget, QPalette::ColorRole colourRole);

  ItemModel& model() const { return model_; }
  QWidget* widget() const { return widget_; }

  void modelChanged(Attr what) final;

  // Applies every attribute; called once the derived view is complete.
  void refreshAll() { modelChanged(Attr::All); }

 protected:
  // The kind's own attributes; what is Attr::All when everything should be read again.
  virtual void refresh(Attr what) = 0;
  // True while the widget is being set from the model, so that its signals are not taken
  // for user input.
  bool applying() const { return applying_; }

 private:
  void applyCommon(Attr what);

  ItemModel& model_;
  QPointer<QWidget> widget_;
  QPalette::ColorRole colourRole_;
  bool applying_ = false;
};

// The platform whose runtime takes the views' user input (set by QtPlatform).
void setInputPlatform(Platform* platform);
// Hands a user action to the runtime's input path, which applies the rules and dispatches;
// without a runtime (a view tried alone) the fallback acts on the model directly.
Refusal deliverInput(const UserAction& action, const std::function<void()>& fallback);
// Whether the runtime's rules allow the action now (always, without a runtime).
Refusal checkInput(const UserAction& action);
// In a scripted run the window system's own activations are not the user's: the runner
// performs activations itself.
void setScriptedInput(bool scripted);
bool scriptedInput();

// The text a hint shows: the part before a "|", which separates a short and a long hint, as
// plain text whatever markup it looks like.
QString hintText(const std::string& hint);

// Chains the keyboard focus through the items on a window by their tab order (ties keep the
// order of placement).
void orderTabs(QWidget* client);

// Tells the items on a window whose colour changed: those that show their window's colour
// take the new one (their palettes hold the colour they were last given).
void windowColourChanged(QWidget* client);

// A caption with "&" marks as shown: "&&" is one "&", a single "&" marks the next character
// and is not shown.
QString withoutAccelerators(const std::string& caption);

}  // namespace qav::qt
