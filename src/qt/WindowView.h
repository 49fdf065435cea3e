#pragma once
// Views of windows: a plain window (TForm) as a top-level widget, or embedded in the page area
// of a page control. The view mirrors its WindowModel and reports activation, closing and
// moves by the user back to it.
#include <QWidget>
#include <functional>

#include "qt/Dialogs.h"
#include "qt/WindowMirror.h"

namespace qav::qt {

// A view that offers an area where a page control shows the window of its active tab.
class PageAreaHost {
 public:
  virtual ~PageAreaHost() = default;
  virtual QWidget* pageArea() = 0;
};

// Finds the page area of the view of a page control; null when it has none.
using PageAreaLookup = std::function<QWidget*(ItemModel*)>;

class WindowView : public QWidget, public WindowMirror {
  Q_OBJECT
 public:
  WindowView(WindowModel& model, PageAreaLookup pageAreas);

  bool embedded() const { return embeddedIn_ != nullptr; }

  void modelChanged(Attr what) override;
  // A view that outlives its model leaves it alone.
  void modelGone() override { detached_ = true; }
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

 private:
  void applyFrame() override;
  void applyBounds() override;
  void reportBounds() override;
  void hiddenByProgram() override { emit closed(); }

  PageAreaLookup pageAreas_;
  QWidget* embeddedIn_ = nullptr;
  bool closingByProgram_ = false;
  bool inUserClose_ = false, closeAccepted_ = false;
  QMargins shownMargins_;
};

}  // namespace qav::qt
