#include "gui/startup.h"

#include "gui/tform1.h"
#include "gui/tform3.h"

namespace startup {

TWindows OpenWindows(TApplicationState& State, QWebEngineProfile* Profile) {
  TWindows windows;
  windows.Form3 = std::make_unique<TForm3>(State, Profile);
  windows.Form3->FormCreate();
  windows.Form3->LoadPreferences();
  windows.Form1 = std::make_unique<TForm1>(State, windows.Form3->Panes());
  windows.Form1->FormCreate();
  windows.Form3->SetSettingsWindow(windows.Form1.get());
  return windows;
}

void CloseWindows(TWindows& Windows) {
  Windows.Form3.reset();
  Windows.Form1.reset();
}

}  // namespace startup
