#include "gui/panemenu.h"

#include "browsing/panemenu.h"
#include "gui/defaultbrowser.h"
#include "gui/twebbrowser.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineHistory>

namespace panemenu {

namespace {

// The selection as a menu entry shows it: one line, at most this long.
constexpr int kShownSelection = 32;

QString Shown(const QString& Selection) {
  const QString line = Selection.simplified();
  return line.size() <= kShownSelection ? line : line.left(kShownSelection - 1) + QChar(0x2026);
}

}  // namespace

QMenu* Build(TWebBrowser& Pane, QWidget* Parent) {
  auto* menu = new QMenu(Parent);
  const QWebEngineContextMenuRequest* request = Pane.lastContextMenuRequest();
  const QUrl link = request ? request->linkUrl() : QUrl();
  const QString selection = request ? request->selectedText() : QString();
  TPaneMenuState state;
  state.Loading = Pane.Loading();
  state.OnLink = link.isValid() && !link.isEmpty();
  state.HasSelection = !selection.trimmed().isEmpty();

  TWebBrowser* pane = &Pane;
  for (const TPaneMenuEntry entry : PaneMenuEntries(state)) {
    switch (entry) {
      case TPaneMenuEntry::Back:
        menu->addAction(QStringLiteral("Back"), pane, [pane] { pane->back(); })
            ->setEnabled(Pane.history()->canGoBack());
        break;
      case TPaneMenuEntry::Forward:
        menu->addAction(QStringLiteral("Forward"), pane, [pane] { pane->forward(); })
            ->setEnabled(Pane.history()->canGoForward());
        break;
      case TPaneMenuEntry::Reload:
        menu->addAction(QStringLiteral("Reload"), pane, [pane] { pane->reload(); });
        break;
      case TPaneMenuEntry::Stop:
        menu->addAction(QStringLiteral("Stop"), pane, [pane] { pane->stop(); });
        break;
      case TPaneMenuEntry::OpenLinkInDefaultBrowser:
        menu->addAction(QStringLiteral("Open link in default browser"), pane, [link] { defaultbrowser::Open(link); });
        break;
      case TPaneMenuEntry::CopyLinkAddress:
        menu->addAction(QStringLiteral("Copy link address"), pane,
                        [link] { QGuiApplication::clipboard()->setText(link.toString(QUrl::FullyEncoded)); });
        break;
      case TPaneMenuEntry::Copy:
        menu->addAction(QStringLiteral("Copy"), pane, [pane] { pane->page()->triggerAction(QWebEnginePage::Copy); });
        break;
      case TPaneMenuEntry::SearchForSelection:
        menu->addAction(QStringLiteral("Search for \u201C%1\u201D").arg(Shown(selection)), pane,
                        [pane, selection] {
                          if (pane->OnSearchFor) pane->OnSearchFor(selection.simplified().toStdU16String());
                        });
        break;
      case TPaneMenuEntry::OpenPageInDefaultBrowser:
        menu->addAction(QStringLiteral("Open page in default browser"), pane,
                        [pane] { defaultbrowser::Open(pane->url()); });
        break;
      case TPaneMenuEntry::CopyPageAddress:
        menu->addAction(QStringLiteral("Copy page address"), pane,
                        [pane] { QGuiApplication::clipboard()->setText(pane->url().toString(QUrl::FullyEncoded)); });
        break;
      case TPaneMenuEntry::ZoomIn:
        menu->addAction(QStringLiteral("Zoom in"), pane, [pane] { pane->ZoomIn(); });
        break;
      case TPaneMenuEntry::ZoomOut:
        menu->addAction(QStringLiteral("Zoom out"), pane, [pane] { pane->ZoomOut(); });
        break;
      case TPaneMenuEntry::ResetZoom:
        menu->addAction(QStringLiteral("Reset zoom (%1%)").arg(Pane.ZoomPercent()), pane,
                        [pane] { pane->ResetZoom(); });
        break;
      case TPaneMenuEntry::FindInPage:
        menu->addAction(QStringLiteral("Find in page"), pane, [pane] { pane->OpenFindBar(); });
        break;
      case TPaneMenuEntry::Separator:
        menu->addSeparator();
        break;
    }
  }
  return menu;
}

}  // namespace panemenu
