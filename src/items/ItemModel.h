#pragma once
// The model of one visual or scriptable item: the single authority for its state.
// Property tables, the interpreter, the loader and the views all act on models. A view
// mirrors the model: the model tells it "this attribute changed" and the view reads the
// model; user input reaches the model as intent through the model's own methods.
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "base/Font.h"
#include "items/Component.h"

namespace qav {

class WindowModel;
class ItemModel;
class PropertyTable;

// What changed, for the view. Views may treat any value as "refresh everything".
enum class Attr {
  Bounds,
  Visible,
  Enabled,
  Caption,
  Text,
  Font,
  Colour,
  Cursor,
  Hint,
  Lines,  // lines or items of memos and lists
  Selection,
  Checked,
  Style,  // any appearance switch (border, alignment, scroll bars, case, ...)
  Picture,
  ReadOnly,
  Parent,  // placement on a window or in a page
  Timer,   // enabled state or interval of a timer
  Paint,   // drawn items: repaint
  All,
};

class ModelObserver {
 public:
  virtual ~ModelObserver() = default;
  virtual void modelChanged(Attr what) = 0;
  // The model is being destroyed: the observer must not touch it again.
  virtual void modelGone() {}
  // Asked before the item's size is read. A view that sizes its item from what it shows (an
  // auto-size label or picture) and has not been built yet builds now, so that the read sees
  // the size the item has on the screen.
  virtual void measure() {}
};

// The single action of an item that is bound to the event dispatch (click, change, tick, ...).
using EventHandler = std::function<void(ItemModel& sender)>;

// A failure a property write raises (an alarm date that is no date, a gauge range error, a
// picture file that cannot be read). The interpreter reports it as a script error.
class ItemError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ItemModel : public Component {
 public:
  using Component::Component;
  ~ItemModel() override {
    if (observer_) observer_->modelGone();
  }
  bool isItem() const override { return true; }

  // The Korean property table of the item. Unknown names do nothing; a read that matches no
  // row leaves result exactly as the caller passed it. May throw ItemError. The item's table
  // (propertyTable()) answers; an item without one answers in its own way (by default it
  // ignores every name).
  void SetItemProperty(std::string_view name, std::string_view value);
  void GetItemProperty(std::string_view name, std::string& result) const;
  // The table that alone answers GetItemProperty, or null: a reader may find a name's rows
  // once and read them from the table directly.
  const PropertyTable* readTable() const { return propertyTable(); }

  // Placement.
  WindowModel* parentWindow() const { return parent_; }
  void setParentWindow(WindowModel* w) { assign(parent_, w, Attr::Parent); }

  int32_t left() const { return left_; }
  int32_t top() const { return top_; }
  // The size is the one the view settled on, for items whose view sizes them.
  int32_t width() const {
    measure();
    return width_;
  }
  int32_t height() const {
    measure();
    return height_;
  }
  virtual void setBounds(int32_t l, int32_t t, int32_t w, int32_t h);
  void setLeft(int32_t v) { setBounds(v, top_, width_, height_); }
  void setTop(int32_t v) { setBounds(left_, v, width_, height_); }
  void setWidth(int32_t v) { setBounds(left_, top_, v, height_); }
  void setHeight(int32_t v) { setBounds(left_, top_, width_, v); }

  // Live state the view shows.
  bool visible() const { return visible_; }
  virtual void setVisible(bool v) { change(visible_, v, Attr::Visible); }
  bool enabled() const { return enabled_; }
  virtual void setEnabled(bool v) { change(enabled_, v, Attr::Enabled); }
  const std::string& hint() const { return hint_; }
  void setHint(std::string h) { assign(hint_, std::move(h), Attr::Hint); }
  bool showHint() const { return showHint_; }
  void setShowHint(bool v) { assign(showHint_, v, Attr::Hint); }
  int16_t cursor() const { return cursor_; }
  void setCursor(int16_t c) { assign(cursor_, c, Attr::Cursor); }
  // Font and colour as the item shows them: while a parent switch is on and the item sits on a
  // window, the window's. Giving the item a font or colour of its own turns the switch off;
  // turning a switch off keeps what the item shows.
  const Font& font() const;
  virtual void setFont(const Font& f) {
    font_ = f;
    parentFont_ = false;
    notify(Attr::Font);
  }
  bool parentFont() const { return parentFont_; }
  void setParentFont(bool v);
  uint32_t colour() const;
  virtual void setColour(uint32_t c) {
    colour_ = c;
    parentColour_ = false;
    notify(Attr::Colour);
  }
  bool parentColour() const { return parentColour_; }
  void setParentColour(bool v);
  bool tabStop() const { return tabStop_; }
  void setTabStop(bool v) { assign(tabStop_, v, Attr::Style); }
  int32_t tabOrder() const { return tabOrder_; }
  void setTabOrder(int32_t v) { assign(tabOrder_, v, Attr::Style); }

  // The view (at most one). Headless runs have none.
  void setObserver(ModelObserver* o) { observer_ = o; }
  ModelObserver* observer() const { return observer_; }

  // The bound action. Detaching (an empty handler) keeps writes from raising events.
  void setHandler(EventHandler h) { handler_ = std::move(h); }
  const EventHandler& handler() const { return handler_; }
  // Reports the bound action to whatever handler is attached.
  void fire() {
    if (handler_) handler_(*this);
  }

 protected:
  // The rows behind SetItemProperty and GetItemProperty, or null for an item without a table.
  virtual const PropertyTable* propertyTable() const { return nullptr; }
  // The properties of an item without a table.
  virtual void setOwnProperty(std::string_view, std::string_view) {}
  virtual void getOwnProperty(std::string_view, std::string&) const {}

  void notify(Attr what) {
    if (observer_) observer_->modelChanged(what);
  }
  void measure() const {
    if (observer_) observer_->measure();
  }

  // The body of a setter: stores the value and tells the view what changed.
  template <class T, class V>
  void assign(T& field, V&& value, Attr what) {
    field = std::forward<V>(value);
    notify(what);
  }
  // The body of a setter that tells the view only of a different value; returns whether the
  // value changed.
  template <class T, class V>
  bool change(T& field, V&& value, Attr what) {
    if (field == value) return false;
    field = std::forward<V>(value);
    notify(what);
    return true;
  }

 private:
  WindowModel* parent_ = nullptr;
  int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true, enabled_ = true;
  std::string hint_;
  bool showHint_ = false;
  int16_t cursor_ = 0;
  Font font_;
  bool parentFont_ = true;
  uint32_t colour_ = 0x8000000F;  // clBtnFace
  bool parentColour_ = false;
  bool tabStop_ = true;
  int32_t tabOrder_ = 0;
  ModelObserver* observer_ = nullptr;
  EventHandler handler_;
};

}  // namespace qav
