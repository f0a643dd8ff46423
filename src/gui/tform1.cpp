#include "gui/tform1.h"

#include "gui/commandwarning.h"
#include "gui/errordisplay.h"
#include "gui/look.h"
#include "gui/pictures.h"
#include "gui/presetbutton.h"
#include "gui/tapplicationstate.h"
#include "gui/tedit.h"
#include "gui/titlebar.h"
#include "gui/tlinklabel.h"
#include "settings/numbertext.h"
#include "settings/settingsfile.h"
#include "settings/settingswindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include <limits>

namespace {

const QString kHelpPage = QStringLiteral("https://orvandel.example/varnesk/help/");
const QString kCopyright = QStringLiteral("Copyright \u00A9 2026 Orvandel. All rights reserved.");

QString QText(std::u16string_view Text) {
  return QString::fromUtf16(Text.data(), static_cast<qsizetype>(Text.size()));
}

QLabel* MakeLabel(const QString& Text, QWidget* Parent, int Left, int Top) {
  auto* label = new QLabel(Text, Parent);
  label->setFont(look::Calibri(16));
  label->move(Left, Top);
  label->adjustSize();
  return label;
}

TEdit* MakeEdit(QWidget* Parent, int Left, int Top, int Width, const QString& Text) {
  auto* edit = new TEdit(Parent);
  edit->setFont(look::Calibri(16));
  edit->setGeometry(Left, Top, Width, 27);
  edit->setText(Text);
  return edit;
}

TEdit* MakeDistance(QWidget* Parent, int Top, const QString& Text) {
  TEdit* edit = MakeEdit(Parent, 701, Top, 100, Text);
  edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  edit->SetDigitsOnly(true);
  edit->SetAutoSelect(true);
  return edit;
}

QCheckBox* MakeBox(const QString& Text, QWidget* Parent, int Left, int Top, int Width) {
  auto* box = new QCheckBox(Text, Parent);
  box->setFont(look::Calibri(16));
  box->setGeometry(Left, Top, Width, 17);
  box->setChecked(true);
  return box;
}

}  // namespace

TForm1::TForm1(TApplicationState& State, const TPerSlot<TBrowserPane*>& StartPanes)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      FState(State),
      FStartPanes(StartPanes) {
  setWindowTitle(QStringLiteral("Settings"));
  setFont(look::Tahoma11());
  look::SetBackground(this, palette().color(QPalette::Button));
  setFixedSize(904, 500);
  // Closing the main window ends the program even while this one is shown.
  setAttribute(Qt::WA_QuitOnClose, false);

  Edit1 = MakeEdit(this, 50, 56, 500, QText(DefaultSearchCommand[0]));
  Edit3 = MakeEdit(this, 50, 163, 500, QText(DefaultSearchCommand[2]));
  Edit2 = MakeEdit(this, 50, 110, 500, QText(DefaultSearchCommand[1]));
  // A search command may be of any length; the default limit would cut it.
  for (TEdit* command : {Edit1, Edit2, Edit3}) command->setMaxLength(std::numeric_limits<int>::max());
  Label1 = MakeLabel(QStringLiteral("Search commands"), this, 50, 24);
  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setFont(look::Calibri(16));
  Button1->setGeometry(424, 376, 105, 57);
  Button1->setAutoDefault(false);
  Button1->setDefault(false);
  CheckBox1 = MakeBox(QStringLiteral(" Delete words on Search complete"), this, 626, 252, 263);
  CheckBox2 = MakeBox(QStringLiteral(" Auto-scroll to the right"), this, 626, 26, 222);
  Edit4 = MakeDistance(this, 56, QText(NumberText(DefaultScrollPixels[0])));
  Edit5 = MakeDistance(this, 110, QText(NumberText(DefaultScrollPixels[1])));
  Edit6 = MakeDistance(this, 163, QText(NumberText(DefaultScrollPixels[2])));
  Label2 = MakeLabel(QText(SlotLabel[0]), this, 626, 59);
  Label3 = MakeLabel(QText(SlotLabel[1]), this, 626, 113);
  Label4 = MakeLabel(QText(SlotLabel[2]), this, 626, 166);
  Label5 = MakeLabel(QStringLiteral("Author"), this, 50, 222);
  Edit7 = MakeEdit(this, 50, 247, 500, kCopyright);
  Edit7->setReadOnly(true);
  Label6 = MakeLabel(QStringLiteral("Help page"), this, 119, 300);
  Label7 = new TLinkLabel(kHelpPage, this);
  Label7->setFont(look::Calibri(16));
  Label7->SetColour(look::kLinkBlue);
  Label7->move(119, 325);
  Label7->adjustSize();
  Label8 = MakeLabel(QStringLiteral("pixels"), this, 807, 59);
  Label9 = MakeLabel(QStringLiteral("pixels"), this, 807, 113);
  Label10 = MakeLabel(QStringLiteral("pixels"), this, 807, 166);
  Image1 = new QLabel(this);
  Image1->setPixmap(pictures::SettingsWindowGlass());
  Image1->setGeometry(50, 297, 47, 47);

  setTabOrder(Edit1, Edit3);
  setTabOrder(Edit3, Edit2);
  setTabOrder(Edit2, Button1);
  setTabOrder(Button1, CheckBox1);
  setTabOrder(CheckBox1, CheckBox2);
  setTabOrder(CheckBox2, Edit4);
  setTabOrder(Edit4, Edit5);
  setTabOrder(Edit5, Edit6);
  setTabOrder(Edit6, Edit7);
  AddCommandAids();

  FFile = std::make_unique<TSettingsFile>(*this, FState.Settings, FState.DataFolder);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(CheckBox1, &QCheckBox::toggled, this, [this] { ::CheckBox1Click(*this, FState.Settings); });
  connect(CheckBox2, &QCheckBox::toggled, this, [this] { ::CheckBox2Click(*this, FState.Settings); });
  Label7->OnClick = [this] { Label7Click(); };

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
  errordisplay::Guarded([this] {
    FFile->LoadAndSaveSettings();
    FState.PaneDone.ClearAll();
    const std::u16string exe = QCoreApplication::applicationFilePath().toStdU16String();
    for (int slot = 1; slot <= SlotCount; ++slot)
      FStartPanes[SlotIndex(slot)]->OpenLocalFile(StartPagePath(exe, slot));
  });
}

void TForm1::AddCommandAids() {
  QWidget* previous = Edit7;
  const TPerSlot<TEdit*> boxes{Edit1, Edit2, Edit3};
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    // In the free space between the box (ending at 550) and the engine's label (at 626).
    PresetButtons[i] = new TPresetButton(*boxes[i], this);
    PresetButtons[i]->setGeometry(556, boxes[i]->y(), 28, boxes[i]->height());
    CommandWarnings[i] = new TCommandWarning(*boxes[i], this);
    setTabOrder(previous, PresetButtons[i]);
    previous = PresetButtons[i];
  }
}

void TForm1::showEvent(QShowEvent* Event) {
  QWidget::showEvent(Event);
  titlebar::TitleOnly(*this);
}

void TForm1::closeEvent(QCloseEvent* Event) { Event->ignore(); }

void TForm1::Button1Click() {
  errordisplay::Guarded([this] { ::Button1Click(*FFile); });
}

void TForm1::Label7Click() { QDesktopServices::openUrl(QUrl(kHelpPage)); }

std::u16string TForm1::SearchCommand(int Slot) const {
  return Text(CommandEdits[SlotIndex(Slot)]);
}

TEdit* TForm1::Edit(TSettingsEdit Which) const {
  switch (Which) {
    case TSettingsEdit::Edit1: return Edit1;
    case TSettingsEdit::Edit2: return Edit2;
    case TSettingsEdit::Edit3: return Edit3;
    case TSettingsEdit::Edit4: return Edit4;
    case TSettingsEdit::Edit5: return Edit5;
    case TSettingsEdit::Edit6: return Edit6;
  }
  return Edit6;
}

std::u16string TForm1::Text(TSettingsEdit Which) const { return Edit(Which)->text().toStdU16String(); }

void TForm1::SetText(TSettingsEdit Which, std::u16string_view Text) {
  Edit(Which)->setText(QText(Text));
}

bool TForm1::Checked(TSettingsCheckBox Box) const {
  return (Box == TSettingsCheckBox::CheckBox1 ? CheckBox1 : CheckBox2)->isChecked();
}

void TForm1::SetChecked(TSettingsCheckBox Box, bool Checked) {
  (Box == TSettingsCheckBox::CheckBox1 ? CheckBox1 : CheckBox2)->setChecked(Checked);
}

void TForm1::Hide() { hide(); }
