// titlebar: asks the window manager for a title bar without buttons.
//
// Qt's flags for a title without buttons only withhold functions in the
// Motif hints and leave the decorations unstated, so many X11 window
// managers still draw the system menu and the minimise, maximise and close
// boxes. TitleOnly states both: a border and a title, and moving as the only
// function. A window manager may still draw what it likes (Openbox keeps its
// close box and window menu whatever a window asks), so a window that must
// not close refuses close requests as well. Does nothing off X11.
// User-interface thread only.
#pragma once

class QWidget;

namespace titlebar {

// Call for a top-level window whose native window exists and is not yet
// mapped (its showEvent), and again after Qt recreates it.
void TitleOnly(QWidget& Window);

}  // namespace titlebar
