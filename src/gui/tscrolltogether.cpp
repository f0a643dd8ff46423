#include "gui/tscrolltogether.h"

#include "preferences/preferences.h"
#include "sharedresults/scrollfraction.h"

#include <QAction>
#include <QChildEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <cmath>
#include <utility>

namespace {

constexpr auto kWorld = QWebEngineScript::ApplicationWorld;
// How long after the user's input a pane's scrolling still counts as theirs
// (smooth scrolling runs on after the last wheel step).
constexpr qint64 kInputMs = 1500;
// How long a round may wait for the pages' answers.
constexpr qint64 kRoundMs = 1000;
// How near a pane's reported position must be to where this class sent it
// to be the echo of that move (the engine may round a fraction of a pixel).
constexpr double kEchoPixels = 2;
// The page's own script may still see the position before a scroll that the
// compositor has already made; a round whose source read so is run once
// more after this pause.
constexpr int kSettleMs = 150;

const QString kMeasure = QStringLiteral(
    "(() => { const e = document.scrollingElement || document.documentElement;"
    " return [scrollY, Math.max(0, e.scrollHeight - e.clientHeight)]; })()");

}  // namespace

TScrollTogether::TScrollTogether(const TPerSlot<QWebEngineView*>& Panes, TPreferences& Preferences,
                                 std::function<void()> Save, QObject* Parent)
    : QObject(Parent), FPreferences(Preferences), FSave(std::move(Save)) {
  FClock.start();
  for (std::size_t i = 0; i < Panes.size(); ++i) {
    FPanes[i] = Panes[i];
    Watch(Panes[i], i);
    // Queued, so that no page is called while one is being destroyed.
    connect(Panes[i]->page(), &QWebEnginePage::scrollPositionChanged, this,
            [this, i](const QPointF& Position) { Scrolled(i, Position.y()); }, Qt::QueuedConnection);
  }
  FAction = new QAction(QStringLiteral("Scroll panes together"), this);
  FAction->setCheckable(true);
  FAction->setChecked(FPreferences.ScrollTogether);
  FAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
  connect(FAction, &QAction::toggled, this, [this](bool On) {
    FPreferences.ScrollTogether = On;
    if (FSave) FSave();
  });
}

void TScrollTogether::Watch(QObject* Object, std::size_t Index) {
  // The view's input lands on a child widget that the engine makes (and may
  // make again): every child is watched as it comes.
  Object->setProperty("varneskScrollPane", static_cast<int>(Index));
  Object->installEventFilter(this);
  for (QObject* child : Object->children()) {
    if (child->isWidgetType()) Watch(child, Index);
  }
}

bool TScrollTogether::eventFilter(QObject* Watched, QEvent* Event) {
  const QVariant pane = Watched->property("varneskScrollPane");
  if (!pane.isValid()) return false;
  const auto index = static_cast<std::size_t>(pane.toInt());
  switch (Event->type()) {
    case QEvent::ChildAdded:
      if (QObject* child = static_cast<QChildEvent*>(Event)->child(); child && child->isWidgetType()) {
        Watch(child, index);
      }
      break;
    case QEvent::MouseMove:
      if (static_cast<QMouseEvent*>(Event)->buttons() == Qt::NoButton) break;
      [[fallthrough]];
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
      FLastInput[index] = FClock.elapsed();
      FSentY[index].reset();  // the user takes this pane over
      break;
    default:
      break;
  }
  return false;
}

void TScrollTogether::Scrolled(std::size_t Index, double Y) {
  const bool vertical = std::abs(Y - FLastY[Index]) >= 0.5;
  FLastY[Index] = Y;
  if (!vertical || !FPreferences.ScrollTogether) return;
  // The pane arriving where a round sent it is no scroll of the user's.
  if (FSentY[Index] && std::abs(Y - *FSentY[Index]) < kEchoPixels) {
    FSentY[Index].reset();
    return;
  }
  const qint64 input = FLastInput[Index];
  if (input < 0 || FClock.elapsed() - input > kInputMs) return;
  if (FFollowing && FClock.elapsed() - FRoundStart < kRoundMs) {
    FNext = Index;  // the latest scroll leads the next round
    return;
  }
  FSettled = false;
  Follow(Index);
}

void TScrollTogether::Follow(std::size_t Source) {
  FFollowing = Source;
  FNext.reset();
  const quint64 round = ++FRound;
  FRoundStart = FClock.elapsed();
  FWaiting = 0;
  FMeasures = {};
  for (std::size_t i = 0; i < FPanes.size(); ++i) {
    if (!FPanes[i]) continue;
    ++FWaiting;
    FPanes[i]->page()->runJavaScript(
        kMeasure, kWorld, [this, i, round, alive = QPointer<TScrollTogether>(this)](const QVariant& Answer) {
          if (alive) Measured(i, Answer, round);
        });
  }
  if (FWaiting == 0) FFollowing.reset();
}

void TScrollTogether::Measured(std::size_t Index, const QVariant& Answer, quint64 Round) {
  if (Round != FRound) return;
  FMeasures[Index] = Answer.toList();
  // Answers may come while a page is being destroyed: the pages are called
  // again only from the event loop.
  if (--FWaiting == 0) QMetaObject::invokeMethod(this, [this, Round] { Move(Round); }, Qt::QueuedConnection);
}

void TScrollTogether::Move(quint64 Round) {
  if (Round != FRound) return;
  const std::size_t source = *FFollowing;
  const QVariantList& from = FMeasures[source];
  if (from.size() == 2) {
    for (std::size_t target = 0; target < FPanes.size(); ++target) {
      const QVariantList& to = FMeasures[target];
      if (target == source || !FPanes[target] || to.size() != 2) continue;
      const int top = ScrollTogetherTop(from.at(0).toDouble(), from.at(1).toDouble(), to.at(1).toDouble());
      if (std::abs(top - to.at(0).toDouble()) < 1) continue;
      FSentY[target] = top;
      FPanes[target]->page()->runJavaScript(QStringLiteral("scrollTo(scrollX, %1)").arg(top), kWorld);
    }
  }
  FFollowing.reset();
  Q_EMIT panesFollowed();
  if (const std::optional<std::size_t> next = std::exchange(FNext, std::nullopt)) {
    Follow(*next);
  } else if (from.size() == 2 && std::abs(FLastY[source] - from.at(0).toDouble()) >= 1 && !FSettled) {
    FSettled = true;
    QTimer::singleShot(kSettleMs, this, [this, source] {
      if (!FFollowing) Follow(source);
    });
  }
}
