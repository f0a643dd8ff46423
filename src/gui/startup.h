// The program's start, step by step: the main window is created and runs
// FormCreate (caption, data folder) and reads the preferences; then the
// settings window is created and runs FormCreate (load and rewrite the
// settings file, clear the done flags, send the panes to the start pages).
// A FormCreate that fails shows its error and stops at the failing step; its
// window exists all the same and the start goes on.
//
// The windows borrow State, which must outlive them. UI thread only.
#pragma once

#include <memory>

class QWebEngineProfile;
class TApplicationState;
class TForm1;
class TForm3;

namespace startup {

struct TWindows {
  std::unique_ptr<TForm3> Form3;
  std::unique_ptr<TForm1> Form1;
};

// Creates and starts both windows; neither is shown. Profile null: the
// default browser profile.
TWindows OpenWindows(TApplicationState& State, QWebEngineProfile* Profile);

// Destroys the main window first (its workers may still call into it while
// they finish), then the settings window.
void CloseWindows(TWindows& Windows);

}  // namespace startup
