// The windows' shared look: fonts by pixel height and colours of the design.
#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace look {

// Calibri (Carlito where Calibri is not installed), regular, Px pixels high.
QFont Calibri(int Px);
// The windows' default font: Tahoma, 11 pixels.
QFont Tahoma11();
// Sets the widget's text colour.
void SetTextColour(QWidget* Widget, const QColor& Colour);
// Sets the widget's background colour and paints it.
void SetBackground(QWidget* Widget, const QColor& Colour);
// Loads fonts that the design names but the system may lack from known places.
void LoadFonts();

inline const QColor kMainBackground{216, 215, 225};  // #D8D7E1
inline const QColor kLabelGrey{112, 112, 112};       // #707070
inline const QColor kLinkBlue{22, 92, 199};          // #165CC7
inline const QColor kLinkHover{54, 124, 215};        // #367CD7
inline const QColor kRule{102, 105, 138};            // #66698A
// Warnings next to a control: the dark red of the platforms' error text,
// readable on the button-face background.
inline const QColor kWarningText{179, 38, 30};  // #B3261E

}  // namespace look
