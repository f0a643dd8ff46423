#include "gui/enginetips.h"

#include <QLineEdit>

namespace enginetips {

QString ToolTip(const QString& Command) {
  if (Command.isEmpty()) return {};
  // On one line, as it stands: a tooltip wraps rich text, and would take a
  // command holding "<b>" for it.
  return QStringLiteral("<p style='white-space:pre'>") + Command.toHtmlEscaped() + QStringLiteral("</p>");
}

void Follow(const TPerSlot<QWidget*>& Boxes, const TPerSlot<QLineEdit*>& Commands) {
  for (std::size_t slot = 0; slot < Boxes.size(); ++slot) {
    QWidget* box = Boxes[slot];
    const auto show = [box](const QString& Command) { box->setToolTip(ToolTip(Command)); };
    QObject::connect(Commands[slot], &QLineEdit::textChanged, box, show);
    show(Commands[slot]->text());
  }
}

}  // namespace enginetips
