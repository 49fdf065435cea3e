#include <QApplication>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include "items/WindowModel.h"
#include "qt/Canvas.h"
#include "qt/DrawnViews.h"
#include "qt/Mapping.h"

namespace qav::qt {

using graphic::GaugeOp;

GaugeView::GaugeView(TGauge& model, QWidget* parent) : DrawnView(model, parent), gauge_(model) {
  // The gauge covers its whole rectangle.
  setAttribute(Qt::WA_OpaquePaintEvent);
  refreshAll();
}

QImage GaugeView::render(const QRect& area) const {
  if (area.isEmpty()) return QImage();
  // Outside the paint rectangle the image stays black: that is the frame.
  QImage image(area.size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter p(&image);
  p.translate(-area.topLeft());
  Canvas canvas(p, area, QApplication::palette());

  // The colour around the pie is the window's while the gauge takes its parent's colour.
  const WindowModel* window = gauge_.parentWindow();
  graphic::GaugeColours colours;
  colours.colour = gauge_.parentColour() && window ? window->colour() : gauge_.colour();
  colours.fore = gauge_.foreColour();
  colours.back = gauge_.backColour();
  const graphic::GaugePaint paint = graphic::gaugePaint(
      gauge_.kind(), gauge_.width(), gauge_.height(), gauge_.border(), colours, gauge_.percent());
  // The kind is drawn straight into the black image: combining a drawing on black into black by
  // exclusive-or leaves the drawing as it is.
  for (const GaugeOp& op : paint.ops) {
    switch (op.kind) {
      case GaugeOp::Kind::Fill:
        canvas.fill(op.rect, canvas.colour(op.fill));
        break;
      case GaugeOp::Kind::Ellipse:
        canvas.ellipse(op.rect, canvas.colour(op.pen), 1, canvas.colour(op.fill));
        break;
      case GaugeOp::Kind::Wedge:
        canvas.pie(op.rect, op.from, op.to, op.sweep, canvas.colour(op.pen),
                   canvas.colour(op.fill));
        break;
      case GaugeOp::Kind::Line:
        canvas.line(op.from, op.to, canvas.colour(op.pen));
        break;
    }
  }
  p.end();

  if (gauge_.showText()) {
    // The percentage in white on black, clipped to the paint rectangle, then combined by
    // exclusive-or: it shows as the inverse of whatever lies under it.
    QFont f = font();
    f.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics fm(f);
    const QString text = qs(graphic::gaugeText(gauge_.percent()));
    const graphic::Point at =
        graphic::gaugeTextOrigin(paint, fm.horizontalAdvance(text), fm.height());
    const graphic::Rect& pr = paint.paintRect;
    const QRect clip = QRect(QPoint(pr.left, pr.top), QPoint(pr.right - 1, pr.bottom - 1)) & area;
    if (!clip.isEmpty()) {
      QImage mask(area.size(), QImage::Format_RGB32);
      mask.fill(Qt::black);
      QPainter tp(&mask);
      tp.translate(-area.topLeft());
      tp.setClipRect(clip);
      tp.setFont(f);
      tp.setPen(Qt::white);
      tp.drawText(at.x, at.y + fm.ascent(), text);
      tp.end();
      const QRect local = clip.translated(-area.topLeft());
      for (int y = local.top(); y <= local.bottom(); ++y) {
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
        const auto* src = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = local.left(); x <= local.right(); ++x) dst[x] ^= src[x] & 0x00FFFFFFu;
      }
    }
  }
  return image;
}

void GaugeView::paintEvent(QPaintEvent* event) {
  const QRect area = event->rect() & rect();
  const QImage image = render(area);
  if (image.isNull()) return;
  QPainter p(this);
  p.drawImage(area.topLeft(), image);
}

}  // namespace qav::qt
