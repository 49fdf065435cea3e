#pragma once
// Shared state of the control items: the event-script slots, and for the items whose stream
// record is itself the live control, the stored design flags and the window name.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "items/DesignFlags.h"
#include "items/ItemModel.h"

namespace qav {

class RecordProps;
struct Record;

using Lines = std::vector<std::string>;

class ControlModel : public ItemModel {
 public:
  static constexpr int kSlotCount = 5;

  // slots: the numbers (1..5) of the event slots the class carries; boundSlot: the one whose
  // script runs when the bound action fires (0 for none).
  ControlModel(std::string className, std::initializer_list<int> slots, int boundSlot);

  bool carriesSlot(int n) const;
  // The lines of slot n; an empty list for a slot the class does not carry.
  const Lines& ivent(int n) const;
  // Copies the lines into slot n; the item never shares the caller's list. Ignored for a
  // slot the class does not carry.
  void setIvent(int n, const Lines& lines);

  int boundSlot() const { return boundSlot_; }
  const Lines& boundScript() const { return ivent(boundSlot_); }

 protected:
  // Copies every carried slot ("IventN.Strings") from a record.
  void copySlots(const RecordProps& rp);

 private:
  std::array<Lines, kSlotCount> slots_;
  uint8_t carried_ = 0;
  int boundSlot_ = 0;
};

// An item whose stream record becomes the live control.
class RecordControl : public ControlModel, public DesignFlags {
 public:
  RecordControl(std::string className, std::initializer_list<int> carried, int boundSlot)
      : ControlModel(std::move(className), carried, boundSlot), DesignFlags(true) {}

  // Live enabled and visible states from the flags (edit fields and memos also read-only).
  void applyDesignFlags() override;

 protected:
  void showEnabled(bool v) override { setEnabled(v); }
  void showVisible(bool v) override { setVisible(v); }

  // Reads what every record-and-live control carries: the design flags, the window name,
  // the event slots, and the base control properties (bounds, cursor, hint, font, colour,
  // parent switches, tab settings) that the record holds.
  void loadControlRecord(const RecordProps& rp);
};

// A control that a timer of the view drives (the timer and the alarm): running is the live
// enabled state, and every write of it restarts the countdown (Attr::Timer). Ivent5 runs.
class TimedControl : public ControlModel {
 public:
  explicit TimedControl(std::string className) : ControlModel(std::move(className), {5}, 5) {}

  void setEnabled(bool v) override {
    ControlModel::setEnabled(v);
    notify(Attr::Timer);
  }
};

// A record-and-live control that shows a caption: the button, the label and the check marks.
class CaptionControl : public RecordControl {
 public:
  using RecordControl::RecordControl;

  const std::string& caption() const { return caption_; }
  void setCaption(std::string c) { assign(caption_, std::move(c), Attr::Caption); }

 protected:
  // The control record and the caption.
  void loadCaptionRecord(const RecordProps& rp);

 private:
  std::string caption_;
};

}  // namespace qav
