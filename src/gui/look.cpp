#include "gui/look.h"

#include <QFile>
#include <QFontDatabase>
#include <QWidget>

namespace look {

QFont Calibri(int Px) {
  QFont font(QStringLiteral("Calibri"));
  font.setPixelSize(Px);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

QFont Tahoma11() {
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(11);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

void SetTextColour(QWidget* Widget, const QColor& Colour) {
  QPalette palette = Widget->palette();
  palette.setColor(QPalette::WindowText, Colour);
  Widget->setPalette(palette);
}

void SetBackground(QWidget* Widget, const QColor& Colour) {
  QPalette palette = Widget->palette();
  palette.setColor(QPalette::Window, Colour);
  Widget->setPalette(palette);
  Widget->setAutoFillBackground(true);
}

void LoadFonts() {
  // Wine's Tahoma lies outside fontconfig's folders on Debian.
  const QString wineTahoma = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
  if (QFile::exists(wineTahoma)) QFontDatabase::addApplicationFont(wineTahoma);
}

}  // namespace look
