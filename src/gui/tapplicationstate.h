// TApplicationState: the program's state that outlives any one handler.
//
// One instance, created in main before the windows and destroyed after
// them; both windows hold a reference. Only the UI thread touches it.
#pragma once

#include "panes/panedone.h"
#include "preferences/preferences.h"
#include "search/searchstate.h"
#include "settings/settings.h"

#include <string>

class TApplicationState {
 public:
  TSettings Settings;
  TPaneDoneFlags PaneDone;
  TSearchState Search;
  // The per-user data folder, ending in the platform's separator, or empty.
  std::u16string DataFolder;
  // The program's own settings, read from the data folder at start.
  TPreferences Preferences;
};
