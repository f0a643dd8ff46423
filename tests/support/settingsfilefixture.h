// TSettingsFileFixture: a settings file over a fresh temporary data folder,
// the real file layer, UTF-8 and the in-memory settings window.
#pragma once

#include "settings/settingsfile.h"
#include "support/fakesettingsview.h"
#include "support/tempfolder.h"

#include <memory>

struct TSettingsFileFixture {
  TTempFolder Folder;
  TSettings Settings;
  TFakeSettingsView View{Settings};
  std::unique_ptr<TTextEncoding> Encoding = MakeEncoding("UTF-8");
  TSettingsFile File{View, Settings, Folder.Data(), SystemFileLayer(), *Encoding};
};
