#include "settings/settingsfile.h"

#include "settings/inouterror.h"
#include "settings/numbertext.h"
#include "settings/settingslines.h"
#include "text/utf8.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace {

// The name's length as the platform counts it.
std::size_t PlatformLength(const std::u16string& Name) {
#ifdef _WIN32
  return Name.size();
#else
  return EncodeUtf8(Name).size();
#endif
}

// Names the platform could misread: too long for a path, or cut short by an
// embedded NUL.
bool Unusable(const std::u16string& Name) {
  return PlatformLength(Name) > MaxFileNameLength || Name.find(u'\0') != std::u16string::npos;
}

}  // namespace

TSettingsFile::TSettingsFile(TSettingsView& View, TSettings& Settings, std::u16string DataFolder, TFileLayer& Files,
                             const TTextEncoding& Encoding)
    : FView(View), FSettings(Settings), FDataFolder(std::move(DataFolder)), FFiles(Files), FEncoding(Encoding) {}

std::u16string TSettingsFile::FileName() const { return FDataFolder + std::u16string(SettingsFileName); }

void TSettingsFile::PutDefaults() {
  for (std::size_t I = 0; I < CommandEdits.size(); ++I) FView.SetText(CommandEdits[I], DefaultSearchCommand[I]);
  FSettings.DeleteWordsOnComplete = true;
  FSettings.AutoScrollRight = true;
  FSettings.ScrollPixelsBySlot = DefaultScrollPixels;
}

void TSettingsFile::ApplyBytes(std::string_view Bytes) {
  const auto Lines = SplitSettingsLines(Bytes);
  for (std::size_t I = 0; I < CommandEdits.size(); ++I) FView.SetText(CommandEdits[I], FEncoding.Decode(Lines[I]));
  FSettings.DeleteWordsOnComplete = FEncoding.Decode(Lines[3]) == u"yes";
  FView.SetChecked(TSettingsCheckBox::CheckBox1, FSettings.DeleteWordsOnComplete);
  FSettings.AutoScrollRight = FEncoding.Decode(Lines[4]) == u"yes";
  FView.SetChecked(TSettingsCheckBox::CheckBox2, FSettings.AutoScrollRight);
  for (std::size_t I = 0; I < DistanceEdits.size(); ++I) {
    if (const auto Value = ParseNumber(FEncoding.Decode(Lines[5 + I]))) FSettings.ScrollPixelsBySlot[I] = *Value;
    FView.SetText(DistanceEdits[I], NumberText(FSettings.ScrollPixelsBySlot[I]));
  }
}

void TSettingsFile::LoadFromBytes(std::string_view Bytes) {
  PutDefaults();
  ApplyBytes(Bytes);
}

void TSettingsFile::LoadSettings() {
  PutDefaults();
  const std::u16string Name = FileName();
  if (Name.find(u'\0') != std::u16string::npos || !FFiles.FileExists(Name)) return;
  if (Unusable(Name)) throw EInOutError(IoCode::PathNotFound, Name);

  std::unique_ptr<TOpenFile> File;
  int Code = FFiles.OpenRead(Name, File);
  if (Code == 0 && !File) Code = IoCode::InvalidHandle;
  if (Code != 0) throw EInOutError(Code, Name);

  // Read until the eighth line end, a Ctrl-Z, the end of the file or the cap.
  constexpr std::size_t Chunk = 16 * 1024;
  std::string Bytes;
  std::size_t LineEnds = 0;
  bool Done = false;
  while (!Done && Bytes.size() < MaxSettingsFileBytes) {
    const std::size_t Old = Bytes.size();
    Bytes.resize(Old + Chunk);
    std::size_t Got = 0;
    Code = File->Read(Bytes.data() + Old, Chunk, Got);
    if (Code != 0) throw EInOutError(Code, Name);
    Bytes.resize(Old + std::min(Got, Chunk));
    Done = Got == 0;
    for (std::size_t I = Old; I < Bytes.size() && !Done; ++I)
      Done = Bytes[I] == '\x1A' || (Bytes[I] == '\n' && ++LineEnds == SettingsLineCount);
  }
  if (Bytes.size() > MaxSettingsFileBytes) Bytes.resize(MaxSettingsFileBytes);

  ApplyBytes(Bytes);
  Code = File->Close();
  if (Code != 0) throw EInOutError(Code, Name);
}

std::string TSettingsFile::FileBytes() const {
  std::string Out;
  const auto Line = [&](std::u16string_view Text) {
    std::string Bytes = FEncoding.Encode(Text);
    for (char& B : Bytes)
      if (B == '\r' || B == '\n' || B == '\x1A') B = ' ';
    Out += Bytes;
    Out += "\r\n";
  };
  for (const TSettingsEdit Edit : CommandEdits) Line(FView.Text(Edit));
  Line(FSettings.DeleteWordsOnComplete ? u"yes" : u"no");
  Line(FSettings.AutoScrollRight ? u"yes" : u"no");
  for (const TSettingsEdit Edit : DistanceEdits) Line(FView.Text(Edit));
  return Out;
}

void TSettingsFile::WriteReplacing(const std::u16string& Name, std::string_view Bytes) {
  int Code = FFiles.CheckWritable(Name);
  if (Code != 0 && Code != IoCode::FileNotFound) throw EInOutError(Code, Name);

  Code = WriteFileReplacing(FFiles, Name, FDataFolder + std::u16string(SettingsTempFileName), Bytes);
  if (Code != 0) throw EInOutError(Code, Name);
}

void TSettingsFile::TakeOverDistances() {
  for (std::size_t I = 0; I < DistanceEdits.size(); ++I)
    if (const auto Value = ParseNumber(FView.Text(DistanceEdits[I]))) FSettings.ScrollPixelsBySlot[I] = *Value;
  for (std::size_t I = 0; I < DistanceEdits.size(); ++I)
    FView.SetText(DistanceEdits[I], NumberText(FSettings.ScrollPixelsBySlot[I]));
}

void TSettingsFile::SaveSettings() {
  const std::u16string Name = FileName();
  if (Unusable(Name)) throw EInOutError(IoCode::PathNotFound, Name);
  WriteReplacing(Name, FileBytes());
  TakeOverDistances();
}

void TSettingsFile::LoadAndSaveSettings() {
  LoadSettings();
  SaveSettings();
}
