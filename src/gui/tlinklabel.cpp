#include "gui/tlinklabel.h"

#include <QMouseEvent>

TLinkLabel::TLinkLabel(const QString& Text, QWidget* Parent) : QLabel(Text, Parent) {
  setCursor(Qt::PointingHandCursor);
}

void TLinkLabel::SetColour(const QColor& Colour) {
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, Colour);
  setPalette(palette);
}

QColor TLinkLabel::Colour() const { return palette().color(QPalette::WindowText); }

void TLinkLabel::mouseReleaseEvent(QMouseEvent* Event) {
  QLabel::mouseReleaseEvent(Event);
  if (Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint()) && OnClick) OnClick();
}

void TLinkLabel::enterEvent(QEnterEvent* Event) {
  QLabel::enterEvent(Event);
  if (OnMouseEnter) OnMouseEnter();
}

void TLinkLabel::leaveEvent(QEvent* Event) {
  QLabel::leaveEvent(Event);
  if (OnMouseLeave) OnMouseLeave();
}
