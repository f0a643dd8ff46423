#include "settings/inouterror.h"


#include <gtest/gtest.h>


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

}  // namespace
