#include "gui/commandwarning.h"

#include "engines/commandcheck.h"
#include "gui/look.h"

#include <QLineEdit>

TCommandWarning::TCommandWarning(QLineEdit& Box, QWidget* Parent) : QLabel(Parent) {
  setFont(look::Calibri(13));
  look::SetTextColour(this, look::kWarningText);
  setGeometry(Box.x() + 2, Box.geometry().bottom() + 2, Box.width() - 2, 17);
  connect(&Box, &QLineEdit::textChanged, this, [this](const QString& Command) { Follow(Command); });
  Follow(Box.text());
}

void TCommandWarning::Follow(const QString& Command) {
  const std::u16string_view warning = CommandWarning(CheckSearchCommand(Command.toStdU16String()));
  setText(QString::fromUtf16(warning.data(), static_cast<qsizetype>(warning.size())));
  setVisible(!warning.empty());
}
