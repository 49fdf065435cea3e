#pragma once
// The part of a window's view that mirrors its WindowModel, shared by the main window's view
// and the views of plain windows: caption, look and frame from the model, and the user's
// activation, moves and sizes back to it.
#include <QEvent>
#include <QWidget>

#include "items/WindowModel.h"
#include "qt/ModelTie.h"

namespace qav::qt {

// The look that windows share: caption, icon, font and colour of the client area, cursor.
void applyCaption(QWidget* top, const WindowModel& model);
void applyClientLook(QWidget* client, const WindowModel& model);
// Whether the border style keeps the window's size as designed.
bool fixedBorder(BorderStyle b);
// Window flags for the border style, border icons and stay-on-top switch.
Qt::WindowFlags windowFlagsFor(const WindowModel& model);

// A window became active on the display: the runtime runs its activation script unless it
// already was the active window.
void userActivated(WindowModel& window);

class WindowMirror : public ModelTie {
 public:
  // top is the window's widget; its items are placed on client.
  WindowMirror(WindowModel& model, QWidget* top, QWidget* client)
      : ModelTie(model), model_(model), top_(top), client_(client) {}

  WindowModel& model() const { return model_; }
  // Where the window's items are placed.
  QWidget* clientArea() const { return client_; }

  void modelChanged(Attr what) override;

 protected:
  // Applies every attribute of the model.
  void applyAll();
  // What the window's widget does after handling an event: reports an activation, a hiding
  // by the program, and a move or resize by the user.
  void afterEvent(const QEvent& event);

  // The frame: the window flags, and for a plain window whether it sits in a page control.
  virtual void applyFrame() = 0;
  virtual void applyBounds() = 0;
  // Sets the model's bounds from where the user moved or sized the window.
  virtual void reportBounds() = 0;
  // The window was hidden or closed by the program (ends a modal wait).
  virtual void hiddenByProgram() = 0;

  WindowModel& model_;
  QWidget* top_;
  QWidget* client_;
  bool applying_ = false;   // the view is being set from the model
  bool reporting_ = false;  // the model is being set from the view
  bool shownOnce_ = false;
};

}  // namespace qav::qt
