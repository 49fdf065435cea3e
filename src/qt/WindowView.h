#pragma once
// Views of windows: a plain window (TForm) as a top-level widget, or embedded in the page area
// of a page control. The view mirrors its WindowModel and reports activation, closing and
// moves by the user back to it.
#include <QWidget>
#include <functional>

#include "items/ItemModel.h"
#include "items/WindowModel.h"
#include "qt/Dialogs.h"

namespace qav::qt {

// A view that offers an area where a page control shows the window of its active tab.
class PageAreaHost {
 public:
  virtual ~PageAreaHost() = default;
  virtual QWidget* pageArea() = 0;
};

// Finds the page area of the view of a page control; null when it has none.
using PageAreaLookup = std::function<QWidget*(ItemModel*)>;

// The look that windows share: caption, icon, font and colour of the client area, cursor.
void applyCaption(QWidget* top, const WindowModel& model);
void applyClientLook(QWidget* client, const WindowModel& model);
// Window flags for the border style, border icons and stay-on-top switch.
Qt::WindowFlags windowFlagsFor(const WindowModel& model);

class WindowView : public QWidget, public ModelObserver {
  Q_OBJECT
 public:
  WindowView(WindowModel& model, PageAreaLookup pageAreas);
  ~WindowView() override;

  WindowModel& model() const { return model_; }
  // Where the window's items are placed.
  QWidget* clientArea() { return this; }
  bool embedded() const { return embeddedIn_ != nullptr; }

  void modelChanged(Attr what) override;
  // A view that outlives its model leaves it alone.
  void modelGone() override { detached_ = true; }
  // Forgets the model; called before the models go away.
  void detach();
  // Closes the window as the program does (the user's close asks the runtime first).
  void closeByProgram();
  // The frame the window system puts around the client area (none before it is shown).
  QMargins frameMargins() const;

 signals:
  // The window was hidden or closed (ends a modal wait).
  void closed();

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void applyAll();
  void applyPlacement();
  void applyBounds();
  void reportBounds();

  WindowModel& model_;
  PageAreaLookup pageAreas_;
  QWidget* embeddedIn_ = nullptr;
  bool applying_ = false;  // the view is being set from the model
  bool closingByProgram_ = false;
  bool inUserClose_ = false, closeAccepted_ = false;
  QMargins shownMargins_;
  bool reporting_ = false;  // the model is being set from the view
  bool shownOnce_ = false;
  bool detached_ = false;
};

// A window became active on the display: the runtime runs its activation script unless it
// already was the active window.
void userActivated(WindowModel& window);

}  // namespace qav::qt
