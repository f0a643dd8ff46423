#include "gui/tform3.h"

#include "app/appname.h"
#include "app/datafolder.h"
#include "app/systemfolderaccess.h"
#include "gui/enginetips.h"
#include "gui/errordisplay.h"
#include "gui/look.h"
#include "gui/pictures.h"
#include "gui/searchhistorycontrol.h"
#include "gui/tconnectionwarmer.h"
#include "gui/tapplicationstate.h"
#include "gui/tcursortracker.h"
#include "gui/tedit.h"
#include "gui/tform1.h"
#include "gui/tlinklabel.h"
#include "gui/tscrolltogether.h"
#include "gui/tsharedresultsmarker.h"
#include "gui/twebbrowser.h"
#include "panes/hoverfocus.h"
#include "panes/pagecompletion.h"
#include "preferences/preferencesfile.h"
#include "panes/panelayout.h"
#include "search/optionboxes.h"
#include "search/querycomposer.h"
#include "search/searchdispatcher.h"
#include "search/searchwarmup.h"
#include "settings/engineslots.h"

#include <QAbstractEventDispatcher>
#include <QCheckBox>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QToolButton>
#include <QUrl>
#include <QWindow>

#include <limits>

namespace {

// The user's Documents folder, as the platform names it. Many Linux
// accounts have none (servers, minimal desktops); the per-user data folder
// (~/.local/share) stands in for it there, so the settings still persist.
std::optional<std::u16string> DocumentsFolder() {
  QString path = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (path.isEmpty() || !QFileInfo(path).isDir()) {
    path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (path.isEmpty() || !QDir().mkpath(path)) return std::nullopt;
  }
  return QDir::toNativeSeparators(path).toStdU16String();
}

const QString kHomePage = QStringLiteral("https://orvandel.example/");
constexpr int kPaneTop = 136;

QLabel* MakeLabel(const QString& Text, QWidget* Parent, int Left, int Top) {
  auto* label = new QLabel(Text, Parent);
  label->setFont(look::Calibri(13));
  look::SetTextColour(label, look::kLabelGrey);
  label->move(Left, Top);
  label->adjustSize();
  return label;
}

TEdit* MakeLine(QWidget* Parent, int Top) {
  auto* edit = new TEdit(Parent);
  edit->setFont(look::Calibri(19));
  edit->setGeometry(24, Top, 729, 31);
  edit->SetAutoSelect(true);
  edit->setMaxLength(std::numeric_limits<int>::max());  // the encoder takes any length
  return edit;
}

// An engine box's caption: a space, then the engine's name.
QString EngineBoxCaption(int Slot) {
  const std::u16string_view name = SlotLabel[SlotIndex(Slot)];
  return QStringLiteral(" ") + QString::fromUtf16(name.data(), static_cast<qsizetype>(name.size()));
}

QCheckBox* MakeBox(const QString& Text, QWidget* Parent, int Left, int Top, int Width, bool Checked) {
  auto* box = new QCheckBox(Text, Parent);
  box->setFont(look::Calibri(16));
  box->setGeometry(Left, Top, Width, 17);
  box->setChecked(Checked);
  return box;
}

QToolButton* MakeButton(const QString& Text, const QPixmap& Picture, QWidget* Parent, int Left, int Top) {
  auto* button = new QToolButton(Parent);
  button->setText(Text);
  button->setIcon(QIcon(Picture));
  button->setIconSize(Picture.size());
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoRaise(true);
  button->setFont(look::Calibri(19));
  button->setGeometry(Left, Top, 113, 90);
  return button;
}

}  // namespace

TForm3::TForm3(TApplicationState& State, QWebEngineProfile* Profile) : FState(State) {
  setFont(look::Tahoma11());
  look::SetBackground(this, look::kMainBackground);
  resize(1264, 681);

  WebBrowser3 = new TWebBrowser(Profile, this);
  WebBrowser1 = new TWebBrowser(Profile, this);
  WebBrowser2 = new TWebBrowser(Profile, this);
  for (TWebBrowser* pane : {WebBrowser1, WebBrowser2, WebBrowser3}) pane->setFocusPolicy(Qt::ClickFocus);
  WebBrowser1->setGeometry(0, kPaneTop, 425, 545);
  WebBrowser2->setGeometry(422, kPaneTop, 425, 545);
  WebBrowser3->setGeometry(844, kPaneTop, 426, 545);

  Label1 = MakeLabel(QStringLiteral("Words to search for:"), this, 24, 7);
  Edit4 = MakeLine(this, 28);
  Label2 = MakeLabel(QStringLiteral("None of these words:"), this, 24, 66);
  Edit5 = MakeLine(this, 85);

  SpeedButton1 = MakeButton(QStringLiteral("Search"), pictures::Search(), this, 776, 27);
  CheckBox1 = MakeBox(QStringLiteral(" Exact phrase"), this, 905, 30, 120, false);
  CheckBox2 = MakeBox(QStringLiteral(" Site search"), this, 905, 62, 120, false);

  Label7 = new TLinkLabel(QStringLiteral("Orvandel"), this);
  Label7->setFont(look::Calibri(16));
  Label7->SetColour(look::kLinkBlue);
  Label7->move(926, 90);
  Label7->adjustSize();
  Label7->resize(Label7->width(), 19);

  CheckBox3 = MakeBox(EngineBoxCaption(1), this, 1039, 30, 90, true);
  CheckBox4 = MakeBox(EngineBoxCaption(2), this, 1039, 62, 90, true);
  CheckBox5 = MakeBox(EngineBoxCaption(3), this, 1039, 92, 90, true);
  SpeedButton2 = MakeButton(QStringLiteral("Settings"), pictures::Settings(), this, 1128, 28);

  Shape1 = new QWidget(this);
  look::SetBackground(Shape1, look::kRule);
  Shape1->setGeometry(0, 135, 1280, 1);

  setTabOrder(Edit4, Edit5);
  setTabOrder(Edit5, CheckBox1);
  setTabOrder(CheckBox1, CheckBox2);
  setTabOrder(CheckBox2, CheckBox3);
  setTabOrder(CheckBox3, CheckBox4);
  setTabOrder(CheckBox4, CheckBox5);

  Edit4->OnKeyPress = [this](char16_t& Key) { Edit4KeyPress(Key); };
  Edit5->OnKeyPress = [this](char16_t& Key) { Edit4KeyPress(Key); };
  Edit4->OnMouseEnter = [this] { Edit4MouseEnter(*this); };
  connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
  connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
  FOptionBoxes = std::make_unique<TOptionBoxes>(*this);
  connect(CheckBox1, &QCheckBox::toggled, this, [this] { FOptionBoxes->CheckBox1Click(); });
  connect(CheckBox2, &QCheckBox::toggled, this, [this] { FOptionBoxes->CheckBox2Click(); });
  for (QCheckBox* engine : {CheckBox3, CheckBox4, CheckBox5}) {
    connect(engine, &QCheckBox::toggled, this, [this] { FOptionBoxes->CheckBox1Click(); });
  }
  FComposer = std::make_unique<TQueryComposer>(FState.Search, *this);
  FCompletion = std::make_unique<TPageCompletion>(Panes(), FState.PaneDone, FState.Settings, *this,
                                                  [this](int Slot) { return SearchCommand(Slot); });
  FCompletion->BindEvents();
  FDispatcher = std::make_unique<TSearchDispatcher>(
      Panes(), FState.PaneDone, *this,
      [this](int Slot) { return SearchCommand(Slot); });
  Label7->OnClick = [this] { Label7Click(); };
  Label7->OnMouseEnter = [this] { Label7->SetColour(look::kLinkHover); };
  Label7->OnMouseLeave = [this] { Label7->SetColour(look::kLinkBlue); };

  FCursor = new TCursorTracker(this);
  // A window manager sets or changes its frame whenever it likes and no
  // event says so, so each pass between messages compares it with the last.
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, [this] {
    FollowFrame();
    ApplicationEvents1Idle();
  });

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  Edit4->setFocus();
  FWarmer = new TConnectionWarmer(Profile, this);
}

TForm3::~TForm3() = default;

void TForm3::LoadPreferences() {
  FState.Preferences = TPreferencesFile(FState.DataFolder).Load();
  WirePaneBrowsing();
  FWarmUp = std::make_unique<TSearchWarmUp>(
      *this, [this](int Slot) { return SearchCommand(Slot); },
      [this](const std::u16string& Origin) {
        const QUrl url = TWebBrowser::WebUrl(QString::fromStdU16String(Origin));
        if (!url.isEmpty()) FWarmer->Preconnect(url);
      },
      FState.Preferences.Preconnect);
  // Typing only: the program's own emptying of the line starts nothing.
  connect(Edit4, &QLineEdit::textEdited, this, [this] { FWarmUp->WordsEdited(); });

  // Where the engines agree: shared-result marks and panes that scroll
  // together, switched from each pane's context menu.
  auto* shared = new TSharedResultsMarker({WebBrowser1->page(), WebBrowser2->page(), WebBrowser3->page()},
                                          FState.Preferences, [this] { SavePreferences(); }, this);
  auto* together = new TScrollTogether({WebBrowser1, WebBrowser2, WebBrowser3}, FState.Preferences,
                                       [this] { SavePreferences(); }, this);
  addAction(together->Action());
  for (TWebBrowser* pane : {WebBrowser1, WebBrowser2, WebBrowser3}) {
    pane->OnContextMenu = [shared, together, previous = std::move(pane->OnContextMenu)](QMenu& Menu) {
      if (previous) previous(Menu);
      Menu.addSeparator();
      Menu.addAction(together->Action());
      Menu.addAction(shared->Action());
    };
  }
  SearchHistory = new TSearchHistoryControl(FState, *Edit4, *Edit5, [this] { SavePreferences(); }, this);
}

void TForm3::WirePaneBrowsing() {
  const TPerSlot<TWebBrowser*> panes{WebBrowser1, WebBrowser2, WebBrowser3};
  for (std::size_t index = 0; index < panes.size(); ++index) {
    TWebBrowser* pane = panes[index];
    int& zoom = FState.Preferences.ZoomPercent[index];
    pane->SetZoomPercent(zoom);
    pane->OnZoomChanged = [this, &zoom](int Percent) {
      zoom = Percent;
      SavePreferences();
    };
    pane->OnSearchFor = [this](const std::u16string& Text) {
      SetEdit4Text(Text);
      SpeedButton1Click();
    };
  }
  auto* focusWords = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
  connect(focusWords, &QShortcut::activated, this, [this] {
    Edit4->setFocus(Qt::ShortcutFocusReason);
    Edit4->selectAll();
  });
}

void TForm3::SetSettingsWindow(TForm1* Settings) {
  FSettings = Settings;
  if (!FSettings) return;
  enginetips::Follow({CheckBox3, CheckBox4, CheckBox5}, {FSettings->Edit1, FSettings->Edit2, FSettings->Edit3});
}

void TForm3::SavePreferences() {
  if (const int code = TPreferencesFile(FState.DataFolder).Save(FState.Preferences)) {
    qWarning().noquote() << QStringLiteral("Varnesk cannot save its preferences (system error %1)").arg(code);
  }
}

std::u16string TForm3::SearchCommand(int Slot) const {
  return FSettings ? FSettings->SearchCommand(Slot) : std::u16string();
}

TBrowserPane& TForm3::Pane(int Slot) {
  return *Panes()[SlotIndex(Slot)];
}

TPerSlot<TBrowserPane*> TForm3::Panes() const { return {WebBrowser1, WebBrowser2, WebBrowser3}; }

template <class Handler>
void TForm3::Guarded(Handler&& Run) {
  errordisplay::Guarded(std::forward<Handler>(Run));
}

void TForm3::FormCreate() {
  Guarded([this] {
    setWindowTitle(QString::fromUtf16(MainWindowCaption.data(), MainWindowCaption.size()));
    TSystemFolderAccess folders;
    FState.DataFolder = ResolveDataFolder(DocumentsFolder, folders);
  });
}

void TForm3::FormResize() {
  const TPaneLayout layout = TPaneLayout::ForClientWidth(width());
  const int height = std::max(0, this->height() - kPaneTop);
  WebBrowser1->setGeometry(layout.WebBrowser1.Left, kPaneTop, layout.WebBrowser1.Width, height);
  WebBrowser2->setGeometry(layout.WebBrowser2.Left, kPaneTop, layout.WebBrowser2.Width, height);
  WebBrowser3->setGeometry(layout.WebBrowser3.Left, kPaneTop, layout.WebBrowser3.Width, height);
  Shape1->setGeometry(0, 135, layout.RuleWidth, 1);
}

void TForm3::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  FormResize();
}

void TForm3::showEvent(QShowEvent* Event) {
  QWidget::showEvent(Event);
  FollowFrame();
}

void TForm3::closeEvent(QCloseEvent* Event) {
  QWidget::closeEvent(Event);
  // The program ends with its main window, whatever else is shown: exit,
  // not quit, which would first ask the settings window to close, and it
  // refuses.
  QCoreApplication::exit(0);
}

void TForm3::FollowFrame() {
  const QWindow* window = windowHandle();
  const QMargins frame = window ? window->frameMargins() : QMargins();
  // A frame that is being built can read negative; the next pass sees it done.
  if (frame.left() < 0 || frame.top() < 0 || frame.right() < 0 || frame.bottom() < 0) return;
  if (frame == FFrame) return;
  FFrame = frame;
  setMinimumSize(kMinTrackWidth - frame.left() - frame.right(), kMinTrackHeight - frame.top() - frame.bottom());
}

void TForm3::Edit4KeyPress(char16_t& Key) {
  if (Key == u'\r') {
    Key = 0;
    SpeedButton1Click();
  }
}

void TForm3::SpeedButton1Click() {
  Guarded([this] {
    if (!FComposer->Compose()) return;
    FDispatcher->Dispatch(FState.Search.SearchText);
    FWarmUp->SearchDispatched();
    SearchHistory->SearchStarted();
  });
}

void TForm3::SpeedButton2Click() {
  if (!FSettings) return;
  FSettings->show();
  FSettings->raise();
  FSettings->activateWindow();
}

void TForm3::Label7Click() { QDesktopServices::openUrl(QUrl(kHomePage)); }

QCheckBox* TForm3::CheckBox(TMainCheckBox Box) const {
  switch (Box) {
    case TMainCheckBox::CheckBox1: return CheckBox1;
    case TMainCheckBox::CheckBox2: return CheckBox2;
    case TMainCheckBox::CheckBox3: return CheckBox3;
    case TMainCheckBox::CheckBox4: return CheckBox4;
    case TMainCheckBox::CheckBox5: return CheckBox5;
  }
  return CheckBox5;
}

std::u16string TForm3::Edit4Text() const { return Edit4->text().toStdU16String(); }

void TForm3::SetEdit4Text(const std::u16string& Text) { Edit4->setText(QString::fromStdU16String(Text)); }

std::u16string TForm3::Edit5Text() const { return Edit5->text().toStdU16String(); }

void TForm3::SetEdit5Text(const std::u16string& Text) { Edit5->setText(QString::fromStdU16String(Text)); }

bool TForm3::Checked(TMainCheckBox Box) const { return CheckBox(Box)->isChecked(); }

void TForm3::SetChecked(TMainCheckBox Box, bool Checked) { CheckBox(Box)->setChecked(Checked); }

bool TForm3::Edit4Focused() const { return Edit4->hasFocus(); }

void TForm3::FocusEdit4() { Edit4->setFocus(Qt::OtherFocusReason); }

bool TForm3::MainWindowActive() const { return isActiveWindow(); }

void TForm3::ApplicationEvents1Idle() {
  // The error box of a failing pass runs a loop of its own, which blocks
  // and would start another pass inside this one.
  if (FInIdle) return;
  FInIdle = true;
  Guarded([this] {
    THoverContext context;
    context.SettingsWindowVisible = FSettings && FSettings->isVisible();
    context.MainWindowActive = isActiveWindow();
    const QPoint cursor = FCursor->Position();
    context.Cursor = TScreenPoint{cursor.x(), cursor.y()};
    context.Panes = Panes();
    bool done = false;
    ::ApplicationEvents1Idle(context, done);
  });
  FInIdle = false;
}
