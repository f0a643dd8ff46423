#include "gui/desktopidentity.h"

#include <QApplication>
#include <QIcon>

namespace desktopidentity {

void Apply() {
  QGuiApplication::setDesktopFileName(QStringLiteral(VARNESK_APP_ID));
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
  }
  QApplication::setWindowIcon(icon);
}

}  // namespace desktopidentity
