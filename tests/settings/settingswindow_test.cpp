#include "settings/settingswindow.h"

#include "support/faultyfilelayer.h"
#include "settings/inouterror.h"
#include "support/settingsfilefixture.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class SettingsWindowTest : public ::testing::Test, protected TSettingsFileFixture {
 protected:
  void SetUp() override { File.LoadAndSaveSettings(); }

  // Lines 6 to 8 of the file as saved.
  std::string SavedDistances() const {
    const std::string Saved = Folder.Read("vrk.txt");
    std::size_t Start = 0;
    for (int Line = 0; Line < 5; ++Line) Start = Saved.find('\n', Start) + 1;
    return Saved.substr(Start);
  }
};

TEST_F(SettingsWindowTest, OkSavesDistancesAndShowsNumbersInForce) {
  const struct {
    const char* Name;
    std::array<std::u16string_view, 3> Typed;
    std::string Saved;                           // lines 6 to 8
    std::array<std::u16string_view, 3> Shown;    // the boxes afterwards
    std::array<std::int32_t, 3> Pixels;
  } Cases[] = {
      {"first box empty", {u"", u"100", u"120"}, "0\r\n100\r\n120\r\n", {u"0", u"100", u"120"}, {0, 100, 120}},
      {"all boxes empty", {u"", u"", u""}, "0\r\n0\r\n0\r\n", {u"0", u"0", u"0"}, {0, 0, 0}},
      {"leading zeros", {u"007", u"0100", u"120"}, "007\r\n0100\r\n120\r\n", {u"7", u"100", u"120"}, {7, 100, 120}},
      {"not a number", {u"12a", u"-5", u"x10"}, "12a\r\n-5\r\nx10\r\n", {u"150", u"-5", u"16"}, {150, -5, 16}},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    File.LoadSettings();
    View.Visible = true;
    for (std::size_t I = 0; I < 3; ++I) View.Texts[3 + I] = Case.Typed[I];
    Button1Click(File);
    EXPECT_FALSE(View.Visible);
    EXPECT_EQ(SavedDistances(), Case.Saved);
    for (std::size_t I = 0; I < 3; ++I) {
      EXPECT_EQ(View.Texts[3 + I], Case.Shown[I]) << I;
      EXPECT_EQ(Settings.ScrollPixels(static_cast<int>(I) + 1), Case.Pixels[I]) << I;
    }
    // Restore the file for the next case.
    View = TFakeSettingsView(Settings);
    File.SaveSettings();
  }
}

TEST_F(SettingsWindowTest, NonNumberFallsBackToDefaultAtNextStart) {
  View.Texts[3] = u"12a";
  Settings.ScrollPixels(1) = 99;
  Button1Click(File);
  EXPECT_EQ(Settings.ScrollPixels(1), 99);
  EXPECT_EQ(View.Texts[3], u"99");
  File.LoadSettings();
  EXPECT_EQ(Settings.ScrollPixels(1), 150);
  EXPECT_EQ(View.Texts[3], u"150");
}

TEST_F(SettingsWindowTest, FailedSaveAfterOkHidesAndKeepsFile) {
  const std::string Before = Folder.Read("vrk.txt");
  TFaultyFileLayer Full(TFault::Write, 112);
  TSettingsFile FullFile(View, Settings, Folder.Data(), Full, *Encoding);
  View.Texts[3] = u"";
  View.Texts[4] = u"55";
  EXPECT_THROW(Button1Click(FullFile), EInOutError);
  EXPECT_FALSE(View.Visible);
  EXPECT_EQ(View.Texts[3], u"0");
  EXPECT_EQ(Settings.ScrollPixels(1), 0);    // emptied box: 0 before the save
  EXPECT_EQ(Settings.ScrollPixels(2), 100);  // not taken over: the write failed
  EXPECT_EQ(Folder.Read("vrk.txt"), Before);
}

TEST_F(SettingsWindowTest, OptionBoxesTakeEffectAtOnce) {
  const struct {
    TSettingsCheckBox Box;
    bool TSettings::*Option;
  } Cases[] = {
      {TSettingsCheckBox::CheckBox1, &TSettings::DeleteWordsOnComplete},
      {TSettingsCheckBox::CheckBox2, &TSettings::AutoScrollRight},
  };
  for (const auto& Case : Cases) {
    EXPECT_TRUE(Settings.*Case.Option);
    View.SetChecked(Case.Box, false);
    EXPECT_FALSE(Settings.*Case.Option);
    View.SetChecked(Case.Box, true);
    EXPECT_TRUE(Settings.*Case.Option);
  }
  EXPECT_EQ(Folder.Read("vrk.txt").find("no"), std::string::npos);  // nothing saved without OK
}

TEST_F(SettingsWindowTest, UntickedAutoScrollWithoutOkIsTickedAtNextStart) {
  View.SetChecked(TSettingsCheckBox::CheckBox2, false);
  EXPECT_FALSE(Settings.AutoScrollRight);
  TSettings Next;
  TFakeSettingsView NextView(Next);
  TSettingsFile(NextView, Next, Folder.Data(), SystemFileLayer(), *Encoding).LoadAndSaveSettings();
  EXPECT_TRUE(Next.AutoScrollRight);
  EXPECT_TRUE(NextView.Boxes[1]);
}

TEST(StartPagePath, BesideTheExecutable) {
  const struct {
    std::u16string_view Exe;
    int N;
    TPathStyle Style;
    std::u16string_view Page;
  } Cases[] = {
      {u"/opt/varnesk/varnesk", 1, TPathStyle::Posix, u"/opt/varnesk/start1.htm"},
      {u"/opt/var.nesk/varnesk", 2, TPathStyle::Posix, u"/opt/var.nesk/start2.htm"},
      {u"/varnesk", 3, TPathStyle::Posix, u"/start3.htm"},
      {u"/a\\b/varnesk", 1, TPathStyle::Posix, u"/a\\b/start1.htm"},  // backslash is a name character
      {u"varnesk", 1, TPathStyle::Posix, u"start1.htm"},             // bare name
      {u"C:\\Program Files\\Varnesk\\Varnesk.exe", 1, TPathStyle::Windows, u"C:\\Program Files\\Varnesk\\start1.htm"},
      {u"C:\\Varnesk.exe", 2, TPathStyle::Windows, u"C:\\start2.htm"},
      {u"\\\\server\\share\\Varnesk.exe", 3, TPathStyle::Windows, u"\\\\server\\share\\start3.htm"},
      {u"C:/apps/Varnesk.exe", 1, TPathStyle::Windows, u"C:/apps\\start1.htm"},
      {u"C:Varnesk.exe", 1, TPathStyle::Windows, u"C:start1.htm"},  // drive-relative: the colon stays
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(StartPagePath(Case.Exe, Case.N, Case.Style), Case.Page) << std::string(Case.Exe.begin(), Case.Exe.end());
}

TEST(StartPagePath, RefusesOtherPageNumbers) {
  for (const int N : {0, 4, -1}) EXPECT_THROW(StartPagePath(u"/opt/varnesk", N), std::out_of_range) << N;
}

}  // namespace
