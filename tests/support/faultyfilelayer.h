// TFaultyFileLayer: the real file system with one operation made to fail
// with a chosen code, and a count of the operations that were asked for.
// A failing Write first writes half of its bytes, as a full disk does.
#pragma once

#include "settings/filelayer.h"

#include <memory>
#include <string>

enum class TFault { None, CheckWritable, Create, Write, Flush, Close, Replace, OpenRead, Read, CloseRead };

class TFaultyFileLayer final : public TFileLayer {
 public:
  TFaultyFileLayer(TFault Fault, int Code) : FFault(Fault), FCode(Code) {}

  bool FileExists(const std::u16string& Name) override {
    ++Calls;
    return SystemFileLayer().FileExists(Name);
  }
  int OpenRead(const std::u16string& Name, std::unique_ptr<TOpenFile>& File) override {
    ++Calls;
    if (FFault == TFault::OpenRead) return FCode;
    return Wrap(SystemFileLayer().OpenRead(Name, File), File, TFault::Read, TFault::CloseRead);
  }
  int CheckWritable(const std::u16string& Name) override {
    ++Calls;
    return FFault == TFault::CheckWritable ? FCode : SystemFileLayer().CheckWritable(Name);
  }
  int Create(const std::u16string& Name, std::unique_ptr<TOpenFile>& File) override {
    ++Calls;
    if (FFault == TFault::Create) return FCode;
    return Wrap(SystemFileLayer().Create(Name, File), File, TFault::Write, TFault::Close);
  }
  int Replace(const std::u16string& From, const std::u16string& To) override {
    ++Calls;
    return FFault == TFault::Replace ? FCode : SystemFileLayer().Replace(From, To);
  }
  void Remove(const std::u16string& Name) override { SystemFileLayer().Remove(Name); }

  int Calls = 0;

 private:
  class TFaultyFile final : public TOpenFile {
   public:
    TFaultyFile(std::unique_ptr<TOpenFile> Inner, TFault Fault, int Code)
        : FInner(std::move(Inner)), FFault(Fault), FCode(Code) {}
    int Read(char* Buffer, std::size_t Size, std::size_t& Got) override {
      Got = 0;
      return FFault == TFault::Read ? FCode : FInner->Read(Buffer, Size, Got);
    }
    int Write(std::string_view Bytes) override {
      if (FFault != TFault::Write) return FInner->Write(Bytes);
      FInner->Write(Bytes.substr(0, Bytes.size() / 2));
      return FCode;
    }
    int Flush() override { return FFault == TFault::Flush ? FCode : FInner->Flush(); }
    int Close() override {
      const int Code = FInner->Close();
      return FFault == TFault::Close || FFault == TFault::CloseRead ? FCode : Code;
    }

   private:
    std::unique_ptr<TOpenFile> FInner;
    TFault FFault = TFault::None;
    int FCode = 0;
  };

  // Puts a file that fails as FFault says in place of the one just opened.
  int Wrap(int Code, std::unique_ptr<TOpenFile>& File, TFault ReadOrWrite, TFault CloseFault) {
    if (Code != 0) return Code;
    const bool Mine = FFault == ReadOrWrite || FFault == CloseFault || FFault == TFault::Flush;
    File = std::make_unique<TFaultyFile>(std::move(File), Mine ? FFault : TFault::None, FCode);
    return 0;
  }

  TFault FFault = TFault::None;
  int FCode = 0;
};
