#include "ui/shadow_label.h"

#include <QPainter>

namespace numvella {

ShadowLabel::ShadowLabel(QWidget *parent) : QLabel(parent) {}

void ShadowLabel::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(font());
  const QRect r = contentsRect();
  // Geometry in device-independent pixels: Qt scales the offset with the
  // device pixel ratio, so the shadow stays 2 px at any scale.
  painter.setPen(Qt::black);
  painter.drawText(r.translated(2, 2), int(alignment()) | Qt::TextSingleLine, text());
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(r, int(alignment()) | Qt::TextSingleLine, text());
}

}  // namespace numvella
