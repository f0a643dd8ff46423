// TFileLayer and TOpenFile: the file operations the settings file needs, as
// an interface so that tests can inject failures.
//
// Every operation that can fail returns 0 on success or a Windows system
// error code (IoCode in syserror/syserror.h; the POSIX layer maps errno
// there). Names are full or relative paths in UTF-16. An open file
// belongs to its unique_ptr: destroying it closes the file if Close() was not
// called, ignoring errors. A layer is used from the UI thread only and must
// outlive the files it opened.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

class TOpenFile {
 public:
  virtual ~TOpenFile() = default;

  // Reads up to Size bytes; Got is 0 at the end of the file.
  virtual int Read(char* Buffer, std::size_t Size, std::size_t& Got) = 0;
  // Writes all of Bytes, or fails.
  virtual int Write(std::string_view Bytes) = 0;
  // Pushes what was written through to the storage device.
  virtual int Flush() = 0;
  // Closes the file; nothing else may be called afterwards.
  virtual int Close() = 0;
};

class TFileLayer {
 public:
  virtual ~TFileLayer() = default;

  // A regular file of that name exists (a folder does not count).
  virtual bool FileExists(const std::u16string& Name) = 0;
  // Opens an existing file for reading; others may read it too.
  virtual int OpenRead(const std::u16string& Name, std::unique_ptr<TOpenFile>& File) = 0;
  // Whether an existing file of that name could be opened for writing,
  // without changing it: 0 when it could, IoCode::FileNotFound when there is
  // no such file, else the error that opening it for writing gives.
  virtual int CheckWritable(const std::u16string& Name) = 0;
  // Creates a file for writing, truncating one that exists; others may read.
  virtual int Create(const std::u16string& Name, std::unique_ptr<TOpenFile>& File) = 0;
  // Moves From over To in one step, replacing To when it exists.
  virtual int Replace(const std::u16string& From, const std::u16string& To) = 0;
  // Deletes the file if it is there; failures are ignored.
  virtual void Remove(const std::u16string& Name) = 0;
};

// The platform's file system; lives until exit.
TFileLayer& SystemFileLayer();

// Reads the file Name whole into Bytes, or its first MaxBytes when it is
// longer. Returns 0 or the layer's error code (Bytes then holds what was read).
int ReadFileBytes(TFileLayer& Files, const std::u16string& Name, std::size_t MaxBytes, std::string& Bytes);
// Saves Bytes as the file Name without ever truncating it in place: writes
// Temp (a name in the same folder), flushes it to the device and renames it
// over Name. On failure Temp is removed, Name stays as it was, and the
// layer's error code is returned; 0 on success.
int WriteFileReplacing(TFileLayer& Files, const std::u16string& Name, const std::u16string& Temp,
                       std::string_view Bytes);
