// TPresetButton: the small button beside a search-command box whose menu
// lists the engine presets; choosing one replaces the box's text with that
// engine's command as typing would (undoable, textEdited raised).
//
// A child of the settings window, living as long as it; the box must
// outlive the button. UI thread only.
#pragma once

#include <QToolButton>

class QLineEdit;

class TPresetButton : public QToolButton {
  Q_OBJECT
 public:
  TPresetButton(QLineEdit& Box, QWidget* Parent);
};
