#pragma once
// A panel with an outer and an inner bevel, a background colour and a centred caption, drawn
// the classic way: light top-left and dark bottom-right edges for raised, the reverse for lowered.
#include <QColor>
#include <QString>
#include <QWidget>

namespace qav::qt {

enum class Bevel { None, Lowered, Raised };

class BevelPanel : public QWidget {
  Q_OBJECT
 public:
  explicit BevelPanel(QWidget* parent = nullptr);

  void setBevels(Bevel outer, Bevel inner, int width = 1);
  void setBackground(const QColor& c);
  void setCaption(const QString& caption);
  void setCaptionColour(const QColor& c);
  QString caption() const { return caption_; }
  // Width of the frame the bevels take on each side.
  int frameWidth() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Bevel outer_ = Bevel::Raised, inner_ = Bevel::None;
  int bevelWidth_ = 1;
  QColor background_;
  QColor captionColour_;
  QString caption_;
};

}  // namespace qav::qt
