#pragma once
// The program-information window: a banner, the project's name, maker and version, and a
// button that closes it. The lines are rebuilt whenever the window becomes active.
#include <QDialog>
#include <functional>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace qav::qt {

class BevelPanel;

struct ProgramInfo {
  std::string name, maker, version;
};

class AboutWindow : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kOuterWidth = 375, kOuterHeight = 185;
  // The frame of a dialog window on the platform the projects were designed for.
  static constexpr int kFrameWidth = 8, kFrameHeight = 27;
  static constexpr QRgb kDesignedFace = 0xFFC0C0C0;

  explicit AboutWindow(std::function<ProgramInfo()> source, QWidget* parent = nullptr);

  BevelPanel* banner() const { return banner_; }
  QPlainTextEdit* textBox() const { return text_; }
  QPushButton* okButton() const { return ok_; }

  // Fills the text box from the current settings.
  void refresh();

 protected:
  bool event(QEvent* event) override;

 private:
  std::function<ProgramInfo()> source_;
  BevelPanel* banner_;
  QPlainTextEdit* text_;
  QPushButton* ok_;
};

}  // namespace qav::qt
