#pragma once
// What every drawn item shares: the window it is placed on, the accessible and visible flags as
// designed, the click made of a left press and release inside the item, and the row tables
// behind the Korean property names.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "base/Text.h"
#include "items/ItemModel.h"
#include "lang/PropertyNames.h"
#include "lang/Vocabulary.h"

namespace qav {

enum class MouseButton { Left, Right, Middle };

class DrawnItem : public ItemModel {
 public:
  using ItemModel::ItemModel;

  const std::string& parentName() const { return parentName_; }
  void setParentName(std::string n) { parentName_ = std::move(n); }

  // The design flags. Scripts read and write them; the loader applies them once.
  bool enabledCheck() const { return enabledCheck_; }
  void setEnabledCheck(bool v) { enabledCheck_ = v; }
  bool visibleCheck() const { return visibleCheck_; }
  void setVisibleCheck(bool v) { visibleCheck_ = v; }
  // Applies the design flags to the live state, as instantiation does.
  virtual void applyDesignFlags() { setVisible(visibleCheck_); }
  // A script's write of a flag: the live state follows at once.
  void writeEnabledCheck(bool v) {
    enabledCheck_ = v;
    setEnabled(v);
  }
  void writeVisibleCheck(bool v) {
    visibleCheck_ = v;
    setVisible(v);
  }

  // Pointer input from the view, in the item's coordinates. A left release inside the item
  // after a left press on it is a click and reaches the bound handler.
  void mouseDown(MouseButton button, int32_t x, int32_t y);
  void mouseUp(MouseButton button, int32_t x, int32_t y);

 protected:
  // One row of a Korean property table. A read that has no word for the state leaves the
  // result alone.
  template <class T>
  struct Row {
    std::string_view name;
    void (*set)(T&, std::string_view);
    void (*get)(const T&, std::string&);
  };

  // Every row is tested in order; a match does not stop the scan.
  template <class T>
  static void setByRows(std::span<const Row<T>> rows, T& item, std::string_view name,
                        std::string_view value) {
    for (const Row<T>& r : rows)
      if (r.name == name) r.set(item, value);
  }
  // The rows most drawn items share.
  template <class T>
  static constexpr Row<T> accessRow() {
    return {prop::kAccess, [](T& i, std::string_view v) { i.writeEnabledCheck(WordToTruth(v)); },
            [](const T& i, std::string& r) { r = TruthToWord(i.enabledCheck()); }};
  }
  template <class T>
  static constexpr Row<T> existsRow() {
    return {prop::kExists, [](T& i, std::string_view v) { i.writeVisibleCheck(WordToTruth(v)); },
            [](const T& i, std::string& r) { r = TruthToWord(i.visibleCheck()); }};
  }
  template <class T>
  static constexpr Row<T> leftRow() {
    return {prop::kLeft, [](T& i, std::string_view v) { i.setLeft(TextToNumber(v)); },
            [](const T& i, std::string& r) { r = text::decimal(i.left()); }};
  }
  template <class T>
  static constexpr Row<T> topRow() {
    return {prop::kTop, [](T& i, std::string_view v) { i.setTop(TextToNumber(v)); },
            [](const T& i, std::string& r) { r = text::decimal(i.top()); }};
  }
  template <class T>
  static constexpr Row<T> widthRow() {
    return {prop::kWidth, [](T& i, std::string_view v) { i.setWidth(TextToNumber(v)); },
            [](const T& i, std::string& r) { r = text::decimal(i.width()); }};
  }
  template <class T>
  static constexpr Row<T> heightRow() {
    return {prop::kHeight, [](T& i, std::string_view v) { i.setHeight(TextToNumber(v)); },
            [](const T& i, std::string& r) { r = text::decimal(i.height()); }};
  }
  template <class T>
  static constexpr Row<T> cursorRow() {
    return {prop::kCursor, [](T& i, std::string_view v) { i.setCursor(WordToCursor(v)); },
            [](const T& i, std::string& r) { CursorToWord(i.cursor(), r); }};
  }
  template <class T>
  static constexpr Row<T> hintRow() {
    return {prop::kHint, [](T& i, std::string_view v) { i.setHint(std::string(v)); },
            [](const T& i, std::string& r) { r = i.hint(); }};
  }

  template <class T>
  static void getByRows(std::span<const Row<T>> rows, const T& item, std::string_view name,
                        std::string& result) {
    for (const Row<T>& r : rows)
      if (r.name == name) r.get(item, result);
  }

 private:
  std::string parentName_;
  bool enabledCheck_ = false, visibleCheck_ = false;
  bool leftPressed_ = false;
};

}  // namespace qav
