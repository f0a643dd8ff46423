#include "settings/inouterror.h"

#include "settings/errnomap.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

TEST(EInOutError, MessageByCode) {
  const struct {
    int Code;
    std::u16string_view Message;
  } Cases[] = {
      {2, u"The specified file was not found"},
      {3, u"Invalid file name - /home/u/Documents/Orvandel/Varnesk/vrk.txt"},
      {4, u"Too many open files"},
      {5, u"File access denied"},
      {32, u"I/O error 32"},
      {112, u"I/O error 112"},
      {0, u"I/O error 0"},
      {-1, u"I/O error -1"},
  };
  for (const auto& Case : Cases) {
    const EInOutError Error(Case.Code, u"/home/u/Documents/Orvandel/Varnesk/vrk.txt");
    EXPECT_EQ(Error.ErrorCode, Case.Code);
    EXPECT_EQ(Error.Message(), Case.Message) << Case.Code;
    EXPECT_EQ(std::string(Error.what()), std::string(Case.Message.begin(), Case.Message.end())) << Case.Code;
  }
}

TEST(EInOutError, WhatIsUtf8) {
  const EInOutError Error(3, u"C:\\Users\\Jos\u00E9\\vrk.txt");
  EXPECT_STREQ(Error.what(), "Invalid file name - C:\\Users\\Jos\xC3\xA9\\vrk.txt");
  const std::exception& Base = Error;
  EXPECT_STREQ(Base.what(), Error.what());
}

TEST(ErrorCodeFromErrno, MapsOntoWindowsCodes) {
  const struct {
    int Errno;
    bool FolderMissing;
    int Code;
  } Cases[] = {
      {ENOENT, false, 2},   {ENOENT, true, 3},    {ENOTDIR, false, 3},  {EACCES, false, 5},  {EPERM, false, 5},
      {EROFS, false, 5},    {EISDIR, false, 5},   {EMFILE, false, 4},   {ENFILE, false, 4},  {ENOSPC, false, 112},
      {EDQUOT, false, 112}, {EBUSY, false, 32},   {ETXTBSY, false, 32}, {EAGAIN, false, 33}, {ENAMETOOLONG, false, 206},
      {ELOOP, false, 1921}, {EEXIST, false, 80},  {ENOTEMPTY, false, 145}, {EXDEV, false, 17}, {EFBIG, false, 223},
      {EIO, false, 1117},   {ENOMEM, false, 8},   {EBADF, false, 6},    {EINVAL, false, 87}, {ENXIO, false, 21},
      {ENODEV, false, 21},
      {EACCES, true, 5},   // a missing folder only matters for ENOENT
      {ECHILD, false, 31},  // unmapped: general failure
      {0, false, 31},       // not an error number at all
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(ErrorCodeFromErrno(Case.Errno, Case.FolderMissing), Case.Code) << "errno " << Case.Errno;
}

}  // namespace
