// Chromium switches that the program sets for itself, through the
// QTWEBENGINE_CHROMIUM_FLAGS variable that WebEngine reads when it starts.
// Run in main, before the application object exists. A switch the user put
// in the variable wins over the program's.
#pragma once

#include <QByteArray>

namespace chromiumflags {

// Appends Flag to the variable unless its text already holds Given.
void AddUnlessGiven(const QByteArray& Given, const QByteArray& Flag);

// One renderer process per site, shared by every page of the profile that
// shows the site: a pane's first navigation to an engine then reuses the
// process that TConnectionWarmer started while the search was typed, where
// it would otherwise start one of its own (most of a first search's extra
// time). Sites stay isolated from one another; the panes of one site share
// a process, and a renderer crash takes them all. Left alone when the user
// chose a process model (--process-per-..., --single-process).
void ShareRendererPerSite();

}  // namespace chromiumflags
