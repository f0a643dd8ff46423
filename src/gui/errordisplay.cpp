#include "gui/errordisplay.h"

#include "app/errortext.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>

namespace errordisplay {
namespace {

std::function<void(const QString&)>& Sink() {
  static std::function<void(const QString&)> sink;
  return sink;
}

}  // namespace

QString Text(const std::exception& Error) {
  return QString::fromStdU16String(ErrorDisplayText(ExceptionMessage(Error)));
}

void Show(const std::exception& Error) {
  const QString text = Text(Error);
  if (Sink()) {
    Sink()(text);
    return;
  }
  // Without a screen nobody could close the box and its modal loop would
  // never end: the text goes to standard error instead.
  const QString platform = QGuiApplication::platformName();
  if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    return;
  }
  QMessageBox box(QMessageBox::Critical, QString::fromStdU16String(std::u16string(ErrorCaption)), text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

void SetErrorSink(std::function<void(const QString& Text)> Sink) { errordisplay::Sink() = std::move(Sink); }

}  // namespace errordisplay
