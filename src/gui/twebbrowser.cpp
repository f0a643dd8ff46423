#include "gui/twebbrowser.h"

#include "gui/errordisplay.h"

#include <QContextMenuEvent>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QVariantList>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

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

QWebEnginePage* TWebBrowserPage::createWindow(WebWindowType) {
  // A pane is the only window an engine gets: pop-ups and "open in new
  // window" links load here.
  return this;
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
  connect(page, &QWebEnginePage::loadStarted, this, [this] { ++FLoadGeneration; });
  connect(page, &QWebEnginePage::loadFinished, this, [this](bool) { PageLoadFinished(); });
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
    setHtml(MissingPageHtml(path));
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
        if (OnDocumentComplete) errordisplay::Guarded(OnDocumentComplete);
      });
}

bool TWebBrowser::HasDocument() const { return FHasDocument; }

bool TWebBrowser::HasBody() const { return FHasBody; }

std::int32_t TWebBrowser::RootClientWidth() const { return FClientWidth; }

void TWebBrowser::ScrollBy(std::int32_t X, std::int32_t Y) {
  page()->runJavaScript(QStringLiteral("window.scrollBy(%1, %2)").arg(X).arg(Y));
}

bool TWebBrowser::HasFocus() const {
  const QWidget* proxy = focusProxy();
  return proxy ? proxy->hasFocus() : hasFocus();
}

void TWebBrowser::Focus() { setFocus(Qt::OtherFocusReason); }

TScreenRect TWebBrowser::ScreenRect() const {
  const QPoint topLeft = mapToGlobal(QPoint(0, 0));
  const QPoint bottomRight = mapToGlobal(QPoint(width(), height()));
  return {topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y()};
}

void TWebBrowser::contextMenuEvent(QContextMenuEvent* Event) {
  QMenu* menu = createStandardContextMenu();
  if (OnContextMenu) OnContextMenu(*menu);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(Event->globalPos());
}
