#include "gui/enginetips.h"

#include <QLineEdit>
#include <QTextDocument>

namespace enginetips {

void Follow(const std::array<QWidget*, 3>& Boxes, const std::array<QLineEdit*, 3>& Commands) {
  for (std::size_t slot = 0; slot < Boxes.size(); ++slot) {
    QWidget* box = Boxes[slot];
    // Plain text on one line, whatever the command holds ("<", "&").
    const auto show = [box](const QString& Command) {
      box->setToolTip(Command.isEmpty() ? QString() : Qt::convertFromPlainText(Command, Qt::WhiteSpaceNoWrap));
    };
    QObject::connect(Commands[slot], &QLineEdit::textChanged, box, show);
    show(Commands[slot]->text());
  }
}

}  // namespace enginetips
