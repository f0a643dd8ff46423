// TLinkLabel: a label used as a link: hand cursor, its own text colour, and
// click, mouse-enter and mouse-leave hooks for the window's handlers.
#pragma once

#include <QLabel>

#include <functional>

class TLinkLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TLinkLabel(const QString& Text, QWidget* Parent);

  void SetColour(const QColor& Colour);
  QColor Colour() const;

  std::function<void()> OnClick;
  std::function<void()> OnMouseEnter;
  std::function<void()> OnMouseLeave;

 protected:
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void enterEvent(QEnterEvent* Event) override;
  void leaveEvent(QEvent* Event) override;
};
