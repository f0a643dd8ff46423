#include "gui/presetbutton.h"

#include "engines/enginepresets.h"

#include <QLineEdit>
#include <QMenu>

namespace {

QString ToQString(std::u16string_view Text) {
  return QString::fromUtf16(Text.data(), static_cast<qsizetype>(Text.size()));
}

}  // namespace

TPresetButton::TPresetButton(QLineEdit& Box, QWidget* Parent) : QToolButton(Parent) {
  setToolTip(QStringLiteral("Choose an engine"));
  setAccessibleName(QStringLiteral("Engine presets"));
  setArrowType(Qt::DownArrow);
  setPopupMode(QToolButton::InstantPopup);
  // The arrow says "menu" already; the style's corner mark would repeat it.
  setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
  setFocusPolicy(Qt::TabFocus);
  auto* menu = new QMenu(this);
  menu->setFont(Box.font());
  for (const TEnginePreset& Preset : EnginePresets()) {
    const QString command = ToQString(Preset.Command);
    connect(menu->addAction(ToQString(Preset.Name)), &QAction::triggered, &Box, [&Box, command] {
      Box.selectAll();
      Box.insert(command);
    });
  }
  setMenu(menu);
}
