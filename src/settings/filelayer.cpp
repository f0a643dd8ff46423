#include "settings/filelayer.h"

#include "settings/inouterror.h"

#include <algorithm>

int ReadFileBytes(TFileLayer& Files, const std::u16string& Name, std::size_t MaxBytes, std::string& Bytes) {
  Bytes.clear();
  std::unique_ptr<TOpenFile> File;
  int Code = Files.OpenRead(Name, File);
  if (Code == 0 && !File) Code = IoCode::InvalidHandle;
  if (Code != 0) return Code;
  constexpr std::size_t Chunk = 16 * 1024;
  while (Bytes.size() < MaxBytes) {
    const std::size_t Old = Bytes.size();
    const std::size_t Ask = std::min(Chunk, MaxBytes - Old);
    Bytes.resize(Old + Ask);
    std::size_t Got = 0;
    Code = File->Read(Bytes.data() + Old, Ask, Got);
    Bytes.resize(Old + std::min(Got, Ask));
    if (Code != 0) return Code;
    if (Got == 0) break;
  }
  return File->Close();
}

int WriteFileReplacing(TFileLayer& Files, const std::u16string& Name, const std::u16string& Temp,
                       std::string_view Bytes) {
  Files.Remove(Temp);  // a leftover of an interrupted save
  std::unique_ptr<TOpenFile> File;
  int Code = Files.Create(Temp, File);
  if (Code == 0 && !File) Code = IoCode::InvalidHandle;
  if (Code == 0) Code = File->Write(Bytes);
  if (Code == 0) Code = File->Flush();
  if (Code == 0) Code = File->Close();
  File.reset();
  if (Code == 0) Code = Files.Replace(Temp, Name);
  if (Code != 0) Files.Remove(Temp);
  return Code;
}
