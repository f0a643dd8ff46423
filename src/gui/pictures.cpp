#include "gui/pictures.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace pictures {
namespace {

const QColor kDarkGrey(64, 64, 64);
const QColor kDarkBlue(24, 46, 122);

QPixmap Blank(int Size) {
  QPixmap pixmap(Size, Size);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

QPixmap Glass(int Size, const QColor& Colour) {
  QPixmap pixmap = Blank(Size);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal unit = Size / 32.0;
  const QPointF centre(13 * unit, 13 * unit);
  const qreal radius = 8.5 * unit;
  painter.setPen(QPen(Colour, 3 * unit));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, radius, radius);
  painter.setPen(QPen(Colour, 5 * unit, Qt::SolidLine, Qt::RoundCap));
  const qreal start = 13 + 8.5 / std::numbers::sqrt2 + 1.5;
  painter.drawLine(QPointF(start * unit, start * unit), QPointF(28 * unit, 28 * unit));
  return pixmap;
}

}  // namespace

QPixmap Search() { return Glass(32, kDarkGrey); }

QPixmap SettingsWindowGlass() { return Glass(47, kDarkBlue); }

QPixmap Settings() {
  QPixmap pixmap = Blank(32);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(16, 16);
  QPainterPath wheel;
  wheel.addEllipse(centre, 10.5, 10.5);
  for (int tooth = 0; tooth < 8; ++tooth) {
    QPainterPath rect;
    rect.addRoundedRect(QRectF(-2.75, -15, 5.5, 8), 1, 1);
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    turn.rotate(tooth * 45.0);
    wheel = wheel.united(turn.map(rect));
  }
  QPainterPath hole;
  hole.addEllipse(centre, 4.5, 4.5);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kDarkGrey);
  painter.drawPath(wheel.subtracted(hole));
  return pixmap;
}

}  // namespace pictures
