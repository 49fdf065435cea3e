#pragma once
// The program-information window: a banner, the project's name, maker and version, and a
// button that closes it. The lines are rebuilt whenever the window becomes active.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;

namespace qav::qt {

class BevelPanel;

// The lines the window shows: the program's name, maker and version with their labels.
using AboutLines = std::function<std::vector<std::string>()>;

class AboutWindow : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kOuterWidth = 375, kOuterHeight = 185;
  // The frame of a dialog window on the platform the projects were designed for.
  static constexpr int kFrameWidth = 8, kFrameHeight = 27;
  static constexpr QRgb kDesignedFace = 0xFFC0C0C0;

  explicit AboutWindow(AboutLines lines, QWidget* parent = nullptr);
  void setLines(AboutLines lines) { lines_ = std::move(lines); }

  BevelPanel* banner() const { return banner_; }
  QPlainTextEdit* textBox() const { return text_; }
  QPushButton* okButton() const { return ok_; }

  // Fills the text box with the current lines.
  void refresh();

 protected:
  bool event(QEvent* event) override;

 private:
  AboutLines lines_;
  BevelPanel* banner_;
  QPlainTextEdit* text_;
  QPushButton* ok_;
};

}  // namespace qav::qt
