#include "gui/twebbrowser.h"

#include "browsing/zoomsteps.h"
#include "gui/defaultbrowser.h"
#include "gui/errordisplay.h"
#include "gui/panemenu.h"
#include "gui/tfindbar.h"
#include "gui/tprogressline.h"

#include <QApplication>
#include <QChildEvent>
#include <QContextMenuEvent>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QVariantList>
#include <QWebEngineDownloadRequest>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWheelEvent>

namespace {

QString MissingPageHtml(const QString& Path) {
  return QStringLiteral(
             "<!DOCTYPE html><html lang=\"en\"><head><meta charset=\"utf-8\"><title>Varnesk</title></head>"
             "<body style=\"font-family: Calibri, Carlito, sans-serif; font-size: 16px; margin: 24px\">"
             "<p>Varnesk cannot find its start page <b>%1</b>.</p>"
             "<p>The start pages belong in the folder of the program file. Searches work all the same.</p>"
             "</body></html>")
      .arg(Path.toHtmlEscaped());
}

}  // namespace

TWebBrowserPage::TWebBrowserPage(QWebEngineProfile* Profile, QObject* Parent)
    : QWebEnginePage(Profile ? Profile : QWebEngineProfile::defaultProfile(), Parent) {}

bool TWebBrowserPage::acceptNavigationRequest(const QUrl& Url, NavigationType Type, bool IsMainFrame) {
  Q_EMIT navigationRequested();
  return QWebEnginePage::acceptNavigationRequest(Url, Type, IsMainFrame);
}

TWebBrowser::TWebBrowser(QWebEngineProfile* Profile, QWidget* Parent) : QWebEngineView(Parent) {
  auto* page = new TWebBrowserPage(Profile, this);
  setPage(page);
  // The start pages are local files: they may read nothing else.
  QWebEngineSettings* settings = page->settings();
  settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
  settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
  connect(page, &TWebBrowserPage::navigationRequested, this, [this] {
    if (OnBeforeNavigate2) errordisplay::Guarded(OnBeforeNavigate2);
  });
  FProgressLine = new TProgressLine(this);
  FFindBar = new TFindBar(this);
  connect(page, &QWebEnginePage::loadStarted, this, [this] {
    ++FLoadGeneration;
    FLoading = true;
    FProgressLine->SetProgress(0);
  });
  connect(page, &QWebEnginePage::loadProgress, this, [this](int Percent) {
    if (FLoading) FProgressLine->SetProgress(Percent);
  });
  connect(page, &QWebEnginePage::loadFinished, this, [this](bool) {
    FLoading = false;
    FProgressLine->Finish();
    PageLoadFinished();
  });
  // The pane keeps its page: what the user asks to open elsewhere opens in
  // the default browser; a pop-up the page opens by itself is dropped. Left
  // unhandled, the request then creates no window.
  connect(page, &QWebEnginePage::newWindowRequested, this, [](QWebEngineNewWindowRequest& Request) {
    if (Request.isUserInitiated()) defaultbrowser::Open(Request.requestedUrl());
  });
  connect(page->profile(), &QWebEngineProfile::downloadRequested, this, [page](QWebEngineDownloadRequest* Download) {
    if (Download->page() != page) return;
    Download->cancel();
    defaultbrowser::Open(Download->url());
  });
}

QUrl TWebBrowser::WebUrl(const QString& Text) {
  // Tolerant, as the encoder lets U+0080 pass in the parameters; QUrl
  // encodes it.
  const QUrl url(Text, QUrl::TolerantMode);
  const QString scheme = url.scheme();
  const bool web = scheme == QLatin1String("http") || scheme == QLatin1String("https");
  if (!url.isValid() || !web || url.host().isEmpty()) return {};
  return url;
}

void TWebBrowser::Navigate(const std::u16string& Url) {
  const QUrl url = WebUrl(QString::fromStdU16String(Url));
  if (!url.isEmpty()) load(url);
}

void TWebBrowser::OpenLocalFile(const std::u16string& Path) {
  const QUrl url = QUrl::fromLocalFile(QString::fromStdU16String(Path));
  // A local page that is not there (the program file was copied away from
  // its start pages) gets a page that says so, not the engine's bare error.
  if (!QFileInfo::exists(url.toLocalFile())) {
    const QString path = QDir::toNativeSeparators(url.toLocalFile());
    qWarning().noquote() << QStringLiteral("Varnesk cannot find its start page %1").arg(path);
    setHtml(MissingPageHtml(path), url);
    return;
  }
  load(url);
}

void TWebBrowser::PageLoadFinished() {
  const quint64 generation = FLoadGeneration;
  page()->runJavaScript(
      QStringLiteral("[document.body !== null, document.documentElement ? document.documentElement.clientWidth : 0]"),
      [this, generation, alive = std::weak_ptr<const bool>(FAlive)](const QVariant& Result) {
        if (alive.expired() || generation != FLoadGeneration) return;
        const QVariantList values = Result.toList();
        FHasDocument = true;
        FHasBody = values.size() == 2 && values.at(0).toBool();
        FClientWidth = values.size() == 2 ? values.at(1).toInt() : 0;
        FDocumentUrl = url().toString(QUrl::FullyEncoded).toStdU16String();
        if (OnDocumentComplete) errordisplay::Guarded(OnDocumentComplete);
      });
}

bool TWebBrowser::HasDocument() const { return FHasDocument; }

bool TWebBrowser::HasBody() const { return FHasBody; }

std::int32_t TWebBrowser::RootClientWidth() const { return FClientWidth; }

std::u16string TWebBrowser::DocumentUrl() const { return FDocumentUrl; }

void TWebBrowser::ScrollHorizontallyTo(std::int32_t X) {
  page()->runJavaScript(QStringLiteral("window.scrollTo(%1, window.scrollY)").arg(X),
                        QWebEngineScript::ApplicationWorld);
}

bool TWebBrowser::HasFocus() const {
  const QWidget* proxy = focusProxy();
  if (proxy ? proxy->hasFocus() : hasFocus()) return true;
  const QWidget* focused = QApplication::focusWidget();
  return focused && isAncestorOf(focused);
}

void TWebBrowser::Focus() { setFocus(Qt::OtherFocusReason); }

TScreenRect TWebBrowser::ScreenRect() const {
  const QPoint topLeft = mapToGlobal(QPoint(0, 0));
  const QPoint bottomRight = mapToGlobal(QPoint(width(), height()));
  return {topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y()};
}

void TWebBrowser::SetZoomPercent(int Percent) {
  FZoomPercent = Percent;
  setZoomFactor(Percent / 100.0);
}

void TWebBrowser::ChangeZoom(int Percent) {
  if (Percent == FZoomPercent) return;
  SetZoomPercent(Percent);
  if (OnZoomChanged) OnZoomChanged(Percent);
}

void TWebBrowser::ZoomIn() { ChangeZoom(TZoomSteps::ZoomIn(FZoomPercent)); }

void TWebBrowser::ZoomOut() { ChangeZoom(TZoomSteps::ZoomOut(FZoomPercent)); }

void TWebBrowser::ResetZoom() { ChangeZoom(TZoomSteps::kDefaultPercent); }

void TWebBrowser::OpenFindBar() { FFindBar->Open(); }

void TWebBrowser::childEvent(QChildEvent* Event) {
  QWebEngineView::childEvent(Event);
  // The page's own widget comes and goes with the render process: each one
  // gets the pane's keys and buttons looked at first.
  if (Event->added() && Event->child()->isWidgetType()) Event->child()->installEventFilter(this);
}

bool TWebBrowser::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched != focusProxy()) return QWebEngineView::eventFilter(Watched, Event);
  switch (Event->type()) {
    case QEvent::KeyPress:
      return PaneKey(static_cast<const QKeyEvent&>(*Event));
    case QEvent::MouseButtonPress:
      return PaneMouseButton(static_cast<const QMouseEvent&>(*Event).button());
    case QEvent::MouseButtonRelease: {
      // The page would go through the history on the release as well.
      const Qt::MouseButton button = static_cast<const QMouseEvent&>(*Event).button();
      return button == Qt::BackButton || button == Qt::ForwardButton;
    }
    case QEvent::Wheel:
      return PaneWheel(static_cast<const QWheelEvent&>(*Event));
    default:
      return QWebEngineView::eventFilter(Watched, Event);
  }
}

bool TWebBrowser::PaneKey(const QKeyEvent& Key) {
  const Qt::KeyboardModifiers modifiers = Key.modifiers() & ~Qt::KeypadModifier;
  const bool ctrl = modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
  switch (Key.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
      if (modifiers != Qt::AltModifier) return false;
      Key.key() == Qt::Key_Left ? back() : forward();
      return true;
    case Qt::Key_F5:
      if (modifiers != Qt::NoModifier) return false;
      reload();
      return true;
    case Qt::Key_R:
      if (modifiers != Qt::ControlModifier) return false;
      reload();
      return true;
    case Qt::Key_Escape:
      // The page sees Escape as well (a menu of its own may close).
      if (FLoading) stop();
      return false;
    case Qt::Key_F:
      if (modifiers != Qt::ControlModifier) return false;
      OpenFindBar();
      return true;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      if (!ctrl) return false;
      ZoomIn();
      return true;
    case Qt::Key_Minus:
      if (!ctrl) return false;
      ZoomOut();
      return true;
    case Qt::Key_0:
      if (!ctrl) return false;
      ResetZoom();
      return true;
    default:
      return false;
  }
}

bool TWebBrowser::PaneMouseButton(Qt::MouseButton Button) {
  if (Button == Qt::BackButton) {
    back();
    return true;
  }
  if (Button == Qt::ForwardButton) {
    forward();
    return true;
  }
  return false;
}

bool TWebBrowser::PaneWheel(const QWheelEvent& Wheel) {
  if (!(Wheel.modifiers() & Qt::ControlModifier)) return false;
  // A touchpad sends small deltas: a step per notch's worth (120).
  FWheelDelta += Wheel.angleDelta().y();
  for (; FWheelDelta >= QWheelEvent::DefaultDeltasPerStep; FWheelDelta -= QWheelEvent::DefaultDeltasPerStep) ZoomIn();
  for (; FWheelDelta <= -QWheelEvent::DefaultDeltasPerStep; FWheelDelta += QWheelEvent::DefaultDeltasPerStep) ZoomOut();
  return true;
}

void TWebBrowser::contextMenuEvent(QContextMenuEvent* Event) {
  QMenu* menu = panemenu::Build(*this, this);
  if (OnContextMenu) OnContextMenu(*menu);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(Event->globalPos());
}
