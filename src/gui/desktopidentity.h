// The program's identity towards the desktop: the desktop entry's id (so
// that a Wayland compositor matches the windows to the installed entry) and
// the window icon, the magnifying glass, from the program's resources.
// Run once in main, after the application object exists and before any
// window is created.
#pragma once

namespace desktopidentity {

void Apply();

}  // namespace desktopidentity
