#include "gui/errordisplay.h"

#include "app/errortext.h"

#include <QApplication>
#include <QMessageBox>

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
  QMessageBox box(QMessageBox::Critical, QString::fromStdU16String(std::u16string(ErrorCaption)), text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

void SetErrorSink(std::function<void(const QString& Text)> Sink) { errordisplay::Sink() = std::move(Sink); }

}  // namespace errordisplay
