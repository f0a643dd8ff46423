#include "gui/tsharedresultsmarker.h"

#include "preferences/preferences.h"

#include <QAction>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace {

constexpr auto kWorld = QWebEngineScript::ApplicationWorld;

QWebEngineScript PageScript() {
  QFile file(QStringLiteral(":/scripts/sharedresults.js"));
  file.open(QIODevice::ReadOnly);
  QWebEngineScript script;
  script.setName(QStringLiteral("varnesk-shared-results"));
  script.setSourceCode(QString::fromUtf8(file.readAll()));
  script.setInjectionPoint(QWebEngineScript::DocumentCreation);
  script.setWorldId(kWorld);
  script.setRunsOnSubFrames(false);
  return script;
}

}  // namespace

TSharedResultsMarker::TSharedResultsMarker(const TPerSlot<QWebEnginePage*>& Pages, TPreferences& Preferences,
                                           std::function<void()> Save, QObject* Parent)
    : QObject(Parent), FPreferences(Preferences), FSave(std::move(Save)) {
  const QWebEngineScript script = PageScript();
  for (std::size_t i = 0; i < Pages.size(); ++i) {
    FPages[i] = Pages[i];
    Pages[i]->scripts().insert(script);
    // Queued: a page may report the end of a load while it is destroyed.
    connect(Pages[i], &QWebEnginePage::loadFinished, this, [this] { Refresh(); }, Qt::QueuedConnection);
  }
  FAction = new QAction(QStringLiteral("Mark shared results"), this);
  FAction->setCheckable(true);
  FAction->setChecked(FPreferences.MarkSharedResults);
  connect(FAction, &QAction::toggled, this, [this](bool On) {
    FPreferences.MarkSharedResults = On;
    if (FSave) FSave();
    Refresh();
  });
}

void TSharedResultsMarker::Refresh() {
  const quint64 round = ++FRound;
  FWaiting = 0;
  FLinks = {};
  if (!FPreferences.MarkSharedResults) {
    Apply(round);
    return;
  }
  for (std::size_t i = 0; i < FPages.size(); ++i) {
    if (!FPages[i]) continue;
    ++FWaiting;
    FPages[i]->runJavaScript(QStringLiteral("typeof varneskShared === 'object' ? varneskShared.links() : null"), kWorld,
                             [this, i, round, alive = QPointer<TSharedResultsMarker>(this)](const QVariant& Answer) {
                               if (alive) Collected(i, Answer, round);
                             });
  }
}

void TSharedResultsMarker::Collected(std::size_t Index, const QVariant& Answer, quint64 Round) {
  if (Round != FRound) return;
  const QVariantList answer = Answer.toList();
  if (answer.size() == 2) {
    FLinks[Index].PageHost = answer.at(0).toString().toStdU16String();
    const QVariantList links = answer.at(1).toList();
    FLinks[Index].Links.reserve(links.size());
    for (const QVariant& link : links) FLinks[Index].Links.push_back(link.toString().toStdU16String());
  }
  // The answer may come while a page is being destroyed: the pages are
  // called again only from the event loop.
  if (--FWaiting == 0) QMetaObject::invokeMethod(this, [this, Round] { Apply(Round); }, Qt::QueuedConnection);
}

void TSharedResultsMarker::Apply(quint64 Round) {
  if (Round != FRound) return;
  const TSharedMarks marks = SharedResultMarks(FLinks);
  FWaiting = 0;
  for (std::size_t i = 0; i < FPages.size(); ++i) {
    if (!FPages[i]) continue;
    QJsonArray values;
    for (const std::u16string& also : marks[i]) values.append(QString::fromStdU16String(also));
    const QString json = QString::fromUtf8(QJsonDocument(values).toJson(QJsonDocument::Compact));
    ++FWaiting;
    FPages[i]->runJavaScript(
        QStringLiteral("typeof varneskShared === 'object' ? varneskShared.mark(%1) : 0").arg(json), kWorld,
        [this, Round, alive = QPointer<TSharedResultsMarker>(this)](const QVariant&) {
          if (alive) Applied(Round);
        });
  }
  if (FWaiting == 0) Q_EMIT marksApplied();
}

void TSharedResultsMarker::Applied(quint64 Round) {
  if (Round == FRound && --FWaiting == 0) Q_EMIT marksApplied();
}
