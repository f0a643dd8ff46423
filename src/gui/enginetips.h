// The main window's engine boxes show their slot's search command as a
// tooltip, kept current as the settings window's command boxes change.
#pragma once

#include "settings/engineslots.h"

#include <QString>

class QLineEdit;
class QWidget;

namespace enginetips {

// The tooltip that shows Command; none for an empty one.
QString ToolTip(const QString& Command);

// Boxes[i] follows Commands[i]; all live as long as each other (the two
// windows' controls, for the whole run).
void Follow(const TPerSlot<QWidget*>& Boxes, const TPerSlot<QLineEdit*>& Commands);

}  // namespace enginetips
