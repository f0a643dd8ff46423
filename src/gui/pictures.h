// The windows' pictures, drawn in code at their design sizes: dark strokes
// with soft (antialiased) edges on a transparent ground, which is how the
// white-keyed bitmaps of the design appear on screen.
#pragma once

#include <QPixmap>

namespace pictures {

// 32 x 32 magnifying glass, handle to the bottom right, dark grey.
QPixmap Search();
// 32 x 32 cogwheel with eight teeth and a circular hole, dark grey.
QPixmap Settings();
// 47 x 47 magnifying glass, handle to the bottom right, dark blue.
QPixmap SettingsWindowGlass();

}  // namespace pictures
