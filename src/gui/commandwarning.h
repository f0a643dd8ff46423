// TCommandWarning: a short warning under a search-command box, shown while
// the box holds a command that cannot lead to a search (see
// engines/commandcheck.h) and hidden otherwise; it follows every change of
// the box's text, typed or set. It only informs: the box keeps its text.
//
// A child of the settings window, living as long as it; the box must
// outlive the warning. UI thread only.
#pragma once

#include <QLabel>

class QLineEdit;

class TCommandWarning : public QLabel {
  Q_OBJECT
 public:
  // Placed under Box, as wide as it.
  TCommandWarning(QLineEdit& Box, QWidget* Parent);

 private:
  void Follow(const QString& Command);
};
