// The main window's engine boxes show their slot's search command as a
// tooltip, kept current as the settings window's command boxes change.
#pragma once

#include <QString>

#include <array>

class QLineEdit;
class QWidget;

namespace enginetips {

// The tooltip that shows Command; none for an empty one.
QString ToolTip(const QString& Command);

// Boxes[i] follows Commands[i]; all live as long as each other (the two
// windows' controls, for the whole run).
void Follow(const std::array<QWidget*, 3>& Boxes, const std::array<QLineEdit*, 3>& Commands);

}  // namespace enginetips
